// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "core/collection/index_record.h"
#include "core/tmdb/prefetcher.h"

namespace ravello::cli {

// Collection numbers from `from` to `to`, both included.
struct ProfileRange
{
    int from = 1;
    int to = collection::kHighestCollectionNumber;
};

// A profile of the title index as the prefetch prepares it, with its title as the index has
// it (Windows-1252).
struct ProfileEntry
{
    tmdb::PrefetchProfile profile;
    std::string title;
};

// The profiles of the title index whose numbers lie in the range, by number and occurrence.
// Nothing, with a message written, when there is no title index to read.
std::optional<std::vector<ProfileEntry>> profilesInRange(const CliContext& context,
                                                         const ProfileRange& range);

} // namespace ravello::cli
