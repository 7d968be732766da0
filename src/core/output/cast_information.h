// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/people_table.h"
#include "core/tmdb/credit_rows.h"

// The CastInformation document that DVD Profiler pastes from the clipboard.
namespace ravello::output {

// One Actor line of the document: the row's person named as documentPerson names them with
// `people`, TMDb's birth year (0 for an unknown one), the role with its notes made into flags.
std::string actorLine(const tmdb::CastRow& row, int birthYear,
                      const collection::PeopleTable* people = nullptr);

// Builds the document from the film title (as the data page shows it) and the cast rows in
// list order: Windows-1252 bytes, every line ending in CR LF. Each Actor line names the person
// as documentPerson does with `people` (the collection's people; none: the name split alone)
// and TMDb's birth year of the same index in `birthYears` (0 where there is none), and
// carries the role with the notes "(voice)" and "(uncredited)" made into the Voice and
// Uncredited flags (readCastRole); an empty title gives an empty Title element.
std::string buildCastInformation(std::string_view title, const std::vector<tmdb::CastRow>& rows,
                                 std::span<const int> birthYears = {},
                                 const collection::PeopleTable* people = nullptr);

} // namespace ravello::output
