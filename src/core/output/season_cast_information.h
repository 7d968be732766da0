// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/collection/people_table.h"
#include "core/tmdb/show_season.h"

// The CastInformation document of a TV season's episodes, as collectors write a box set's
// discs: an episode divider, then the episode's cast, the regulars under every episode.
namespace ravello::output {

// Birth years by TMDb person; a person missing from it has the year 0.
using PersonYears = std::unordered_map<std::int32_t, int>;

// Everyone the document of the range names, each person once, in the order of their first
// line.
std::vector<const tmdb::CastMember*> seasonCastPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range);

// Builds the document for the episodes of the range: the title "Show: Season N", and for each
// episode in order its divider line (episodeCaption) and one Actor line per member of
// episodeCast, as a film's Actor lines are written. Windows-1252 bytes, every line ending in
// CR LF; a range without episodes gives an empty Actors element.
std::string buildSeasonCastInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                       const PersonYears& birthYears = {},
                                       const collection::PeopleTable* people = nullptr);

} // namespace ravello::output
