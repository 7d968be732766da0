// SPDX-License-Identifier: MIT
#include "cli/film_credits.h"

#include <iostream>

#include "core/tmdb/film_cache.h"

namespace ravello::cli {

bool reportOpeningFailures(const CliContext& context, const tmdb::FilmOpening& opening,
                           bool (*needed)(tmdb::OpeningStep))
{
    bool complete = true;
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        if (failure.step == tmdb::OpeningStep::Cover)
            continue; // no command shows a cover
        const bool lost = failure.fetch.problem != tmdb::FetchProblem::File && needed(failure.step);
        context.err << "ravello-cli: " << (lost ? "" : "warning: ")
                    << (failure.step == tmdb::OpeningStep::Details ? "details" : "credits")
                    << " of film " << opening.filmId << ": " << tmdb::failureDetail(failure.fetch)
                    << '\n';
        complete = complete && !lost;
    }
    return complete;
}

std::optional<FilmCredits> openFilmCredits(const CliContext& context, std::int32_t filmId,
                                           bool needsDetails)
{
    tmdb::FilmCache cache(context.folders, context.endpoint, context.fetcher);
    if (!context.canAskTmdb({cache.filmDataFile(filmId), cache.creditsFile(filmId)}))
        return std::nullopt;
    // No poster address: the documents need no cover, and a cached one is simply left alone.
    tmdb::FilmOpening opening = cache.open(filmId, "");
    const auto needed =
        needsDetails ? +[](tmdb::OpeningStep) { return true; }
                     : +[](tmdb::OpeningStep step) { return step == tmdb::OpeningStep::Credits; };
    if (!reportOpeningFailures(context, opening, needed) || !opening.credits)
        return std::nullopt;
    return FilmCredits{opening.dataPage.title.value_or(""), std::move(*opening.credits)};
}

} // namespace ravello::cli
