// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>

namespace ravello::collection {

// Gathers the people of a DVD Profiler export from its cast and crew lines, one element a
// line: <Actor .../> and <Credit .../> with the attributes FirstName, MiddleName, LastName and
// BirthYear. Each distinct person (the three parts and the year) is written once, in the
// order first met, as a line of the people table (see appendPeopleLine).
class PeopleReader
{
public:
    explicit PeopleReader(std::ostream& table);

    // Takes a line that holds an <Actor or <Credit element (kMarkActor, kMarkCredit). Values
    // are decoded as the import decodes its other values (the text normaliser); a missing
    // part is empty, a missing year 0. A line with no name, a value without its closing
    // quote or a year that is no number of up to four digits gives nobody.
    void readLine(std::string_view line);

    int peopleCount() const { return static_cast<int>(m_seen.size()); }
    // Cast and crew lines that gave nobody.
    int damaged() const { return m_damaged; }

private:
    bool readParts(std::string_view line);

    std::ostream& m_table;
    std::unordered_set<std::string> m_seen; // the table lines written so far
    std::string m_parts[3];                 // first, middle and last name of the line read
    int m_year = 0;
    std::string m_line;
    int m_damaged = 0;
};

} // namespace ravello::collection
