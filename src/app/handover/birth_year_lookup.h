// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "core/output/photo_cache.h"

namespace ravello::collection {
class PeopleTable;
} // namespace ravello::collection

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
        std::vector<int> years; // of each row in turn, 0 where there is none
        std::size_t failed = 0; // people whose answer failed
    };

    // The years of the people of the photo list's rows; nothing when the user cancelled the
    // wait. Only the people whose year the collection's table does not settle are asked; the
    // others' rows get 0, as the documents write the table's year for them. `countFormat` words the
    // count, "%1" done of "%2".
    std::optional<Years> yearsOf(output::PhotoList list, const std::vector<std::string>& photoRows,
                                 const collection::PeopleTable& table, const QString& countFormat);

private:
    tmdb::PersonCache& m_people;
    TmdbWait& m_wait;
};

} // namespace ravello::app
