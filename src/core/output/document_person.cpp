// SPDX-License-Identifier: MIT
#include "core/output/document_person.h"

#include <algorithm>

#include "core/text/text_normaliser.h"

namespace ravello::output {
namespace {

// The table holds the names as the import decoded them: Windows-1252, normalised.
std::span<const collection::KnownPerson> entriesFor(const collection::PeopleTable& table,
                                                    std::string_view name)
{
    std::string normalised(name);
    text::normaliseText(normalised);
    return table.find(normalised);
}

// Entries of one name that differ only in how the name is written are one person to DVD
// Profiler's user as long as they share the year.
bool hasOneYear(std::span<const collection::KnownPerson> entries)
{
    return std::all_of(entries.begin(), entries.end(), [&](const collection::KnownPerson& entry) {
        return entry.birthYear == entries.front().birthYear;
    });
}

DocumentPerson fromEntry(const collection::KnownPerson& entry, int birthYear)
{
    return {{entry.first, entry.middle, entry.last}, birthYear};
}

} // namespace

std::optional<DocumentPerson> collectionPerson(const collection::PeopleTable& table,
                                               std::string_view name, int tmdbYear)
{
    const auto entries = entriesFor(table, name);
    if (entries.empty())
        return std::nullopt;
    if (hasOneYear(entries))
        return fromEntry(entries.front(), entries.front().birthYear);
    const collection::KnownPerson* chosen = &entries.front();
    if (tmdbYear != 0) {
        const auto sameYear =
            std::find_if(entries.begin(), entries.end(), [&](const collection::KnownPerson& entry) {
                return entry.birthYear == tmdbYear;
            });
        if (sameYear != entries.end())
            chosen = &*sameYear;
    }
    return fromEntry(*chosen, tmdbYear);
}

DocumentPerson documentPerson(const collection::PeopleTable* table, std::string_view name,
                              int tmdbYear)
{
    if (table != nullptr) {
        if (std::optional<DocumentPerson> known = collectionPerson(*table, name, tmdbYear))
            return std::move(*known);
    }
    return {splitName(name), tmdbYear};
}

bool needsTmdbYear(const collection::PeopleTable* table, std::string_view name)
{
    if (table == nullptr)
        return true;
    const auto entries = entriesFor(*table, name);
    return entries.empty() || !hasOneYear(entries);
}

} // namespace ravello::output
