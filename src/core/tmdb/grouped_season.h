// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "core/tmdb/episode_groups.h"
#include "core/tmdb/show_season.h"

// A show's seasons as an episode group orders them: each group of it a season, numbered by its
// `order` (order 0 being the specials, as TMDb numbers its own), its episodes numbered from 1
// in the group's order. The episodes' content is that of the TMDb seasons they come from.
namespace ravello::tmdb {

struct GroupSeason
{
    int number = 0;
    const EpisodeGroupPart* part = nullptr;
    std::vector<const GroupedEpisode*> episodes; // in the group's order
};

// The group's seasons by number. A group without an order, or with one already taken, follows
// the one before it; groups without episodes are left out. Episodes without an order follow
// those with one, as TMDb listed them.
std::vector<GroupSeason> groupSeasons(const EpisodeGroup& group);

// How many episodes the group's season `number` holds, its last episode's number too; nothing
// when the group has no such season.
std::optional<int> groupedEpisodeCount(const EpisodeGroup& group, int number);

// The TMDb seasons the episodes of a grouped season come from, each once, in the group's order.
std::vector<int> sourceSeasons(const GroupSeason& season);

// The show with the group's seasons in place of TMDb's, for the season choosers.
TvShow groupedShow(TvShow show, const EpisodeGroup& group);

// The grouped season: its episodes with the names and credits of the TMDb seasons they come
// from (`sources`, by season number), the regulars and crew of those seasons each once. An
// episode its season lacks keeps the group's name for it and has no credits.
TvSeason groupedSeason(const GroupSeason& season, const std::map<int, TvSeason>& sources);

} // namespace ravello::tmdb
