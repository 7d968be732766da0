// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/collection/people_table.h"
#include "core/output/crew_credit_mapping.h"
#include "core/output/crew_information.h"
#include "core/output/season_cast_information.h"
#include "core/tmdb/show_season.h"

// The CrewInformation document of a TV season's episodes: an episode divider, then the
// episode's crew, mapped as a film's.
namespace ravello::output {

struct SeasonCrewOptions
{
    CrewGroups groups;
    // Every credit the mapping keeps; otherwise only what collectors keep for a series.
    bool fullCrew = false;
};

// What collectors keep of a series episode's crew: Direction and Writing credits and the
// Music credit whose subtype is Composer.
bool keptForSeries(const CrewCredit& credit);

// Everyone the document of the range names, each person once, in the order of their first
// line.
std::vector<const tmdb::CrewMember*> seasonCrewPeople(std::span<const SeasonPart> parts,
                                                      const CrewMapping& mapping,
                                                      const SeasonCrewOptions& options);
std::vector<const tmdb::CrewMember*> seasonCrewPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range,
                                                      const CrewMapping& mapping,
                                                      const SeasonCrewOptions& options);

// Builds the document for the episodes of the parts: the title (seasonPartsTitle), and for
// each episode in order its divider line and the Credit lines of episodeCrew, each mapped by
// `mapping` (the group boxes apply) and, without fullCrew, kept only when keptForSeries; within
// an episode a line equal to one already written is left out. The counts and left-out pairs
// are those of the credits without a line; repeated lines count as neither.
CrewDocument buildSeasonCrewInformation(std::span<const SeasonPart> parts,
                                        const CrewMapping& mapping,
                                        const SeasonCrewOptions& options,
                                        const PersonYears& birthYears = {},
                                        const collection::PeopleTable* people = nullptr);
CrewDocument buildSeasonCrewInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                        const CrewMapping& mapping,
                                        const SeasonCrewOptions& options,
                                        const PersonYears& birthYears = {},
                                        const collection::PeopleTable* people = nullptr);

} // namespace ravello::output
