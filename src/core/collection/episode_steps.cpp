// SPDX-License-Identifier: MIT
#include "core/collection/episode_steps.h"

#include <algorithm>

namespace ravello::collection {

EpisodeSteps::EpisodeSteps(const SeasonEpisodeCounts& counts, int discSeason,
                           bool discSeasonEndMatters)
    : m_counts(counts), m_discSeason(discSeason), m_discSeasonEndMatters(discSeasonEndMatters)
{}

std::optional<int> EpisodeSteps::episodes(int season)
{
    const auto known = std::find_if(m_asked.begin(), m_asked.end(),
                                    [season](const auto& asked) { return asked.first == season; });
    if (known != m_asked.end())
        return known->second;
    const std::optional<int> count = m_counts ? m_counts(season) : std::nullopt;
    m_asked.emplace_back(season, count);
    return count;
}

bool EpisodeSteps::mayAsk(int season) const
{
    return season != m_discSeason || m_discSeasonEndMatters;
}

EpisodeCode EpisodeSteps::forward(EpisodeCode code, int steps)
{
    while (steps > 0) {
        const std::optional<int> count = mayAsk(code.season) ? episodes(code.season) : std::nullopt;
        const int left = count && *count > 0 ? std::max(*count - code.episode, 0) : steps;
        if (steps <= left) {
            code.episode += steps;
            break;
        }
        steps -= left + 1;
        code = {code.season + 1, 1};
    }
    return code;
}

std::optional<EpisodeCode> EpisodeSteps::back(EpisodeCode code, int steps)
{
    while (steps > 0) {
        if (steps < code.episode) {
            code.episode -= steps;
            break;
        }
        if (code.season == m_discSeason || code.season == 0 || code.episode < 1)
            return std::nullopt;
        const std::optional<int> count = episodes(code.season - 1);
        if (!count || *count < 1)
            return std::nullopt;
        steps -= code.episode;
        code = {code.season - 1, *count};
    }
    return code;
}

} // namespace ravello::collection
