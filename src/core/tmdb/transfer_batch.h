// SPDX-License-Identifier: MIT
#pragma once

// For the fetcher's own files only: this header brings in libcurl.
#include <curl/curl.h>
#include <vector>

#include "core/tmdb/fetcher.h"

namespace ravello::tmdb {

// A fetcher's libcurl multi handle. Its connections and name lookups outlive each batch, so
// the next request to a host reuses an open connection instead of a new TLS handshake.
class Connections
{
public:
    Connections();
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    CURLM* handle() const { return m_multi; }

private:
    CURLM* m_multi = nullptr;
};

// How a fetcher's batch runs: its options, and the limiter its attempts start by.
struct BatchRules
{
    const FetcherOptions& options;
    RequestLimiter& limiter;
    RequestPriority priority;
};

// Runs the retrievals side by side on the connections, each attempt as soon as the limiter
// lets it start, in the order of the retrievals, until all have ended or the progress callback
// cancelled the wait, as Fetcher::fetchAll describes; the results come in the order of the
// retrievals.
std::vector<FetchResult> runBatch(const Connections& connections,
                                  std::vector<Retrieval>& retrievals, const BatchRules& rules,
                                  const ProgressCallback& progress);

} // namespace ravello::tmdb
