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

std::string failureDetail(const FetchResult& result)
{
    switch (result.problem) {
    case FetchProblem::None:
        return {};
    case FetchProblem::Session:
    case FetchProblem::Transport:
        return "curl error " + std::to_string(result.transportError.code) + ": " +
               result.transportError.text;
    case FetchProblem::HttpStatus:
        return statusText(result);
    case FetchProblem::NotJson:
        return statusText(result) + ", not a JSON document";
    case FetchProblem::TooLarge:
        return "answer over the size cap";
    case FetchProblem::File:
        return "answer not written to its file";
    case FetchProblem::Cancelled:
        return "wait cancelled";
    case FetchProblem::Busy:
        return "a retrieval was started while another was running";
    }
    return {};
}

std::string timeLimitText(std::chrono::milliseconds limit)
{
    const auto tenths = (limit.count() + 50) / 100;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += "." + std::to_string(tenths % 10);
    return text;
}

} // namespace ravello::tmdb
