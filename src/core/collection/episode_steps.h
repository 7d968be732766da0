// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/collection/episode_code.h"

namespace ravello::collection {

// How many episodes a season has, when known (TMDb's count); nothing when it is not. May be
// slow (a request): it is asked only for the seasons whose end matters.
using SeasonEpisodeCounts = std::function<std::optional<int>(int season)>;

// Counts episodes forward and back from a code for one disc of a box set, across the ends of
// seasons. A disc titled "Season 3" mostly holds season 3, whose episodes simply go on: its end
// is asked for only when told it matters (the collection's last disc of that season). Volumes
// that do not follow TMDb's seasons hold episodes of other seasons, whose ends are asked for
// whenever a count reaches them. Each season is asked for once.
class EpisodeSteps
{
public:
    // `counts` must outlive the steps.
    EpisodeSteps(const SeasonEpisodeCounts& counts, int discSeason, bool discSeasonEndMatters);

    // The episode `steps` episodes after `code`: past the end of a season whose count is known
    // (and asked for), the next season's.
    EpisodeCode forward(EpisodeCode code, int steps);
    // The episode `steps` episodes before `code`; nothing when that lies before the disc's own
    // season or in a season whose count is not known.
    std::optional<EpisodeCode> back(EpisodeCode code, int steps);

    // The season's episode count (asked once).
    std::optional<int> episodes(int season);

private:
    bool mayAsk(int season) const;

    const SeasonEpisodeCounts& m_counts;
    int m_discSeason;
    bool m_discSeasonEndMatters;
    std::vector<std::pair<int, std::optional<int>>> m_asked;
};

} // namespace ravello::collection
