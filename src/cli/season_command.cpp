// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/season_credits.h"
#include "core/text/text_normaliser.h"

namespace ravello::cli {

int runSeason(CliContext& context, const Arguments& arguments)
{
    const auto season = seasonArgumentsAndOptions(context, "season", arguments, false,
                                                  [](const std::string&) { return false; });
    if (!season)
        return kUsageError;
    const auto content = openSeasonCredits(context, *season);
    if (!content)
        return kFailure;
    for (const tmdb::Episode& episode : content->season.episodes) {
        std::string caption = tmdb::episodeCaption(content->season.number, episode);
        text::normaliseText(caption);
        context.writeText(caption);
        context.out << '\n';
    }
    return context.finish();
}

} // namespace ravello::cli
