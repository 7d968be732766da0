// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "core/text/text_normaliser.h"
#include "core/tmdb/episode_group_cache.h"
#include "core/tmdb/episode_orders.h"

namespace ravello::cli {

std::optional<std::vector<tmdb::EpisodeGroupEntry>> fetchDvdGroups(const CliContext& context,
                                                                   std::int32_t showId)
{
    tmdb::EpisodeGroupCache groups(context.folders, context.endpoint, context.fetcher);
    if (!context.canAskTmdb({groups.groupsFile(showId)}))
        return std::nullopt;
    auto fetched = groups.dvdGroups(showId);
    if (fetched.failure) {
        const bool kept = fetched.failure->problem == tmdb::FetchProblem::File;
        context.err << "ravello-cli: " << (kept ? "warning: " : "") << "episode groups of show "
                    << showId << ": " << fetchFailureText(*fetched.failure) << '\n';
    }
    return std::move(fetched.value);
}

int runEpisodeGroups(CliContext& context, const Arguments& arguments)
{
    const auto showId = onlyFilmIdentifier(context, "episode-groups", arguments);
    if (!showId)
        return kUsageError;
    const auto groups = fetchDvdGroups(context, *showId);
    if (!groups)
        return kFailure;
    const auto chosen = tmdb::chosenEpisodeGroup(context.folders.episodeOrdersFile(), *showId);
    for (const tmdb::EpisodeGroupEntry& group : *groups) {
        std::string name = group.name;
        text::normaliseText(name);
        context.out << group.id << '\t';
        context.writeText(name);
        context.out << '\t' << group.groupCount << " seasons, " << group.episodeCount << " episodes"
                    << (chosen == group.id ? "\tchosen" : "") << '\n';
    }
    return context.finish();
}

} // namespace ravello::cli
