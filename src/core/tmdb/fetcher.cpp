// SPDX-License-Identifier: MIT
#include "core/tmdb/fetcher.h"

#include <algorithm>
#include <string>
#include <thread>

#include "core/files/atomic_file.h"
#include "core/tmdb/transfer.h"

namespace ravello::tmdb {
namespace {

using namespace std::chrono;

// Runs one transfer to its end on a multi handle of its own, calling `progress` between
// waits of `interval`.
CURLcode runAlone(const Transfer& transfer, const ProgressCallback& progress, milliseconds interval)
{
    CURLM* multi = curl_multi_init();
    if (!multi)
        return CURLE_FAILED_INIT;
    curl_multi_add_handle(multi, transfer.handle());
    CURLcode code = CURLE_FAILED_INIT;
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running)
            curl_multi_poll(multi, nullptr, 0, static_cast<int>(interval.count()), nullptr);
        if (progress)
            progress();
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
        if (message->msg == CURLMSG_DONE)
            code = message->data.result;
    }
    curl_multi_remove_handle(multi, transfer.handle());
    curl_multi_cleanup(multi);
    return code;
}

struct Attempt
{
    FetchResult result;
    milliseconds retryWait{0};
};

Attempt attempt(const Request& request, const FetcherOptions& options,
                const ProgressCallback& progress, files::AtomicFile* file, std::size_t limit)
{
    Sink sink;
    sink.file = file;
    sink.limit = limit;
    Transfer transfer(request, options, sink, file == nullptr);
    if (!transfer.isReady())
        return {sessionFailure()};
    const CURLcode code = runAlone(transfer, progress, options.progressInterval);
    return {resultOf(transfer, code, sink), retryWait(transfer, options)};
}

// Waits without blocking the caller's repainting: the callback keeps running meanwhile.
void waitBeforeRetry(milliseconds wait, const FetcherOptions& options,
                     const ProgressCallback& progress)
{
    const auto end = steady_clock::now() + wait;
    while (steady_clock::now() < end) {
        std::this_thread::sleep_for(std::min(
            options.progressInterval, duration_cast<milliseconds>(end - steady_clock::now())));
        if (progress)
            progress();
    }
}

FetchResult fetchWithRetry(const Request& request, const FetcherOptions& options,
                           const ProgressCallback& progress, files::AtomicFile* file,
                           std::size_t limit)
{
    Attempt first = attempt(request, options, progress, file, limit);
    if (!asksForRetry(first.result))
        return std::move(first.result);
    waitBeforeRetry(first.retryWait, options, progress);
    return attempt(request, options, progress, file, limit).result;
}

} // namespace

Fetcher::Fetcher(FetcherOptions options) : m_options(options)
{
    initialiseTransfers();
}

FetchResult Fetcher::fetchJson(const Request& request)
{
    return finishJson(
        fetchWithRetry(request, m_options, m_progress, nullptr, m_options.maxJsonBytes), request);
}

FetchResult Fetcher::downloadToFile(const Request& request, const std::filesystem::path& target)
{
    files::AtomicFile file(target);
    if (!file.isOpen()) {
        FetchResult result;
        result.problem = FetchProblem::File;
        return result;
    }
    FetchResult result =
        fetchWithRetry(request, m_options, m_progress, &file, m_options.maxDownloadBytes);
    if (result.ok() && !file.commit())
        result.problem = FetchProblem::File;
    return withoutSecrets(std::move(result), request);
}

} // namespace ravello::tmdb
