// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/request_limiter.h"

namespace ravello::tmdb {

// Called on the caller's thread as each request of a batch ends, with its index in the batch.
using BatchAnswer = std::function<void(std::size_t index, FetchResult result)>;
// Called on the caller's thread regularly while a batch runs and after every answer, so that a
// window can repaint; returning false stops the batch.
using BatchProgress = std::function<bool()>;

// Many GETs side by side on one fetcher's connections, with the rules of Fetcher::fetchAll for
// each (certificate checks, time-outs, size cap, one retry after a 429, no key in a result),
// each started as the limiter lets it: the program's one limiter, shared with its other
// fetchers, or without one a limiter of the batch fetcher's own. A fetch blocks until every
// request has ended or the progress callback stopped it.
class BatchFetcher
{
public:
    explicit BatchFetcher(FetcherOptions options = {}, std::shared_ptr<RequestLimiter> limiter = {},
                          RequestPriority priority = RequestPriority::User);

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
    bool fetchEach(std::vector<Retrieval>& retrievals, const BatchAnswer& answer,
                   const BatchProgress& progress);

    Fetcher m_fetcher;
    bool m_running = false;
};

} // namespace ravello::tmdb
