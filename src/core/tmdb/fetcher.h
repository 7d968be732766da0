// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/request_limiter.h"

namespace ravello::tmdb {

// The largest JSON answer kept in memory: TMDb's biggest credits documents are about 1 MB.
inline constexpr std::size_t kMaxJsonBytes = 16u << 20;
// The largest picture stored: TMDb's original posters and photos stay well below it.
inline constexpr std::size_t kMaxDownloadBytes = 32u << 20;

struct FetcherOptions
{
    std::chrono::milliseconds connectTimeout{15'000};
    // A transfer that delivers under lowSpeedBytes per second for lowSpeedTime is given up,
    // so a server that drips a byte a second cannot hold a retrieval for hours.
    long lowSpeedBytes = 64;
    std::chrono::seconds lowSpeedTime{30};
    // No attempt, waiting and transfer together, lasts longer than this.
    std::chrono::milliseconds totalTimeout{300'000};
    // A 429 answer is tried once more after its Retry-After seconds, at most maxRetryWait;
    // defaultRetryWait when it names none.
    std::chrono::milliseconds maxRetryWait{10'000};
    std::chrono::milliseconds defaultRetryWait{2'000};
    std::size_t maxJsonBytes = kMaxJsonBytes;
    std::size_t maxDownloadBytes = kMaxDownloadBytes;
    // How often the progress callback runs while a retrieval waits or transfers.
    std::chrono::milliseconds progressInterval{50};
    // A file of the certificate authorities to trust instead of the system's; empty for the
    // system's.
    std::filesystem::path certificateAuthorities;
};

// What the progress callback answers: go on waiting, or end the wait at once.
enum class WaitChoice
{
    KeepWaiting,
    Cancel
};

// Called regularly while a wait lasts, on the caller's thread, with the time it has lasted so
// far, so that a window can repaint, tell how long it waits and offer a way out. A retrieval
// it starts on the same fetcher ends at once with FetchProblem::Busy.
using ProgressCallback = std::function<WaitChoice(std::chrono::milliseconds waited)>;

// One retrieval of a batch: a JSON document, or, with a target, a download to that file.
struct Retrieval
{
    Request request;
    std::filesystem::path target;
    // Called on the caller's thread as soon as this retrieval has ended, while the others of
    // its batch may still run, so that its answer can be stored at once. It may change the
    // result, as when the answer could not be stored.
    std::function<void(FetchResult&)> ended;
};

class Connections;

// HTTPS GETs with certificate checks, time-outs, one retry after a 429, and a size cap. Each
// call blocks until its retrievals have ended or the progress callback cancelled the wait;
// the connections stay open between calls, so the next request to a host reuses them. Each
// attempt starts only when the limiter lets it: the program hands every fetcher its one
// limiter, and a fetcher given none keeps a limiter of its own. An https request follows
// redirects to https only. The key or token of the request never appears in a failed result:
// where a server or the transfer library echoes it, it is replaced by "***".
class Fetcher
{
public:
    explicit Fetcher(FetcherOptions options = {}, std::shared_ptr<RequestLimiter> limiter = {},
                     RequestPriority priority = RequestPriority::User);
    ~Fetcher();
    Fetcher(const Fetcher&) = delete;
    Fetcher& operator=(const Fetcher&) = delete;

    void setProgressCallback(ProgressCallback callback) { m_progress = std::move(callback); }
    const FetcherOptions& options() const { return m_options; }

    // Runs the retrievals side by side and returns their results, in the same order, when all
    // have ended: the wait lasts as long as the slowest, within one time-out. A cancelled wait
    // ends every retrieval still running with FetchProblem::Cancelled and keeps nothing of it.
    // Called while a batch of this fetcher runs (from its progress callback or a retrieval's
    // `ended`), it sends nothing and ends every retrieval at once with FetchProblem::Busy.
    std::vector<FetchResult> fetchAll(std::vector<Retrieval> retrievals);

    // Fetches a JSON document. ok() only for a complete 2xx answer that parses as JSON; the
    // body then holds the answer's bytes exactly as received.
    FetchResult fetchJson(const Request& request);

    // Stores the answer's bytes at `target`, through a temporary file in the same folder that
    // replaces the target only when the whole 2xx answer arrived: on any failure the target is
    // left as it was. The body of the result stays empty on success.
    FetchResult downloadToFile(const Request& request, const std::filesystem::path& target);

private:
    FetcherOptions m_options;
    std::shared_ptr<RequestLimiter> m_limiter;
    RequestPriority m_priority;
    ProgressCallback m_progress;
    std::unique_ptr<Connections> m_connections;
    bool m_running = false;
};

} // namespace ravello::tmdb
