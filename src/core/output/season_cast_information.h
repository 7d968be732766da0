// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
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

using tmdb::SeasonPart;

// The documents' title: "Show: Season N" for one season (seasonTitle), "Show: Seasons N-M"
// for a range over several, from the first part's season to the last's; UTF-8 as TMDb sent
// the name. The parts must not be empty.
std::string seasonPartsTitle(std::span<const SeasonPart> parts);

// Everyone the document of the range names, each person once, in the order of their first
// line.
std::vector<const tmdb::CastMember*> seasonCastPeople(std::span<const SeasonPart> parts);
std::vector<const tmdb::CastMember*> seasonCastPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range);

// Builds the document for the episodes of the parts: the title (seasonPartsTitle), and for
// each episode in order its divider line (episodeCaption, with its own season) and one Actor
// line per member of episodeCast, as a film's Actor lines are written. Windows-1252 bytes,
// every line ending in CR LF; a range without episodes gives an empty Actors element.
std::string buildSeasonCastInformation(std::span<const SeasonPart> parts,
                                       const PersonYears& birthYears = {},
                                       const collection::PeopleTable* people = nullptr);
std::string buildSeasonCastInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                       const PersonYears& birthYears = {},
                                       const collection::PeopleTable* people = nullptr);

} // namespace ravello::output
