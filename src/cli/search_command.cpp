// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/tmdb/film_search.h"

namespace ravello::cli {

int runSearch(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 1 || arguments[0].empty())
        return context.usageError("search takes one text (quote it when it holds spaces)");
    if (!context.canAskTmdb())
        return kFailure;
    const tmdb::SearchOutcome outcome =
        tmdb::searchFilms(context.endpoint, context.fetcher, arguments[0]);
    if (!outcome.fetch.ok())
        return context.fail("search: " + tmdb::failureDetail(outcome.fetch));
    for (const std::string& line : outcome.lines) {
        context.writeText(line);
        context.out << '\n';
    }
    return context.finish();
}

} // namespace ravello::cli
