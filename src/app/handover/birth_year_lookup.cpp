// SPDX-License-Identifier: MIT
#include "app/handover/birth_year_lookup.h"

#include "app/services/tmdb_wait.h"
#include "core/tmdb/person_cache.h"

namespace ravello::app {

BirthYearLookup::BirthYearLookup(tmdb::PersonCache& people, TmdbWait& wait)
    : m_people(people), m_wait(wait)
{}

std::optional<BirthYearLookup::Years>
BirthYearLookup::yearsOf(const std::vector<std::int32_t>& people, const QString& countFormat)
{
    tmdb::BirthYears found;
    {
        const TmdbWait::Scope waiting(m_wait);
        found = m_people.birthYears(people, [&](std::size_t done, std::size_t total) {
            return m_wait.keepWaiting(QString(countFormat)
                                          .replace(QLatin1String("%1"), QString::number(done))
                                          .replace(QLatin1String("%2"), QString::number(total)));
        });
    }
    if (found.cancelled)
        return std::nullopt;
    return Years{std::move(found.years), found.failed};
}

} // namespace ravello::app
