// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "core/tmdb/film_search.h"

namespace ravello::cli {

int writeSearch(CliContext& context, const std::string& utf8Text,
                const std::optional<tmdb::WantedFilm>& wanted)
{
    if (!context.canAskTmdb())
        return kFailure;
    tmdb::SearchOutcome outcome = tmdb::searchFilms(context.endpoint, context.fetcher, utf8Text);
    if (!outcome.fetch.ok())
        return context.fail("search: " + fetchFailureText(outcome.fetch));
    if (wanted)
        outcome.films = tmdb::rankFoundFilms(std::move(outcome.films), *wanted);
    for (const tmdb::FoundFilm& film : outcome.films) {
        context.writeText(film.line);
        context.out << '\n';
    }
    return context.finish();
}

int runSearch(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 1 || arguments[0].empty())
        return context.usageError("search takes one text (quote it when it holds spaces)");
    return writeSearch(context, arguments[0], std::nullopt);
}

} // namespace ravello::cli
