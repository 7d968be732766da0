// SPDX-License-Identifier: MIT
#include "core/tmdb/batch_fetcher.h"

#include <chrono>
#include <functional>
#include <utility>

namespace ravello::tmdb {

BatchFetcher::BatchFetcher(FetcherOptions options, std::shared_ptr<RequestLimiter> limiter,
                           RequestPriority priority)
    : m_fetcher(std::move(options), std::move(limiter), priority)
{}

// A batch started inside a running one would replace the progress callback that is running.
bool BatchFetcher::fetchJson(const std::vector<Request>& requests, const BatchAnswer& answer,
                             const BatchProgress& progress)
{
    std::vector<Retrieval> retrievals;
    retrievals.reserve(requests.size());
    for (const Request& request : requests)
        retrievals.push_back({request, {}, {}});
    return fetchAll(std::move(retrievals), answer, progress);
}

bool BatchFetcher::fetchAll(std::vector<Retrieval> retrievals, const BatchAnswer& answer,
                            const BatchProgress& progress)
{
    if (m_running) {
        for (std::size_t index = 0; index < retrievals.size(); ++index) {
            FetchResult refused;
            refused.problem = FetchProblem::Busy;
            answer(index, std::move(refused));
        }
        return true;
    }
    // However the batch ends, the fetcher forgets the callback that refers to its frame.
    class Running
    {
    public:
        explicit Running(BatchFetcher& batch) : m_batch(batch) { m_batch.m_running = true; }
        ~Running()
        {
            m_batch.m_fetcher.setProgressCallback({});
            m_batch.m_running = false;
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        BatchFetcher& m_batch;
    };
    const Running running(*this);
    return fetchEach(retrievals, answer, progress);
}

// The requests go out side by side on the fetcher's connections, each as the limiter lets it
// start, while the progress callback is asked as the fetcher waits and after every answer.
bool BatchFetcher::fetchEach(std::vector<Retrieval>& retrievals, const BatchAnswer& answer,
                             const BatchProgress& progress)
{
    bool cancelled = false;
    const std::function<bool()> keepWaiting = [&] {
        cancelled = cancelled || (progress && !progress());
        return !cancelled;
    };
    m_fetcher.setProgressCallback([&](std::chrono::milliseconds) {
        return keepWaiting() ? WaitChoice::KeepWaiting : WaitChoice::Cancel;
    });
    std::vector<Retrieval> answered;
    answered.reserve(retrievals.size());
    for (std::size_t index = 0; index < retrievals.size(); ++index) {
        Retrieval& retrieval = retrievals[index];
        answered.push_back({std::move(retrieval.request), std::move(retrieval.target),
                            [&, index, ended = std::move(retrieval.ended)](FetchResult& result) {
                                if (ended)
                                    ended(result);
                                if (result.problem == FetchProblem::Cancelled)
                                    return;
                                answer(index, result);
                                keepWaiting(); // the caller counts answers as they come
                            }});
    }
    if (keepWaiting())
        m_fetcher.fetchAll(std::move(answered));
    return !cancelled;
}

} // namespace ravello::tmdb
