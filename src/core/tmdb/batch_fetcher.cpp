// SPDX-License-Identifier: MIT
#include "core/tmdb/batch_fetcher.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <thread>

namespace ravello::tmdb {
namespace {

using namespace std::chrono;
using Clock = steady_clock;

// The start times of the last requests: no more than `perSecond` of them in any one second.
class StartWindow
{
public:
    StartWindow(std::size_t perSecond, std::deque<Clock::time_point>& starts)
        : m_perSecond(std::max<std::size_t>(perSecond, 1)), m_starts(starts)
    {}

    // When `count` more requests may start, at the earliest `now`.
    Clock::time_point nextStart(Clock::time_point now, std::size_t count)
    {
        while (!m_starts.empty() && m_starts.front() + seconds(1) <= now)
            m_starts.pop_front();
        const std::size_t free = m_perSecond - std::min(m_perSecond, m_starts.size());
        if (count <= free)
            return now;
        return m_starts[count - free - 1] + seconds(1);
    }
    void started(Clock::time_point now, std::size_t count)
    {
        m_starts.insert(m_starts.end(), count, now);
    }

private:
    std::size_t m_perSecond;
    std::deque<Clock::time_point>& m_starts;
};

// Waits until `count` more requests may start, asking `keepWaiting` every `pollInterval`;
// false when it said to stop.
bool waitForStarts(StartWindow& starts, std::size_t count, milliseconds pollInterval,
                   const std::function<bool()>& keepWaiting)
{
    for (;;) {
        const Clock::time_point now = Clock::now();
        const Clock::time_point next = starts.nextStart(now, count);
        if (next <= now) {
            starts.started(now, count);
            return true;
        }
        if (!keepWaiting())
            return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(next - now, pollInterval));
    }
}

} // namespace

BatchFetcher::BatchFetcher(FetcherOptions options, BatchLimits limits)
    : m_fetcher(options), m_limits(limits)
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
    return fetchGroups(retrievals, answer, progress);
}

// The requests go out in groups of at most maxAtOnce, side by side on the fetcher's
// connections; between groups the batch waits as long as the per-second ceiling asks,
// asking the progress callback meanwhile.
bool BatchFetcher::fetchGroups(std::vector<Retrieval>& retrievals, const BatchAnswer& answer,
                               const BatchProgress& progress)
{
    bool cancelled = false;
    const std::function<bool()> keepWaiting = [&] {
        cancelled = cancelled || (progress && !progress());
        return !cancelled;
    };
    m_fetcher.setProgressCallback(
        [&](milliseconds) { return keepWaiting() ? WaitChoice::KeepWaiting : WaitChoice::Cancel; });
    StartWindow starts(m_limits.maxPerSecond, m_starts);
    // A group larger than the per-second ceiling could never start.
    const std::size_t groupSize = std::clamp<std::size_t>(
        m_limits.maxAtOnce, 1, std::max<std::size_t>(m_limits.maxPerSecond, 1));
    for (std::size_t first = 0; first < retrievals.size() && keepWaiting();) {
        const std::size_t count = std::min(groupSize, retrievals.size() - first);
        if (!waitForStarts(starts, count, m_fetcher.options().progressInterval, keepWaiting))
            break;
        std::vector<Retrieval> group;
        for (std::size_t index = first; index < first + count; ++index) {
            Retrieval& retrieval = retrievals[index];
            group.push_back({std::move(retrieval.request), std::move(retrieval.target),
                             [&, index, ended = std::move(retrieval.ended)](FetchResult& result) {
                                 if (ended)
                                     ended(result);
                                 if (result.problem == FetchProblem::Cancelled)
                                     return;
                                 answer(index, result);
                                 keepWaiting(); // the caller counts answers as they come
                             }});
        }
        m_fetcher.fetchAll(std::move(group));
        first += count;
    }
    return !cancelled;
}

} // namespace ravello::tmdb
