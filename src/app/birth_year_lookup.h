// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "core/files/program_folders.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/endpoint.h"

namespace ravello::tmdb {
class BatchFetcher;
} // namespace ravello::tmdb

namespace ravello::app {

class TmdbWait;

// The birth years of a document's people, for the window: asked of TMDb through the person
// cache while the wait shows a count and offers the way out.
class BirthYearLookup
{
public:
    explicit BirthYearLookup(files::ProgramFolders folders);
    ~BirthYearLookup();
    BirthYearLookup(const BirthYearLookup&) = delete;
    BirthYearLookup& operator=(const BirthYearLookup&) = delete;

    struct Years
    {
        std::vector<int> years; // of each row in turn, 0 where there is none
        std::size_t failed = 0; // people whose answer failed
    };

    // The years of the people of the photo list's rows; nothing when the user cancelled the
    // wait. `countFormat` words the count, "%1" done of "%2".
    std::optional<Years> yearsOf(const tmdb::Endpoint& endpoint, output::PhotoList list,
                                 const std::vector<std::string>& photoRows, TmdbWait& wait,
                                 const QString& countFormat);

private:
    files::ProgramFolders m_folders;
    // Made at the first lookup and kept, so that later lookups reuse its connections.
    std::unique_ptr<tmdb::BatchFetcher> m_fetcher;
};

} // namespace ravello::app
