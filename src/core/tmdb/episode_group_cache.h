// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/episode_groups.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"

namespace ravello::tmdb {

// What a retrieval of the cache gave: the value, or the failed fetch (a value that arrived but
// could not be stored comes with its FetchProblem::File).
template <typename Value> struct GroupFetch
{
    std::optional<Value> value;
    std::optional<FetchResult> failure;
};

// A show's episode groups and the groups themselves, each fetched once and kept for ever, as
// the seasons are, in buckets of show identifier / 1000:
//   DB/TV/Groups/%04d/groups_%07d.txt        the show's list of groups
//   DB/TV/Groups/%04d/group_%07d_ID.txt      one group, ID being TMDb's
// The files hold the token lines of TMDb's answers; an answer that is not one is not stored.
class EpisodeGroupCache
{
public:
    EpisodeGroupCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher);

    std::filesystem::path groupsFile(std::int32_t showId) const;
    std::filesystem::path groupFile(std::int32_t showId, std::string_view groupId) const;

    // The show's groups of the DVD type, in TMDb's order.
    GroupFetch<std::vector<EpisodeGroupEntry>> dvdGroups(std::int32_t showId);
    // One group of the show; a `groupId` that is no group identifier gives TMDb's not-found.
    GroupFetch<EpisodeGroup> group(std::int32_t showId, std::string_view groupId);

private:
    files::ProgramFolders m_folders;
    const Endpoint& m_endpoint;
    Fetcher& m_fetcher;
};

} // namespace ravello::tmdb
