// SPDX-License-Identifier: MIT
#include "core/tmdb/transfer.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

namespace ravello::tmdb {
namespace {

using namespace std::chrono;

// An error answer is kept only as far as needed to read TMDb's status message from it.
constexpr std::size_t kMaxErrorBodyBytes = std::size_t{64} * 1024;
constexpr const char* kUserAgent = "Ravello/" RAVELLO_VERSION_TEXT;

bool isSuccess(long status)
{
    return status >= 200 && status <= 299;
}

std::size_t receive(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& sink = *static_cast<Sink*>(user);
    const std::size_t bytes = size * count;
    if (bytes > sink.limit - sink.received) {
        sink.tooLarge = true;
        return 0; // makes the library end the transfer with a write error
    }
    sink.received += bytes;
    long status = 0;
    curl_easy_getinfo(sink.handle, CURLINFO_RESPONSE_CODE, &status);
    if (sink.file && isSuccess(status)) {
        sink.file->stream().write(data, static_cast<std::streamsize>(bytes));
        sink.fileFailed = !sink.file->stream().good();
        return sink.fileFailed ? 0 : bytes;
    }
    if (!sink.file || sink.body.size() < kMaxErrorBodyBytes)
        sink.body.append(data, bytes);
    return bytes;
}

std::string statusMessageOf(const std::string& body)
{
    const auto document = nlohmann::json::parse(body, nullptr, false);
    if (!document.is_object())
        return {};
    const auto message = document.find("status_message");
    return message != document.end() && message->is_string() ? message->get<std::string>() : "";
}

// The secrets a request carries: its bearer token and the value of its api_key parameter.
std::vector<std::string> secretsOf(const Request& request)
{
    std::vector<std::string> secrets;
    if (!request.bearerToken.empty())
        secrets.push_back(request.bearerToken);
    constexpr std::string_view kKeyParameter = "api_key=";
    const std::size_t query = request.url.find('?');
    const std::size_t key =
        query == std::string::npos ? query : request.url.find(kKeyParameter, query);
    if (key == std::string::npos)
        return secrets;
    const std::size_t start = key + kKeyParameter.size();
    const std::size_t end = request.url.find_first_of("&#", start);
    if (end != start)
        secrets.push_back(request.url.substr(start, end - start));
    return secrets;
}

void redact(std::string& text, const std::string& secret)
{
    for (std::size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + 3))
        text.replace(at, secret.size(), "***");
}

} // namespace

void initialiseTransfers()
{
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

Transfer::Transfer(const Request& request, const FetcherOptions& options, Sink& sink,
                   bool wantsJson)
    : m_easy(curl_easy_init())
{
    if (!isReady())
        return;
    if (wantsJson)
        m_headers = curl_slist_append(m_headers, "Accept: application/json");
    if (!request.bearerToken.empty())
        m_headers =
            curl_slist_append(m_headers, ("Authorization: Bearer " + request.bearerToken).c_str());
    sink.handle = m_easy;
    configure(request, options, sink);
}

Transfer::~Transfer()
{
    if (m_easy)
        curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_headers);
}

void Transfer::configure(const Request& request, const FetcherOptions& options, Sink& sink)
{
    curl_easy_setopt(m_easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(m_easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(options.connectTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, options.lowSpeedBytes);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(options.lowSpeedTime.count()));
    curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, static_cast<long>(options.totalTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.limit));
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(m_easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, &sink);
}

long Transfer::status() const
{
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    return status;
}

// Only the delay-seconds form: a date form counts as no value. A number too long to read is a
// very long wait (which the caller caps), not none.
std::optional<seconds> Transfer::retryAfter() const
{
    curl_header* header = nullptr;
    if (curl_easy_header(m_easy, "Retry-After", 0, CURLH_HEADER, -1, &header) != CURLHE_OK)
        return std::nullopt;
    const std::string value = header->value;
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return seconds(value.size() > 6 ? 999'999 : std::stol(value));
}

std::string Transfer::errorText(CURLcode code) const
{
    return m_error[0] ? std::string(m_error) : std::string(curl_easy_strerror(code));
}

FetchResult resultOf(const Transfer& transfer, CURLcode code, Sink& sink)
{
    FetchResult result;
    result.httpStatus = transfer.status();
    result.body = std::move(sink.body);
    if (sink.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        result.problem = FetchProblem::TooLarge;
    } else if (sink.fileFailed) {
        result.problem = FetchProblem::File;
    } else if (code != CURLE_OK) {
        result.problem = FetchProblem::Transport;
        result.transportError = {static_cast<int>(code), transfer.errorText(code)};
    } else if (!isSuccess(result.httpStatus)) {
        result.problem = FetchProblem::HttpStatus;
        result.tmdbStatusMessage = statusMessageOf(result.body);
    }
    return result;
}

FetchResult sessionFailure()
{
    FetchResult result;
    result.problem = FetchProblem::Session;
    result.transportError = {static_cast<int>(CURLE_FAILED_INIT),
                             curl_easy_strerror(CURLE_FAILED_INIT)};
    return result;
}

bool asksForRetry(const FetchResult& result)
{
    return result.httpStatus == 429 && result.problem == FetchProblem::HttpStatus;
}

milliseconds retryWait(const Transfer& transfer, const FetcherOptions& options)
{
    const std::optional<seconds> asked = transfer.retryAfter();
    const milliseconds wait =
        asked ? duration_cast<milliseconds>(*asked) : options.defaultRetryWait;
    return std::min(wait, options.maxRetryWait);
}

FetchResult finishJson(FetchResult result, const Request& request)
{
    if (result.ok() && !nlohmann::json::accept(result.body))
        result.problem = FetchProblem::NotJson;
    if (!result.ok())
        return withoutSecrets(std::move(result), request);
    return result;
}

FetchResult withoutSecrets(FetchResult result, const Request& request)
{
    for (const std::string& secret : secretsOf(request)) {
        redact(result.body, secret);
        redact(result.tmdbStatusMessage, secret);
        redact(result.transportError.text, secret);
    }
    return result;
}

} // namespace ravello::tmdb
