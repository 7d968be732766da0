// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/tmdb/episode_group_cache.h"
#include "core/tmdb/season_cache.h"

namespace ravello::tmdb {

// Opens season `number` of the show in the order of its episode group `groupId`: the group
// (from its cache), then the TMDb seasons its episodes come from, each through the season
// cache, so that nothing cached is asked again. With `showPosterUrl` the first of them opens as
// the window opens a season, its cover becoming the grouped season's; without, only the
// credits. A number the group lacks opens the group's first season: the opening's seasonNumber
// tells which was opened. A group that cannot be had fails as the show's step.
SeasonOpening openGroupedSeason(SeasonCache& seasons, EpisodeGroupCache& groups,
                                std::int32_t showId, std::string_view groupId, int number,
                                std::optional<std::string_view> showPosterUrl);

} // namespace ravello::tmdb
