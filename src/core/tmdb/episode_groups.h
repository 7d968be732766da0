// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// TMDb's episode groups: other orders of a show's episodes than its air-date seasons, as
// /3/tv/{id}/episode_groups lists them and /3/tv/episode_group/{id} gives one. Texts are UTF-8
// as TMDb sent them, not yet normalised.
namespace ravello::tmdb {

// The kinds of group TMDb knows; collectors' box sets follow the DVD order.
enum class EpisodeGroupType
{
    OriginalAirDate = 1,
    Absolute = 2,
    Dvd = 3,
    Digital = 4,
    StoryArc = 5,
    Production = 6,
    Tv = 7,
};

// One group of a show's list.
struct EpisodeGroupEntry
{
    std::string id; // TMDb's, such as "5acf93e60e0a26346d0000ce"
    std::string name;
    int type = 0;
    int groupCount = 0;
    int episodeCount = 0;

    bool isDvd() const { return type == static_cast<int>(EpisodeGroupType::Dvd); }
    bool operator==(const EpisodeGroupEntry&) const = default;
};

// One episode of a group: the TMDb episode it is, and its place in the group.
struct GroupedEpisode
{
    int seasonNumber = 0;
    int episodeNumber = 0;
    std::optional<int> order; // 0-based; missing on some entries
    std::string name;

    bool operator==(const GroupedEpisode&) const = default;
};

// A group of the episode group's, such as "Volume 2": a season of the DVD order.
struct EpisodeGroupPart
{
    std::string name;
    std::optional<int> order;
    std::vector<GroupedEpisode> episodes; // as TMDb listed them
};

struct EpisodeGroup
{
    std::string id;
    std::string name;
    int type = 0;
    std::vector<EpisodeGroupPart> parts; // as TMDb listed them
};

// TMDb's group identifiers are letters and digits; anything else is refused before it reaches
// a URL or a file name.
bool isEpisodeGroupId(std::string_view text);

// The groups of the list, in TMDb's order; those without a usable identifier are passed over.
// Nothing when the text is not such a list.
std::optional<std::vector<EpisodeGroupEntry>> readEpisodeGroups(std::string_view document);

// The group of a group document; episodes that do not name a TMDb season and episode are
// passed over. Nothing when the text is not one.
std::optional<EpisodeGroup> readEpisodeGroup(std::string_view document);

} // namespace ravello::tmdb
