// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <curl/curl.h>
#include <optional>
#include <string>

#include "core/files/atomic_file.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"

// One GET on a libcurl easy handle, as the fetchers make it: for fetcher.cpp and
// batch_fetcher.cpp, which with this file are the only ones that include curl.
namespace ravello::tmdb {

// Sets the transfer library up once for the whole program.
void initialiseTransfers();

// Where the bytes of one attempt go: a 2xx answer to the file when there is one, otherwise
// (and any error answer) to the body. It must stay where it is while its transfer runs.
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

// An easy handle set up for a request: certificate checks, time-outs, size cap, the bearer
// token as a header; the handle and its headers are released with the object, which must be
// out of any multi handle by then.
class Transfer
{
public:
    Transfer(const Request& request, const FetcherOptions& options, Sink& sink, bool wantsJson);
    ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    bool isReady() const { return m_easy != nullptr; }
    CURL* handle() const { return m_easy; }
    long status() const;
    std::optional<std::chrono::seconds> retryAfter() const;
    std::string errorText(CURLcode code) const;

private:
    void configure(const Request& request, const FetcherOptions& options, Sink& sink);

    CURL* m_easy = nullptr;
    curl_slist* m_headers = nullptr;
    char m_error[CURL_ERROR_SIZE] = {};
};

// The result of one attempt from the transfer's end code, status and sink.
FetchResult resultOf(const Transfer& transfer, CURLcode code, Sink& sink);

// The result of a transfer that could not even be set up.
FetchResult sessionFailure();

// TMDb's 429 rule: such an answer is tried once more, after the wait it asks for (at most
// maxRetryWait; defaultRetryWait when it names none).
bool asksForRetry(const FetchResult& result);
std::chrono::milliseconds retryWait(const Transfer& transfer, const FetcherOptions& options);

// A JSON fetch's result as the caller gets it: a 2xx answer that is no JSON is NotJson, and
// the key or token of the request appears nowhere in a failed one.
FetchResult finishJson(FetchResult result, const Request& request);

// Keeps the key out of every text of the result, which end up in message boxes and logs.
FetchResult withoutSecrets(FetchResult result, const Request& request);

} // namespace ravello::tmdb
