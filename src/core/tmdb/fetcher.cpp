// SPDX-License-Identifier: MIT
#include "core/tmdb/fetcher.h"

#include "core/tmdb/transfer_batch.h"

namespace ravello::tmdb {

Fetcher::Fetcher(FetcherOptions options)
    : m_options(std::move(options)), m_connections(std::make_unique<Connections>())
{}

Fetcher::~Fetcher() = default;

std::vector<FetchResult> Fetcher::fetchAll(std::vector<Retrieval> retrievals)
{
    return runBatch(*m_connections, retrievals, m_options, m_progress);
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
