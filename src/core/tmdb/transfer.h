// SPDX-License-Identifier: MIT
#pragma once

// For the fetcher's own files only: this header brings in libcurl.
#include <chrono>
#include <curl/curl.h>
#include <optional>
#include <string>

#include "core/files/atomic_file.h"
#include "core/tmdb/fetcher.h"

namespace ravello::tmdb {

// Where the bytes of one attempt go: a 2xx answer to the file when there is one, otherwise
// (and any error answer) to the body.
struct Sink
{
    CURL* handle = nullptr;
    files::AtomicFile* file = nullptr;
    std::size_t limit = 0;
    std::size_t received = 0;
    std::string body;
    bool tooLarge = false;
    bool fileFailed = false;
};

// One attempt of one retrieval: a GET on its own easy handle, added to a multi handle for as
// long as the object lives. The multi handle runs it; once it reported the attempt's end code,
// result() reads what the attempt gave.
class Transfer
{
public:
    Transfer(CURLM* multi, const Request& request, const FetcherOptions& options,
             files::AtomicFile* file);
    ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // False when the handle could not be made or added: the attempt never runs.
    bool isRunning() const { return m_added; }
    CURL* handle() const { return m_easy; }

    FetchResult result(CURLcode code);
    // The delay-seconds form of the answer's Retry-After header, when it has one.
    std::optional<std::chrono::seconds> retryAfter() const;

private:
    void configure(const Request& request);
    long status() const;
    std::string errorText(CURLcode code) const;
    std::chrono::milliseconds limitPassed() const;

    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;
    curl_slist* m_headers = nullptr;
    const FetcherOptions& m_options;
    Sink m_sink;
    bool m_added = false;
    char m_error[CURL_ERROR_SIZE] = {};
};

// The result of an attempt that could not even be set up.
FetchResult sessionFailure();

} // namespace ravello::tmdb
