// SPDX-License-Identifier: MIT
#include "app/handover/birth_year_lookup.h"

#include "app/services/tmdb_wait.h"
#include "core/output/document_person.h"
#include "core/tmdb/person_cache.h"

namespace ravello::app {

BirthYearLookup::BirthYearLookup(tmdb::PersonCache& people, TmdbWait& wait)
    : m_people(people), m_wait(wait)
{}

std::optional<BirthYearLookup::Years>
BirthYearLookup::yearsOf(output::PhotoList list, const std::vector<std::string>& photoRows,
                         const collection::PeopleTable& table, const QString& countFormat)
{
    const std::vector<std::int32_t> asked = output::peopleNeedingYears(list, photoRows, &table);
    tmdb::BirthYears found;
    {
        const TmdbWait::Scope waiting(m_wait);
        found = m_people.birthYears(asked, [&](std::size_t done, std::size_t total) {
            return m_wait.keepWaiting(QString(countFormat)
                                          .replace(QLatin1String("%1"), QString::number(done))
                                          .replace(QLatin1String("%2"), QString::number(total)));
        });
    }
    if (found.cancelled)
        return std::nullopt;
    return Years{found.yearsOf(output::personNumbersOf(list, photoRows)), found.failed};
}

} // namespace ravello::app
