// SPDX-License-Identifier: MIT
#include <system_error>

#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "cli/film_credits.h"
#include "core/files/path_text.h"
#include "core/settings/settings_file.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"

namespace ravello::cli {

int runOpen(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 1)
        return context.usageError("open takes one film identifier");
    const auto filmId = parseIdentifier(arguments[0]);
    if (!filmId)
        return context.usageError("not a film identifier: " + arguments[0]);
    const auto settings = settings::loadSettings(context.folders.settingsFile());
    const auto endpoint = tmdb::Endpoint::fromSettings(settings);
    tmdb::Fetcher fetcher;
    tmdb::FilmCache cache(context.folders, endpoint, fetcher);
    const tmdb::FilmOpening opening = cache.openByIdentifier(*filmId);
    for (const auto& file :
         {cache.coverFile(*filmId), cache.filmDataFile(*filmId), cache.creditsFile(*filmId)}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            context.out << files::utf8FromPath(file) << '\n';
    }
    for (const tmdb::OpeningFailure& failure : opening.failures)
        context.err << "ravello-cli: " << openingFailureText(*filmId, failure) << '\n';
    if (!context.out.good())
        return context.fail("could not write the output");
    return opening.failures.empty() ? kSuccess : kFailure;
}

} // namespace ravello::cli
