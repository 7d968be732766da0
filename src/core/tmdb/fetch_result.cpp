// SPDX-License-Identifier: MIT
#include "core/tmdb/fetch_result.h"

namespace ravello::tmdb {
namespace {

std::string statusText(const FetchResult& result)
{
    std::string text = "HTTP status " + std::to_string(result.httpStatus);
    if (!result.tmdbStatusMessage.empty())
        text += ": " + result.tmdbStatusMessage;
    return text;
}

} // namespace

std::string failureMessage(const FetchResult& result)
{
    switch (result.problem) {
    case FetchProblem::None:
        return {};
    case FetchProblem::Session:
        return "Connection Failed or Syntax error";
    case FetchProblem::Transport:
        return "Failed to open URL\nError No:" + std::to_string(result.transportError.code);
    case FetchProblem::HttpStatus:
        return "TMDb answered with " + statusText(result);
    case FetchProblem::NotJson:
        return "TMDb's answer is not a JSON document (" + statusText(result) + ")";
    case FetchProblem::TooLarge:
        return "TMDb's answer is too large";
    case FetchProblem::File:
        return "The answer could not be written to the cache";
    }
    return {};
}

std::string failureDetail(const FetchResult& result)
{
    if (result.problem == FetchProblem::Transport || result.problem == FetchProblem::Session)
        return "transfer error " + std::to_string(result.transportError.code) + ": " +
               result.transportError.text;
    std::string message = failureMessage(result);
    for (char& c : message) {
        if (c == '\n')
            c = ' ';
    }
    return message;
}

} // namespace ravello::tmdb
