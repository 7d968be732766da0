// SPDX-License-Identifier: MIT
#include <algorithm>

#include "cli/commands.h"
#include "core/tmdb/episode_orders.h"

namespace ravello::cli {

int runEpisodeOrder(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 2)
        return context.usageError("episode-order takes a show identifier and a group identifier "
                                  "or none");
    const auto showId = parseIdentifier(arguments[0]);
    if (!showId)
        return context.usageError("not a show identifier: " + arguments[0]);
    std::optional<std::string> group;
    if (arguments[1] != "none") {
        // Only a DVD group of the show's own is taken, so that a mistyped one is told now.
        const auto groups = fetchDvdGroups(context, *showId);
        if (!groups)
            return kFailure;
        if (std::none_of(groups->begin(), groups->end(), [&](const tmdb::EpisodeGroupEntry& entry) {
                return entry.id == arguments[1];
            }))
            return context.fail("show " + arguments[0] + " has no DVD episode group " +
                                arguments[1]);
        group = arguments[1];
    }
    if (!tmdb::keepEpisodeGroup(context.folders.episodeOrdersFile(), *showId, group))
        return context.fail("the episode order could not be written to " +
                            context.folders.episodeOrdersFile().string());
    return context.finish();
}

} // namespace ravello::cli
