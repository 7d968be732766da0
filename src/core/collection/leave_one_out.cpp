// SPDX-License-Identifier: MIT
#include "core/collection/leave_one_out.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "core/collection/episode_proposer.h"
#include "core/text/text_folding.h"

namespace ravello::collection {
namespace {

std::string showKey(const DiscTitle& title)
{
    std::string key;
    text::appendFolded(key, title.show);
    return key;
}

// The highest episode of each season of each show that the discs' dividers name.
using SeasonEnds = std::map<std::pair<std::string, int>, int>;

SeasonEnds seasonEnds(const std::vector<CollectionDisc>& discs, const EpisodeTable& dividers)
{
    SeasonEnds ends;
    for (const CollectionDisc& disc : discs) {
        const std::string show = showKey(disc.title);
        for (const EpisodeCode code : dividers.find(disc.profileId)) {
            int& end = ends[{show, code.season}];
            end = std::max(end, code.episode);
        }
    }
    return ends;
}

bool isExact(const std::optional<EpisodeProposal>& proposal, std::span<const EpisodeCode> codes)
{
    return proposal && proposal->first == codes.front() && proposal->last == codes.back();
}

double percentOf(int part, int whole)
{
    return whole == 0 ? 100.0 : 100.0 * part / whole;
}

} // namespace

double LeaveOneOutCounts::fromTheRestPercent() const
{
    return percentOf(fromTheRest, discs);
}

double LeaveOneOutCounts::fromProfilePercent() const
{
    return percentOf(fromProfile, discs);
}

// One proposer over a copy of the dividers, which it holds by reference: each disc's dividers
// are taken out of the copy for its proposal and put back after it.
LeaveOneOutCounts measureLeaveOneOut(std::span<const std::string> indexRecords,
                                     const EpisodeTable& dividers)
{
    std::vector<CollectionDisc> discs = collectionDiscs(indexRecords);
    const SeasonEnds ends = seasonEnds(discs, dividers);
    EpisodeTable rest = dividers;
    const EpisodeTable nothingCopied;
    const EpisodeProposer proposer(discs, rest, nothingCopied);
    LeaveOneOutCounts counts;
    for (const CollectionDisc& disc : discs) {
        const std::span<const EpisodeCode> own = dividers.find(disc.profileId);
        if (own.empty())
            continue;
        const std::string show = showKey(disc.title);
        const SeasonEpisodeCounts seasonCounts = [&](int season) -> std::optional<int> {
            const auto end = ends.find({show, season});
            return end == ends.end() ? std::nullopt : std::optional<int>(end->second);
        };
        ++counts.discs;
        const std::optional<EpisodeProposal> kept = proposer.propose(disc.profileId, seasonCounts);
        if (isExact(kept, own) && kept->source == EpisodeSource::Profile)
            ++counts.fromProfile;
        const std::vector<EpisodeCode> codes(own.begin(), own.end());
        rest.set(disc.profileId, {});
        if (isExact(proposer.propose(disc.profileId, seasonCounts), codes))
            ++counts.fromTheRest;
        rest.set(disc.profileId, codes);
    }
    return counts;
}

} // namespace ravello::collection
