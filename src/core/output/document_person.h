// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/collection/people_table.h"
#include "core/output/split_name.h"

// How the documents name a person: as the user's collection knows them when it does, so that
// DVD Profiler links the person to the one it has, else by the name split as users split it.
namespace ravello::output {

struct DocumentPerson
{
    PersonName name;
    int birthYear = 0; // 0: unknown

    bool operator==(const DocumentPerson&) const = default;
};

// The collection's person for a TMDb name (as retrieved, before normalising), or nothing when
// the table does not know the name. A name the table holds with a single year (0 included)
// gives its first entry's parts and that year, whatever `tmdbYear` says; a name it holds with
// several years gives the entry of `tmdbYear`, else the first entry's parts with `tmdbYear`.
// A `tmdbYear` of 0 is unknown.
std::optional<DocumentPerson> collectionPerson(const collection::PeopleTable& table,
                                               std::string_view name, int tmdbYear = 0);

// What a document writes for the TMDb name: the collection's person, else splitName of the
// name with `tmdbYear`. Without a table, the split alone.
DocumentPerson documentPerson(const collection::PeopleTable* table, std::string_view name,
                              int tmdbYear);

// True when the birth year of the TMDb name must come from TMDb: the table does not know the
// name, or knows it with several years.
bool needsTmdbYear(const collection::PeopleTable* table, std::string_view name);

} // namespace ravello::output
