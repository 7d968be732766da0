// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/fingerprint_set.h"

namespace ravello::collection {

// Gathers the people of a DVD Profiler export from its cast and crew lines, one element a
// line: <Actor .../> and <Credit .../> with the attributes FirstName, MiddleName, LastName and
// BirthYear. Each distinct person (the three parts and the year) is written once, in the
// order first met, as a line of the people table (see appendPeopleLine).
class PeopleReader
{
public:
    explicit PeopleReader(std::ostream& table);

    // Takes the next lines that hold an <Actor or <Credit element (kMarkActor, kMarkCredit),
    // in order. Values are decoded as the import decodes its other values (the text
    // normaliser); a missing part is empty, a missing year 0. A line with no name, a value
    // without its closing quote or a year that is no number of up to four digits gives
    // nobody.
    void readLines(std::span<const std::string_view> lines);

    int peopleCount() const { return static_cast<int>(m_people.size()); }
    // Cast and crew lines that gave nobody.
    int damaged() const { return m_damaged; }

private:
    struct Waiting
    {
        std::string_view line;
        bool canonical = false; // the attributes are written as DVD Profiler writes them
        Fingerprint attributes; // of those attributes as written
    };

    void settle(const Waiting& waiting);
    bool readParts(std::string_view line);

    std::ostream& m_table;
    FingerprintSet m_people;     // the table lines written so far
    FingerprintSet m_attributes; // the attributes, as written, of the lines that gave them
    // Lines read ahead: enough for their slots to come from memory while the others are
    // settled, few enough that the slots are still in the cache when their turn comes.
    static constexpr std::size_t kAhead = 16;
    std::array<Waiting, kAhead> m_waiting;
    std::string m_parts[3]; // first, middle and last name of the line read
    int m_year = 0;
    std::string m_written; // the table lines of the lines being read, written at their end
    int m_damaged = 0;
};

} // namespace ravello::collection
