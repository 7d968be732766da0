// SPDX-License-Identifier: MIT
#include "core/tmdb/fetcher.h"

#include "core/tmdb/transfer_batch.h"

namespace ravello::tmdb {
namespace {

// Ends every retrieval at once with FetchProblem::Busy, telling each as it ends.
std::vector<FetchResult> refuse(std::vector<Retrieval>& retrievals)
{
    std::vector<FetchResult> results(retrievals.size());
    for (std::size_t index = 0; index < retrievals.size(); ++index) {
        results[index].problem = FetchProblem::Busy;
        if (retrievals[index].ended)
            retrievals[index].ended(results[index]);
    }
    return results;
}

// Marks a fetcher as running for as long as a batch lasts, whatever way it ends.
class RunningMark
{
public:
    explicit RunningMark(bool& running) : m_running(running) { m_running = true; }
    ~RunningMark() { m_running = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    bool& m_running;
};

} // namespace

Fetcher::Fetcher(FetcherOptions options, std::shared_ptr<RequestLimiter> limiter,
                 RequestPriority priority)
    : m_options(std::move(options)),
      m_limiter(limiter ? std::move(limiter) : std::make_shared<RequestLimiter>()),
      m_priority(priority), m_connections(std::make_unique<Connections>())
{}

Fetcher::~Fetcher() = default;

std::vector<FetchResult> Fetcher::fetchAll(std::vector<Retrieval> retrievals)
{
    // A batch started from the progress callback or from a retrieval's `ended` would take the
    // running batch's messages from the shared multi handle, and that batch would never end.
    if (m_running)
        return refuse(retrievals);
    const RunningMark running(m_running);
    return runBatch(*m_connections, retrievals, {m_options, *m_limiter, m_priority}, m_progress);
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
