// SPDX-License-Identifier: MIT
#include "app/fetch_failure_text.h"

namespace ravello::app {
namespace {

std::string statusText(const tmdb::FetchResult& result)
{
    std::string text = "HTTP status " + std::to_string(result.httpStatus);
    if (!result.tmdbStatusMessage.empty())
        text += ": " + result.tmdbStatusMessage;
    return text;
}

} // namespace

std::string fetchFailureText(const tmdb::FetchResult& result)
{
    using tmdb::FetchProblem;
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
    case FetchProblem::Cancelled:
        return "The wait was cancelled";
    }
    return {};
}

const char* fetchFailureTitle(tmdb::OpeningStep step)
{
    return step == tmdb::OpeningStep::Cover ? "Error" : "Errore";
}

} // namespace ravello::app
