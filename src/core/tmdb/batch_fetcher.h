// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"

namespace ravello::tmdb {

// How hard a batch may press the service: TMDb's published ceiling is about 50 requests a
// second, so a batch stays well below it.
struct BatchLimits
{
    std::size_t maxAtOnce = 8;
    std::size_t maxPerSecond = 40; // requests started in any one second, retries included
};

// Called on the caller's thread as each request of a batch ends, with its index in the batch.
using BatchAnswer = std::function<void(std::size_t index, FetchResult result)>;
// Called on the caller's thread regularly while a batch runs and after every answer, so that a
// window can repaint; returning false stops the batch.
using BatchProgress = std::function<bool()>;

// Many GETs side by side on one fetcher's connections, with the rules of Fetcher::fetchAll for
// each (certificate checks, time-outs, size cap, one retry after a 429, no key in a result),
// within the limits, which hold across the fetches of one batch fetcher (a 429's retry is not
// counted against the per-second ceiling). A fetch blocks until every request has ended or
// the progress callback stopped it.
class BatchFetcher
{
public:
    explicit BatchFetcher(FetcherOptions options = {}, BatchLimits limits = {});

    // Fetches the requests, telling each answer as it comes. False when the progress callback
    // stopped the batch: the requests not ended by then get no answer. Called while a batch of
    // this fetcher runs (from its progress or answer callback), it sends nothing and answers
    // every request at once with FetchProblem::Busy.
    bool fetchJson(const std::vector<Request>& requests, const BatchAnswer& answer,
                   const BatchProgress& progress = {});
    // The same for retrievals of JSON documents and downloads: each one's own `ended` runs as
    // it ends, before `answer`.
    bool fetchAll(std::vector<Retrieval> retrievals, const BatchAnswer& answer,
                  const BatchProgress& progress = {});

private:
    bool fetchGroups(std::vector<Retrieval>& retrievals, const BatchAnswer& answer,
                     const BatchProgress& progress);

    Fetcher m_fetcher;
    BatchLimits m_limits;
    bool m_running = false;
    // When the requests of the last second started.
    std::deque<std::chrono::steady_clock::time_point> m_starts;
};

} // namespace ravello::tmdb
