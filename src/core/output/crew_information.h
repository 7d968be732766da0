// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/people_table.h"
#include "core/output/crew_credit_mapping.h"
#include "core/tmdb/credit_rows.h"

// The CrewInformation document that DVD Profiler pastes from the clipboard.
namespace ravello::output {

// A department and job as TMDb gave them.
struct CreditPair
{
    std::string department;
    std::string job;

    bool operator==(const CreditPair&) const = default;
};

// The document and what went into it: every crew row is either included (a principal or
// custom credit) or left out (unmapped, or excluded by a group box).
struct CrewDocument
{
    std::string text;
    std::size_t included = 0;
    std::size_t leftOut = 0;
    // Each department and job pair of the left-out rows once, in the order of the rows.
    std::vector<CreditPair> leftOutPairs;
};

// One Credit line of the document for a principal or custom credit: the row's person named as
// documentPerson names them with `people`, the credit's type, subtype and (custom) role, TMDb's
// birth year (0 for an unknown one).
std::string creditLine(const tmdb::CrewRow& row, const CrewCredit& credit, int birthYear,
                       const collection::PeopleTable* people = nullptr);

// True for a principal or custom credit: those have a line.
bool hasLine(const CrewCredit& credit);

// Counts a crew row that has no line in the document, and its department and job pair once.
void countLeftOut(const tmdb::CrewRow& row, CrewDocument& document);

// Builds the document from the film title (as the data page shows it; an empty title is
// written as "Ciao") and the crew rows in list order, each mapped by `mapping`: one Credit
// line per principal or custom credit, naming the person as documentPerson does with `people`
// (the collection's people; none: the name split alone) and TMDb's birth year of the same
// index in `birthYears` (0 where there is none). Windows-1252 bytes, every line ending in
// CR LF.
CrewDocument buildCrewInformation(std::string_view title, const std::vector<tmdb::CrewRow>& rows,
                                  const CrewMapping& mapping, const CrewGroups& groups,
                                  std::span<const int> birthYears = {},
                                  const collection::PeopleTable* people = nullptr);

} // namespace ravello::output
