// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The people of the user's collection as DVD Profiler keeps them: the import writes them from
// the cast and crew of the export, the documents name people by them.
namespace ravello::collection {

// One person of the collection: the parts of the name and the birth year (0 when DVD Profiler
// has none), Windows-1252.
struct KnownPerson
{
    std::string first;
    std::string middle;
    std::string last;
    int birthYear = 0;

    bool operator==(const KnownPerson&) const = default;
};

// The people table file holds one person a line, CR LF ended, Windows-1252:
//   FirstName TAB MiddleName TAB LastName TAB BirthYear
// with the year in decimal. Control characters of the parts are written as spaces.
void appendPeopleLine(std::string& out, std::string_view first, std::string_view middle,
                      std::string_view last, int birthYear);

// A birth year as the export and the file write it: one to four decimal digits.
std::optional<int> readBirthYear(std::string_view digits);

// A line of the file (with or without its line end); nothing when it is not four fields with a
// year of one to four digits.
std::optional<KnownPerson> readPeopleLine(std::string_view line);

// The key under which a name is looked up: its words joined by one space, folded without case
// and accents: "Jose Garcia" has the key of the same name written with its accents.
std::string peopleKey(std::string_view name);

// The people of the collection, looked up by name.
class PeopleTable
{
public:
    PeopleTable() = default;
    // The people in table order; the same person may be given more than once.
    explicit PeopleTable(std::vector<KnownPerson> people);

    // The table the import wrote. A missing or unreadable file gives an empty table; lines
    // that readPeopleLine does not take are passed over.
    static PeopleTable load(const std::filesystem::path& file);

    std::size_t size() const { return m_people.size(); }
    bool empty() const { return m_people.empty(); }

    // The people whose parts, joined by spaces, have the key of `name` (Windows-1252), in
    // table order; none when the table does not know the name.
    std::span<const KnownPerson> find(std::string_view name) const;

private:
    // Grouped by key, the groups in key order, each group in table order.
    std::vector<KnownPerson> m_people;
};

} // namespace ravello::collection
