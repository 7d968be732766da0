// SPDX-License-Identifier: MIT
#include <algorithm>

#include "cli/commands.h"
#include "cli/show_episode_counts.h"
#include "core/collection/collection_episodes.h"
#include "core/collection/index_record.h"
#include "core/collection/title_index.h"
#include "core/text/text_fields.h"
#include "core/text/windows1252.h"

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

// The title of the first profile numbered `number`, as the index has it; nothing when the
// collection has none.
std::optional<std::string> titleOfNumber(const collection::TitleIndex& index, int number)
{
    const auto& records = index.records();
    const auto found = std::find_if(records.begin(), records.end(), [number](const auto& record) {
        return collection::recordCollectionNumber(record) == number;
    });
    if (found == records.end())
        return std::nullopt;
    std::string title = collection::recordTitle(*found);
    text::trimRight(title);
    return title;
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
    const collection::CollectionDisc* disc = episodes.discNumbered(*number);
    const std::string numbered = "profile " + std::to_string(*number);
    if (!disc) {
        const auto title = titleOfNumber(index, *number);
        if (!title)
            return context.fail("the collection has no " + numbered);
        return context.fail(numbered + ", \"" + text::windows1252ToUtf8(*title) +
                            "\", is no disc of a TV season (\"Show: Season N: Disc M\")");
    }
    ShowEpisodeCounts counts(context, disc->title.show);
    const auto proposal = episodes.propose(
        disc->profileId, [&counts](int season) { return counts.episodes(season); });
    for (const std::string& problem : counts.problems())
        context.err << "ravello-cli: " << (proposal ? "warning: " : "") << problem << '\n';
    if (!proposal)
        return context.fail("no episodes to propose for " + numbered +
                            ": neither the collection nor TMDb tells them");
    context.out << collection::episodeCodeText(proposal->first) << '-'
                << collection::episodeCodeText(proposal->last) << '\t'
                << sourceName(proposal->source) << '\n';
    return context.finish();
}

} // namespace ravello::cli
