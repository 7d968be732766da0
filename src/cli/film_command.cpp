// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/tmdb/film_cache.h"

namespace ravello::cli {
namespace {

// One field on one line: a line break inside it becomes the two characters \ and n.
std::string oneLine(const std::optional<std::string>& field)
{
    std::string line;
    const std::string text = field.value_or("");
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            line += "\\n";
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
        } else {
            line += text[at];
        }
    }
    return line;
}

} // namespace

int runFilm(CliContext& context, const Arguments& arguments)
{
    const auto filmId = onlyFilmIdentifier(context, "film", arguments);
    if (!filmId)
        return kUsageError;
    tmdb::FilmCache cache(context.folders, context.endpoint, context.fetcher);
    if (!context.canAskTmdb({cache.filmDataFile(*filmId), cache.creditsFile(*filmId)}))
        return kFailure;
    // Opened as the window opens it, without a poster address: the command shows no cover.
    // The data page needs only the details: a failure of the credits is a warning.
    const tmdb::FilmOpening opening = cache.open(*filmId, "");
    if (!reportOpeningFailures(context, opening, [](tmdb::OpeningStep step) {
            return step == tmdb::OpeningStep::Details;
        }))
        return kFailure;
    const tmdb::FilmDataPage& page = opening.dataPage;
    for (const auto* field :
         {&page.title, &page.originalTitle, &page.year, &page.runningTime, &page.overview}) {
        context.writeText(oneLine(*field));
        context.out << '\n';
    }
    return context.finish();
}

} // namespace ravello::cli
