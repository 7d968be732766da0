// SPDX-License-Identifier: MIT
#include "core/tmdb/fetcher.h"

#include <cassert>

#include "core/tmdb/transfer_batch.h"

namespace ravello::tmdb {

Fetcher::Fetcher(FetcherOptions options)
    : m_options(std::move(options)), m_connections(std::make_unique<Connections>())
{}

Fetcher::~Fetcher() = default;

std::vector<FetchResult> Fetcher::fetchAll(std::vector<Retrieval> retrievals)
{
    // A batch started from the progress callback would take the running batch's messages from
    // the shared multi handle, and that batch would never end.
    assert(!m_running);
    m_running = true;
    std::vector<FetchResult> results = runBatch(*m_connections, retrievals, m_options, m_progress);
    m_running = false;
    return results;
}

FetchResult Fetcher::fetchJson(const Request& request)
{
    std::vector<Retrieval> one;
    one.push_back({request, {}, {}});
    return std::move(fetchAll(std::move(one)).front());
}

FetchResult Fetcher::downloadToFile(const Request& request, const std::filesystem::path& target)
{
    std::vector<Retrieval> one;
    one.push_back({request, target, {}});
    return std::move(fetchAll(std::move(one)).front());
}

} // namespace ravello::tmdb
