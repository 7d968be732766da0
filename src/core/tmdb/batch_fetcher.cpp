// SPDX-License-Identifier: MIT
#include "core/tmdb/batch_fetcher.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <optional>

#include "core/tmdb/transfer.h"

namespace ravello::tmdb {
namespace {

using namespace std::chrono;
using Clock = steady_clock;

// The start times of the last requests: no more than `perSecond` of them in any one second.
class StartWindow
{
public:
    explicit StartWindow(std::size_t perSecond) : m_perSecond(std::max<std::size_t>(perSecond, 1))
    {}

    Clock::time_point nextStart(Clock::time_point now)
    {
        while (!m_starts.empty() && m_starts.front() + seconds(1) <= now)
            m_starts.pop_front();
        return m_starts.size() < m_perSecond ? now : m_starts.front() + seconds(1);
    }
    void started(Clock::time_point now) { m_starts.push_back(now); }

private:
    std::size_t m_perSecond;
    std::deque<Clock::time_point> m_starts;
};

// A 429 answer's second attempt, not to start before its time.
struct Retry
{
    std::size_t index;
    Clock::time_point notBefore;
};

// A request on the way; its sink and transfer stay where they are while it runs.
struct Running
{
    Running(std::size_t requestIndex, bool retry, const Request& request,
            const FetcherOptions& options)
        : index(requestIndex), isRetry(retry), sink(sinkOf(options.maxJsonBytes)),
          transfer(request, options, sink, true)
    {}

    static Sink sinkOf(std::size_t limit)
    {
        Sink sink;
        sink.limit = limit;
        return sink;
    }

    std::size_t index;
    bool isRetry;
    Sink sink;
    Transfer transfer;
};

// One fetchJson call: the requests still to start, those running, and the multi handle that
// drives them.
class BatchRun
{
public:
    BatchRun(const std::vector<Request>& requests, const FetcherOptions& options,
             const BatchLimits& limits, const BatchAnswer& answer);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    bool run(const BatchProgress& progress);

private:
    bool hasWork() const
    {
        return m_nextFirst < m_requests.size() || !m_retries.empty() || !m_running.empty();
    }
    std::optional<std::pair<std::size_t, bool>> takeDue(Clock::time_point now);
    void startDue(Clock::time_point now);
    void start(std::size_t index, bool isRetry, Clock::time_point now);
    void collectEnded();
    void end(Running& running, CURLcode code);
    milliseconds pollTimeout(Clock::time_point now);

