// SPDX-License-Identifier: MIT
#include "core/tmdb/transfer.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <string_view>

#include "core/files/path_text.h"

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

// A redirect from https to plain http would send the key or token in clear: an https request
// may only be redirected to https.
const char* redirectProtocols(const std::string& url)
{
    constexpr std::string_view kSecure = "https://";
    const bool secure = url.size() >= kSecure.size() &&
                        std::equal(kSecure.begin(), kSecure.end(), url.begin(), [](char a, char b) {
                            return a == std::tolower(static_cast<unsigned char>(b));
                        });
    return secure ? "https" : "http,https";
}

std::string statusMessageOf(const std::string& body)
{
    const auto document = nlohmann::json::parse(body, nullptr, false);
    if (!document.is_object())
        return {};
    const auto message = document.find("status_message");
    return message != document.end() && message->is_string() ? message->get<std::string>() : "";
}

} // namespace

Transfer::Transfer(CURLM* multi, const Request& request, const FetcherOptions& options,
                   files::AtomicFile* file)
    : m_multi(multi), m_easy(curl_easy_init()), m_options(options)
{
    if (!m_easy)
        return;
    m_sink.handle = m_easy;
    m_sink.file = file;
    m_sink.limit = file ? options.maxDownloadBytes : options.maxJsonBytes;
    if (!file)
        m_headers = curl_slist_append(m_headers, "Accept: application/json");
    if (!request.bearerToken.empty())
        m_headers =
            curl_slist_append(m_headers, ("Authorization: Bearer " + request.bearerToken).c_str());
    configure(request);
    m_added = curl_multi_add_handle(m_multi, m_easy) == CURLM_OK;
}

Transfer::~Transfer()
{
    if (m_added)
        curl_multi_remove_handle(m_multi, m_easy);
    if (m_easy)
        curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_headers);
}

void Transfer::configure(const Request& request)
{
    curl_easy_setopt(m_easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(m_easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, redirectProtocols(request.url));
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_options.certificateAuthorities.empty())
        curl_easy_setopt(m_easy, CURLOPT_CAINFO,
                         files::utf8FromPath(m_options.certificateAuthorities).c_str());
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(m_options.connectTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, m_options.lowSpeedBytes);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(m_options.lowSpeedTime.count()));
    curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_options.totalTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(m_sink.limit));
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(m_easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, &m_sink);
}

FetchResult Transfer::result(CURLcode code)
{
    FetchResult result;
    result.httpStatus = status();
    result.body = std::move(m_sink.body);
    if (m_sink.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        result.problem = FetchProblem::TooLarge;
    } else if (m_sink.fileFailed) {
        result.problem = FetchProblem::File;
    } else if (code != CURLE_OK) {
        result.problem = FetchProblem::Transport;
        result.transportError = {static_cast<int>(code), errorText(code)};
        if (code == CURLE_OPERATION_TIMEDOUT)
            result.timeLimit = limitPassed();
    } else if (!isSuccess(result.httpStatus)) {
        result.problem = FetchProblem::HttpStatus;
        result.tmdbStatusMessage = statusMessageOf(result.body);
    }
    return result;
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

// Which of the three limits ended the attempt: the total one when it lasted that long, the
// connect one when it never got as far as sending the request, the low-speed one otherwise.
milliseconds Transfer::limitPassed() const
{
    curl_off_t total = 0;
    curl_off_t pretransfer = 0;
    curl_easy_getinfo(m_easy, CURLINFO_TOTAL_TIME_T, &total);
    curl_easy_getinfo(m_easy, CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
    if (microseconds(total) >= m_options.totalTimeout)
        return m_options.totalTimeout;
    if (pretransfer == 0)
        return m_options.connectTimeout;
    return m_options.lowSpeedTime;
}

FetchResult sessionFailure()
{
    FetchResult result;
    result.problem = FetchProblem::Session;
    result.transportError = {static_cast<int>(CURLE_FAILED_INIT),
                             curl_easy_strerror(CURLE_FAILED_INIT)};
    return result;
}

} // namespace ravello::tmdb
