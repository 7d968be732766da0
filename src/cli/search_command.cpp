// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/show_search.h"

namespace ravello::cli {

int writeSearch(CliContext& context, const std::string& utf8Text,
                const std::optional<tmdb::WantedFilm>& wanted, bool shows)
{
    if (!context.canAskTmdb())
        return kFailure;
    tmdb::SearchOutcome outcome =
        shows ? tmdb::searchShows(context.endpoint, context.fetcher, utf8Text)
              : tmdb::searchFilms(context.endpoint, context.fetcher, utf8Text);
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
    const bool shows = !arguments.empty() && arguments[0] == "--tv";
    const std::size_t texts = arguments.size() - (shows ? 1 : 0);
    if (texts != 1 || arguments.back().empty() || arguments.back() == "--tv")
        return context.usageError("search takes [--tv] and one text (quote it when it holds "
                                  "spaces)");
    return writeSearch(context, arguments.back(), std::nullopt, shows);
}

} // namespace ravello::cli