    const std::vector<Request>& m_requests;
    const FetcherOptions& m_options;
    const BatchAnswer& m_answer;
    std::size_t m_maxAtOnce;
    CURLM* m_multi;
    std::size_t m_nextFirst = 0;
    std::vector<Retry> m_retries;
    std::vector<std::unique_ptr<Running>> m_running;
    StartWindow m_window;
};

BatchRun::BatchRun(const std::vector<Request>& requests, const FetcherOptions& options,
                   const BatchLimits& limits, const BatchAnswer& answer)
    : m_requests(requests), m_options(options), m_answer(answer),
      m_maxAtOnce(std::max<std::size_t>(limits.maxAtOnce, 1)), m_multi(curl_multi_init()),
      m_window(limits.maxPerSecond)
{
    if (!m_multi)
        return;
    // Kept connections are used again rather than new ones opened beside them.
    const auto connections = static_cast<long>(m_maxAtOnce);
    curl_multi_setopt(m_multi, CURLMOPT_MAX_TOTAL_CONNECTIONS, connections);
    curl_multi_setopt(m_multi, CURLMOPT_MAX_HOST_CONNECTIONS, connections);
}

BatchRun::~BatchRun()
{
    for (const auto& running : m_running)
        curl_multi_remove_handle(m_multi, running->transfer.handle());
    m_running.clear();
    if (m_multi)
        curl_multi_cleanup(m_multi);
}

bool BatchRun::run(const BatchProgress& progress)
{
    if (!m_multi) {
        for (std::size_t index = 0; index < m_requests.size(); ++index)
            m_answer(index, sessionFailure());
        return true;
    }
    while (hasWork()) {
        startDue(Clock::now());
        int stillRunning = 0;
        curl_multi_perform(m_multi, &stillRunning);
        collectEnded();
        if (progress && !progress())
            return false;
        if (hasWork())
            curl_multi_poll(m_multi, nullptr, 0,
                            static_cast<int>(pollTimeout(Clock::now()).count()), nullptr);
    }
    return true;
}

// The retry whose time came first, else the next first attempt.
std::optional<std::pair<std::size_t, bool>> BatchRun::takeDue(Clock::time_point now)
{
    const auto retry =
        std::min_element(m_retries.begin(), m_retries.end(),
                         [](const Retry& a, const Retry& b) { return a.notBefore < b.notBefore; });
    if (retry != m_retries.end() && retry->notBefore <= now) {
        const std::size_t index = retry->index;
        m_retries.erase(retry);
        return std::pair{index, true};
    }
    if (m_nextFirst < m_requests.size())
        return std::pair{m_nextFirst++, false};
    return std::nullopt;
}

void BatchRun::startDue(Clock::time_point now)
{
    while (m_running.size() < m_maxAtOnce && m_window.nextStart(now) <= now) {
        const auto due = takeDue(now);
        if (!due)
            return;
        start(due->first, due->second, now);
    }
}

void BatchRun::start(std::size_t index, bool isRetry, Clock::time_point now)
{
    auto running = std::make_unique<Running>(index, isRetry, m_requests[index], m_options);
    if (!running->transfer.isReady() ||
        curl_multi_add_handle(m_multi, running->transfer.handle()) != CURLM_OK) {
        m_answer(index, sessionFailure());
        return;
    }
    m_window.started(now);
    m_running.push_back(std::move(running));
}

void BatchRun::collectEnded()
{
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        // The message goes with the handle's removal: read it first.
        CURL* const handle = message->easy_handle;
        const CURLcode code = message->data.result;
        const auto running =
            std::find_if(m_running.begin(), m_running.end(),
                         [handle](const auto& each) { return each->transfer.handle() == handle; });
        if (running == m_running.end())
            continue;
        curl_multi_remove_handle(m_multi, handle);
        const std::unique_ptr<Running> ended = std::move(*running);
        m_running.erase(running);
        end(*ended, code);
    }
}

void BatchRun::end(Running& running, CURLcode code)
{
    FetchResult result = resultOf(running.transfer, code, running.sink);
    if (!running.isRetry && asksForRetry(result)) {
        m_retries.push_back({running.index, Clock::now() + retryWait(running.transfer, m_options)});
        return;
    }
    m_answer(running.index, finishJson(std::move(result), m_requests[running.index]));
}

// Until the next request may start, if one waits for its time, and at most the progress
// interval, so that the callback runs regularly.
milliseconds BatchRun::pollTimeout(Clock::time_point now)
{
    milliseconds timeout = m_options.progressInterval;
    if (m_running.size() >= m_maxAtOnce)
        return timeout;
    std::optional<Clock::time_point> next;
    if (m_nextFirst < m_requests.size())
        next = now;
    for (const Retry& retry : m_retries)
        next = std::min(next.value_or(retry.notBefore), retry.notBefore);
    if (next) {
        const auto start = std::max(*next, m_window.nextStart(now));
        timeout = std::min(timeout, ceil<milliseconds>(start - now));
    }
    return std::max(timeout, milliseconds(0));
}

} // namespace

BatchFetcher::BatchFetcher(FetcherOptions options, BatchLimits limits)
    : m_options(options), m_limits(limits)
{
    initialiseTransfers();
}

bool BatchFetcher::fetchJson(const std::vector<Request>& requests, const BatchAnswer& answer,
                             const BatchProgress& progress)
{
    BatchRun run(requests, m_options, m_limits, answer);
    return run.run(progress);
}

} // namespace ravello::tmdb
