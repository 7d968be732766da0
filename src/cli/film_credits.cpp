// SPDX-License-Identifier: MIT
#include "cli/film_credits.h"

#include <iostream>

#include "cli/fetch_failure_text.h"
#include "core/tmdb/film_cache.h"

namespace ravello::cli {

bool reportOpeningFailures(const CliContext& context, const tmdb::FilmOpening& opening,
                           bool (*needed)(tmdb::OpeningStep))
{
    bool complete = true;
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        if (failure.step == tmdb::OpeningStep::Cover)
            continue; // none of these commands shows a cover
        const bool lost = failure.fetch.problem != tmdb::FetchProblem::File && needed(failure.step);
        context.err << "ravello-cli: " << (lost ? "" : "warning: ")
                    << openingFailureText(opening.filmId, failure) << '\n';
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

collection::PeopleTable collectionPeople(const CliContext& context)
{
    return collection::PeopleTable::load(context.folders.peopleTableFile());
}

std::optional<tmdb::BirthYears> birthYearsOfPeople(const CliContext& context,
                                                   const std::vector<std::int32_t>& people)
{
    tmdb::PersonCache cache(context.folders, context.endpoint, context.batchFetcher);
    std::vector<std::filesystem::path> files;
    for (const std::int32_t person : people)
        files.push_back(cache.personFile(person));
    if (!people.empty() && !context.canAskTmdb(files))
        return std::nullopt;
    tmdb::BirthYears found = cache.birthYears(people);
    if (found.failed > 0)
        context.err << "ravello-cli: warning: the birth year of " << found.failed << " of "
                    << found.years.size() << " people could not be had; they are written as 0\n";
    return found;
}

std::optional<output::PersonYears> documentYears(const CliContext& context,
                                                 const output::CreditDocuments& documents,
                                                 output::DocumentKind kind, bool wanted)
{
    if (!wanted)
        return output::PersonYears{};
    auto found = birthYearsOfPeople(context, documents.peopleToAsk(kind));
    if (!found)
        return std::nullopt;
    return std::move(found->years);
}

} // namespace ravello::cli
