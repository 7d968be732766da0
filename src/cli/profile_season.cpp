// SPDX-License-Identifier: MIT
#include "cli/profile_season.h"

#include <algorithm>

#include "cli/show_episode_counts.h"
#include "core/collection/index_record.h"
#include "core/text/text_fields.h"
#include "core/text/windows1252.h"
#include "core/tmdb/prefetch_profile.h"
#include "core/tmdb/profile_matches.h"

namespace ravello::cli {
namespace {

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

// The show a match kept for the disc names; nothing when none is kept.
std::optional<std::int32_t> keptShow(const CliContext& context,
                                     const collection::CollectionDisc& disc)
{
    tmdb::PrefetchProfile profile =
        tmdb::seasonToPrepare(disc.collectionNumber, disc.title.show, disc.title.season);
    profile.profileId = disc.profileId;
    const auto match =
        tmdb::ProfileMatches::load(context.folders.profileMatchesFile()).certainMatch(profile);
    if (!match)
        return std::nullopt;
    return tmdb::readResultLine(match->line).filmId;
}

} // namespace

const collection::CollectionDisc* discOfNumber(const CliContext& context,
                                               const collection::TitleIndex& index,
                                               const collection::CollectionEpisodes& episodes,
                                               int number)
{
    const collection::CollectionDisc* disc = episodes.discNumbered(number);
    if (disc)
        return disc;
    const std::string numbered = "profile " + std::to_string(number);
    const auto title = titleOfNumber(index, number);
    if (!title)
        context.fail("the collection has no " + numbered);
    else
        context.fail(numbered + ", \"" + text::windows1252ToUtf8(*title) +
                     "\", is no disc of a TV season (\"Show: Season N: Disc M\")");
    return nullptr;
}

std::optional<SeasonArguments> profileSeasonArguments(const CliContext& context, int number)
{
    collection::TitleIndex index;
    if (!index.loadTitleIndex(context.folders.titleIndexFile())) {
        context.fail("no title index: import DVD Profiler's export first (ravello-cli import)");
        return std::nullopt;
    }
    const collection::CollectionEpisodes episodes(context.folders, index.records());
    const collection::CollectionDisc* disc = discOfNumber(context, index, episodes, number);
    if (!disc)
        return std::nullopt;
    ShowEpisodeCounts counts(context, disc->title.show, keptShow(context, *disc));
    const auto show = counts.showId();
    const auto proposal =
        show ? episodes.propose(disc->profileId,
                                [&counts](int season) { return counts.episodes(season); })
             : std::nullopt;
    for (const std::string& problem : counts.problems())
        context.err << "ravello-cli: " << (proposal ? "warning: " : "") << problem << '\n';
    if (!proposal) {
        context.fail("no show and episodes to take for profile " + std::to_string(number));
        return std::nullopt;
    }
    const std::string text = collection::episodeCodeText(proposal->first) + "-" +
                             collection::episodeCodeText(proposal->last);
    return SeasonArguments{*show, proposal->first.season,
                           EpisodeSpan{proposal->first, proposal->last, text}, std::nullopt};
}

} // namespace ravello::cli
