// SPDX-License-Identifier: MIT
#include "cli/fetch_failure_text.h"

namespace ravello::cli {
namespace {

constexpr const char* kService = "The Movie Database";

std::string transportText(const tmdb::FetchResult& result)
{
    if (result.timedOut())
        return std::string(kService) + " did not answer within " +
               tmdb::timeLimitText(result.timeLimit) + " seconds";
    return std::string("No complete answer from ") + kService;
}

const char* stepName(tmdb::OpeningStep step)
{
    switch (step) {
    case tmdb::OpeningStep::Cover:
        return "cover";
    case tmdb::OpeningStep::Details:
        return "details";
    case tmdb::OpeningStep::Credits:
        return "credits";
    }
    return "";
}

} // namespace

std::string fetchFailureText(const tmdb::FetchResult& result)
{
    using tmdb::FetchProblem;
    const std::string detail = " (" + tmdb::failureDetail(result) + ")";
    switch (result.problem) {
    case FetchProblem::None:
        return {};
    case FetchProblem::Session:
        return "The transfer could not be set up" + detail;
    case FetchProblem::Transport:
        return transportText(result) + detail;
    case FetchProblem::HttpStatus:
        return std::string(kService) + " answered with " + tmdb::failureDetail(result);
    case FetchProblem::NotJson:
        return std::string(kService) + "'s answer is not a JSON document (HTTP status " +
               std::to_string(result.httpStatus) + ")";
    case FetchProblem::TooLarge:
        return std::string(kService) + "'s answer is too large";
    case FetchProblem::File:
        return "The answer could not be written to the cache";
    case FetchProblem::Cancelled:
        return "The wait was cancelled";
    case FetchProblem::Busy:
        return "Nothing was sent" + detail;
    }
    return {};
}

std::string openingFailureText(std::int32_t filmId, const tmdb::OpeningFailure& failure)
{
    return std::string(stepName(failure.step)) + " of film " + std::to_string(filmId) + ": " +
           fetchFailureText(failure.fetch);
}

std::string seasonFailureText(const tmdb::SeasonOpening& opening,
                              const tmdb::SeasonFailure& failure)
{
    const std::string show = "show " + std::to_string(opening.showId);
    const std::string season = "season " + std::to_string(opening.seasonNumber) + " of " + show;
    const std::string step = failure.step == tmdb::SeasonStep::Show     ? show
                             : failure.step == tmdb::SeasonStep::Season ? season
                                                                        : "cover of " + season;
    return step + ": " + fetchFailureText(failure.fetch);
}

} // namespace ravello::cli
