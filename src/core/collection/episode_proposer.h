// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/disc_title.h"
#include "core/collection/episode_code.h"
#include "core/collection/episode_steps.h"
#include "core/collection/episode_table.h"

// Which episodes a disc of a box set holds, proposed from what the collection says of it and
// of its neighbours, so that the user need not pick them disc after disc.
namespace ravello::collection {

// Where a proposal came from, the surest first.
enum class EpisodeSource
{
    Profile,    // the disc's own episode dividers
    Neighbours, // the episode dividers of the other discs of its show and season
    Copied,     // the episodes the program copied for the disc or for those other discs
    Split,      // the season's episodes spread evenly over the discs: a guess
};

struct EpisodeProposal
{
    EpisodeCode first;
    EpisodeCode last; // may lie in a later season than the first
    EpisodeSource source = EpisodeSource::Profile;
    // From neighbours: the numbers of the discs it follows and goes before; nothing for a side
    // that had no say.
    std::optional<int> afterDisc;
    std::optional<int> beforeDisc;
    // A split: the season's episodes and the discs they were spread over.
    int seasonEpisodes = 0;
    int discs = 0;

    bool operator==(const EpisodeProposal&) const = default;
};

// A profile of the collection whose title names a season of a show.
struct CollectionDisc
{
    std::string profileId;
    int collectionNumber = 0;
    DiscTitle title;
};

// The profiles of title index lines whose titles are disc titles (readDiscTitle), in line
// order.
std::vector<CollectionDisc> collectionDiscs(std::span<const std::string> indexRecords);

// Proposes the episodes of the collection's discs. The discs of one season are those whose
// titles name the same season of the same show, the show compared without case or accents.
class EpisodeProposer
{
public:
    // `dividers` (the export's episode dividers) and `copied` (the program's copies) must
    // outlive the proposer.
    EpisodeProposer(std::vector<CollectionDisc> discs, const EpisodeTable& dividers,
                    const EpisodeTable& copied);

    // The disc of that profile ID; nothing when the collection has no such disc.
    const CollectionDisc* disc(std::string_view profileId) const;
    // The collection's discs, in the order given.
    const std::vector<CollectionDisc>& discs() const { return m_discs; }

    // The first and last episode of the disc, from the first rule that gives them:
    //  profile     its own episode dividers;
    //  copied      what the program copied for the disc itself;
    //  neighbours  the dividers of the nearest discs numbered before and after it: from the
    //              episode after the previous disc's last to the one before the next disc's
    //              first; with the previous disc alone, as many episodes as that disc holds
    //              (the collection's last disc of the season runs to the season's end when
    //              no more than half as many again are left); with the next disc alone, as
    //              many as it holds, ending before it (disc 1 starting at episode 1). A disc
    //              missing in between counts as holding as many as its neighbour, and of two
    //              discs sharing a neighbour's number the one nearer the disc counts. A disc
    //              numbered like the disc itself is no neighbour; when its episodes take one
    //              end of the range (the next disc numbered twice by mistake), the range keeps
    //              the rest;
    //  copied      the same as neighbours over what the program copied for the other discs;
    //  split       ceil(episodes / discs) a disc over the discs the collection holds of the
    //              season (as many as the highest disc number, if more), the last taking the
    //              rest.
    // Ranges go on across the ends of seasons whose episode counts are known (EpisodeSteps).
    // Nothing when the profile is no disc of the collection or no rule gives a range.
    std::optional<EpisodeProposal> propose(std::string_view profileId,
                                           const SeasonEpisodeCounts& counts) const;

private:
    std::optional<EpisodeProposal> fromNeighbours(std::size_t target, const EpisodeTable& table,
                                                  EpisodeSteps& steps) const;
    std::optional<EpisodeProposal> fromSplit(std::size_t target, EpisodeSteps& steps) const;
    bool isLastOfSeason(std::size_t target) const;

    std::vector<CollectionDisc> m_discs;
    const EpisodeTable& m_dividers;
    const EpisodeTable& m_copied;
    std::map<std::string, std::size_t, std::less<>> m_byId;
    // The discs of each season, by disc number, and the season each disc belongs to.
    std::vector<std::vector<std::size_t>> m_seasons;
    std::vector<std::size_t> m_seasonOf;
};

} // namespace ravello::collection
