// SPDX-License-Identifier: MIT
#include "core/tmdb/episode_group_cache.h"

#include "core/tmdb/cache_files.h"
#include "core/tmdb/episode_group_documents.h"
#include "core/tmdb/tmdb_number.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

// A document that arrived but is not what was asked for is no usable answer.
FetchResult notWanted(FetchResult result)
{
    result.problem = FetchProblem::NotJson;
    return result;
}

template <typename Value, typename Read>
GroupFetch<Value> readFetched(GroupFetch<std::string> fetched, Read read)
{
    GroupFetch<Value> answer{std::nullopt, std::move(fetched.failure)};
    if (fetched.value)
        answer.value = read(*fetched.value);
    return answer;
}

// The cached document, else the answer to the request, stored when it is one.
GroupFetch<std::string> document(Fetcher& fetcher, const fs::path& file, const Request& request,
                                 DocumentCheck isWanted)
{
    if (auto cached = cachedDocument(file, isWanted))
        return {std::move(cached), std::nullopt};
    FetchResult result = fetcher.fetchJson(request);
    storeDocument(withFolder(file), result, isWanted);
    const auto parsed = json::parse(result.body);
    const bool wanted = parsed && isWanted(*parsed);
    if (result.problem == FetchProblem::File)
        return {wanted ? std::optional(result.body) : std::nullopt, std::move(result)};
    if (!result.ok())
        return {std::nullopt, std::move(result)};
    if (!wanted)
        return {std::nullopt, notWanted(std::move(result))};
    return {std::move(result.body), std::nullopt};
}

} // namespace

EpisodeGroupCache::EpisodeGroupCache(files::ProgramFolders folders, const Endpoint& endpoint,
                                     Fetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

fs::path EpisodeGroupCache::groupsFile(std::int32_t showId) const
{
    return m_folders.tvGroupsFolder() / bucketName(showId) /
           ("groups_" + sevenDigits(showId) + ".txt");
}

fs::path EpisodeGroupCache::groupFile(std::int32_t showId, std::string_view groupId) const
{
    return m_folders.tvGroupsFolder() / bucketName(showId) /
           ("group_" + sevenDigits(showId) + "_" + std::string(groupId) + ".txt");
}

GroupFetch<std::vector<EpisodeGroupEntry>> EpisodeGroupCache::dvdGroups(std::int32_t showId)
{
    auto fetched = readFetched<std::vector<EpisodeGroupEntry>>(
        document(m_fetcher, groupsFile(showId), m_endpoint.episodeGroupsRequest(showId),
                 isEpisodeGroupsDocument),
        readEpisodeGroups);
    if (fetched.value)
        std::erase_if(*fetched.value,
                      [](const EpisodeGroupEntry& entry) { return !entry.isDvd(); });
    return fetched;
}

GroupFetch<EpisodeGroup> EpisodeGroupCache::group(std::int32_t showId, std::string_view groupId)
{
    if (!isEpisodeGroupId(groupId)) {
        FetchResult notFound;
        notFound.problem = FetchProblem::HttpStatus;
        notFound.httpStatus = 404;
        return {std::nullopt, std::move(notFound)};
    }
    return readFetched<EpisodeGroup>(document(m_fetcher, groupFile(showId, groupId),
                                              m_endpoint.episodeGroupRequest(groupId),
                                              isEpisodeGroupDocument),
                                     readEpisodeGroup);
}

} // namespace ravello::tmdb
