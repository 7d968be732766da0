// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <QString>

#include "core/output/season_cast_information.h"

namespace ravello::tmdb {
class PersonCache;
} // namespace ravello::tmdb

namespace ravello::app {

class TmdbWait;

// The birth years of a document's people, for the window: asked of TMDb through the person
// cache while the wait shows a count and offers the way out.
class BirthYearLookup
{
public:
    BirthYearLookup(tmdb::PersonCache& people, TmdbWait& wait);

    struct Years
    {
        output::PersonYears years; // by person; 0 where there is none
        std::size_t failed = 0;    // people whose answer failed
    };

    // The years of the people (as a document asks for them); nothing when the user cancelled
    // the wait. `countFormat` words the count, "%1" done of "%2".
    std::optional<Years> yearsOf(const std::vector<std::int32_t>& people,
                                 const QString& countFormat);

private:
    tmdb::PersonCache& m_people;
    TmdbWait& m_wait;
};

} // namespace ravello::app
