// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/tv_season.h"

// A TV show as TMDb answers /3/tv/{id}: its names, first-air date, creators and the list of
// its seasons. Texts are UTF-8 as TMDb sent them, not yet normalised.
namespace ravello::tmdb {

// One season of the show's list, for a chooser such as "Season 1 (7 episodes)".
struct SeasonEntry
{
    int number = 0; // 0 is the specials
    int episodeCount = 0;
    std::string name;
    std::string posterPath; // empty when the season has no poster

    bool operator==(const SeasonEntry&) const = default;
};

struct TvShow
{
    std::int32_t id = 0;
    std::string name;
    std::string originalName;
    std::string firstAirDate; // "2009-03-09", or empty
    std::string overview;
    std::string posterPath;           // empty when the show has no poster
    std::vector<CrewMember> creators; // created_by, as department Writing, job Creator
    std::vector<SeasonEntry> seasons; // by season number, the specials first

    // The season of the list with this number; nothing when the show has none.
    const SeasonEntry* seasonEntry(int number) const;
};

// The show of a details document; nothing when the text is not one (not JSON, an error
// document, no numeric "id" or no "seasons" array).
std::optional<TvShow> readTvShow(std::string_view document);

} // namespace ravello::tmdb
