// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "core/collection/episode_proposer.h"
#include "core/tmdb/show_season.h"

namespace ravello::tmdb {
class SeasonCache;
} // namespace ravello::tmdb

// A disc's proposed episodes while the window opens its season.
namespace ravello::app {

class InterfaceLanguage;
class TmdbWait;

// The episode counts of the seasons of the show opened, as a proposal asks them: the season
// opened, else the season cache, else TMDb within the wait. A season that could not be had
// (or whose wait the user ended) is not known: the proposal goes without it.
class OpenedShowEpisodeCounts
{
public:
    // `opened` must outlive the counts.
    OpenedShowEpisodeCounts(tmdb::SeasonCache& seasons, TmdbWait& wait,
                            const tmdb::ShowSeason& opened);

    std::optional<int> episodes(int season);

private:
    tmdb::SeasonCache& m_seasons;
    TmdbWait& m_wait;
    const tmdb::ShowSeason& m_opened;
};

// The part of a proposal that lies in the season opened.
struct ProposedRange
{
    std::optional<tmdb::EpisodeRange> range; // nothing when no episode of it lies there
    bool otherSeasons = false;               // it runs into (or lies in) another season
};
ProposedRange proposedRangeIn(const collection::EpisodeProposal& proposal,
                              const tmdb::ShowSeason& opened);

// The status line: the proposal's episodes and where they came from, in the interface
// language, and when it runs into another season, that only the opened season's are shown.
QString proposalText(const collection::EpisodeProposal& proposal, bool otherSeasons,
                     int openedSeason, const InterfaceLanguage& language);

} // namespace ravello::app
