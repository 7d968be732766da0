// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/profile_season.h"
#include "cli/show_episode_counts.h"
#include "core/collection/collection_episodes.h"
#include "core/collection/index_record.h"
#include "core/collection/title_index.h"

namespace ravello::cli {
namespace {

std::string_view sourceName(collection::EpisodeSource source)
{
    switch (source) {
    case collection::EpisodeSource::Profile:
        return "profile";
    case collection::EpisodeSource::Neighbours:
        return "neighbours";
    case collection::EpisodeSource::Copied:
        return "copied";
    case collection::EpisodeSource::Split:
        return "split";
    }
    return "";
}

// The collection number that is the command's only argument; nothing, the usage error
// written, for anything else.
std::optional<int> collectionNumberOf(const CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 1) {
        context.usageError("episodes takes one collection number");
        return std::nullopt;
    }
    const auto number = parseIdentifier(arguments[0]);
    if (!number || *number > collection::kHighestCollectionNumber) {
        context.usageError("not a collection number: " + arguments[0]);
        return std::nullopt;
    }
    return *number;
}

} // namespace

int runEpisodes(CliContext& context, const Arguments& arguments)
{
    const auto number = collectionNumberOf(context, arguments);
    if (!number)
        return kUsageError;
    collection::TitleIndex index;
    if (!index.loadTitleIndex(context.folders.titleIndexFile()))
        return context.fail("no title index: import DVD Profiler's export first (ravello-cli "
                            "import)");
    const collection::CollectionEpisodes episodes(context.folders, index.records());
    const collection::CollectionDisc* disc = discOfNumber(context, index, episodes, *number);
    if (!disc)
        return kFailure;
    ShowEpisodeCounts counts(context, disc->title.show);
    const auto proposal = episodes.propose(
        disc->profileId, [&counts](int season) { return counts.episodes(season); });
    for (const std::string& problem : counts.problems())
        context.err << "ravello-cli: " << (proposal ? "warning: " : "") << problem << '\n';
    if (!proposal)
        return context.fail("no episodes to propose for profile " + std::to_string(*number) +
                            ": neither the collection nor TMDb tells them");
    context.out << collection::episodeCodeText(proposal->first) << '-'
                << collection::episodeCodeText(proposal->last) << '\t'
                << sourceName(proposal->source) << '\n';
    return context.finish();
}

} // namespace ravello::cli
