// SPDX-License-Identifier: MIT
#include "core/tmdb/shown_film.h"

#include <algorithm>

namespace ravello::tmdb {

bool isWholeFilm(const FilmOpening& opening)
{
    // The details have no flag of their own: a details step that failed without the document
    // arriving (only a failed write keeps it) means the data page holds nothing of the film.
    const bool detailsMissing = std::any_of(opening.failures.begin(), opening.failures.end(),
                                            [](const OpeningFailure& failure) {
                                                return failure.step == OpeningStep::Details &&
                                                       failure.fetch.problem != FetchProblem::File;
                                            });
    return !detailsMissing && opening.credits.has_value();
}

bool ShownFilm::take(const FilmOpening& opening)
{
    if (!isWholeFilm(opening))
        return false;
    dataPage = opening.dataPage;
    credits = *opening.credits;
    return true;
}

} // namespace ravello::tmdb
