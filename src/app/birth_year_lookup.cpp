// SPDX-License-Identifier: MIT
#include "app/birth_year_lookup.h"

#include "app/tmdb_wait.h"
#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/person_cache.h"

namespace ravello::app {

BirthYearLookup::BirthYearLookup(files::ProgramFolders folders) : m_folders(std::move(folders)) {}

BirthYearLookup::~BirthYearLookup() = default;

std::optional<BirthYearLookup::Years>
BirthYearLookup::yearsOf(const tmdb::Endpoint& endpoint, output::PhotoList list,
                         const std::vector<std::string>& photoRows, TmdbWait& wait,
                         const QString& countFormat)
{
    if (!m_fetcher)
        m_fetcher = std::make_unique<tmdb::BatchFetcher>();
    tmdb::PersonCache cache(m_folders, endpoint, *m_fetcher);
    const std::vector<std::int32_t> people = output::personNumbersOf(list, photoRows);
    tmdb::BirthYears found;
    {
        const TmdbWait::Scope waiting(wait);
        found = cache.birthYears(people, [&](std::size_t done, std::size_t total) {
            return wait.keepWaiting(QString(countFormat)
                                        .replace(QLatin1String("%1"), QString::number(done))
                                        .replace(QLatin1String("%2"), QString::number(total)));
        });
    }
    if (found.cancelled)
        return std::nullopt;
    return Years{found.yearsOf(people), found.failed};
}

} // namespace ravello::app
