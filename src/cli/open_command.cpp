// SPDX-License-Identifier: MIT
#include <system_error>

#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "core/files/path_text.h"
#include "core/tmdb/film_cache.h"

namespace ravello::cli {

int runOpen(CliContext& context, const Arguments& arguments)
{
    const auto filmId = onlyFilmIdentifier(context, "open", arguments);
    if (!filmId)
        return kUsageError;
    tmdb::FilmCache cache(context.folders, context.endpoint, context.fetcher);
    if (!context.canAskTmdb({cache.filmDataFile(*filmId), cache.creditsFile(*filmId)}))
        return kFailure;
    const tmdb::FilmOpening opening = cache.openByIdentifier(*filmId);
    for (const auto& file :
         {cache.coverFile(*filmId), cache.filmDataFile(*filmId), cache.creditsFile(*filmId)}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            context.out << files::utf8FromPath(file) << '\n';
    }
    for (const tmdb::OpeningFailure& failure : opening.failures)
        context.err << "ravello-cli: " << openingFailureText(*filmId, failure) << '\n';
    const int written = context.finish();
    return written == kSuccess && !opening.failures.empty() ? kFailure : written;
}

} // namespace ravello::cli
