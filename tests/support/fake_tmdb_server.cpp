// SPDX-License-Identifier: MIT
#include "tests/support/fake_tmdb_server.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <httplib.h>
#include <iterator>
#include <regex>

namespace ravello::testing {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kFillerChunk = 64 * 1024;
constexpr std::size_t kThreads = 32;
constexpr const char* kNoResults = R"({"page":1,"results":[],"total_pages":1,"total_results":0})";

std::optional<std::string> readFixture(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "Tom & Jerry #1" -> "tom___jerry__1": a file name for every query.
std::string fixtureNameOf(const std::string& query)
{
    std::string name;
    for (const unsigned char c : query)
        name += std::isalnum(c) && c < 0x80 ? static_cast<char>(std::tolower(c)) : '_';
    return name;
}

// Image names come from the URL: nothing may lead out of the images folder.
bool isPlainName(const std::string& name)
{
    return !name.empty() && name.find("..") == std::string::npos &&
           name.find_first_of("/\\") == std::string::npos;
}

// Whether `answers` holds `name` among its comma-separated names, as append_to_response does.
bool namesAppended(const std::string& answers, const std::string& name)
{
    for (std::size_t start = 0; start <= answers.size();) {
        const std::size_t comma = std::min(answers.find(',', start), answers.size());
        if (answers.compare(start, comma - start, name) == 0)
            return true;
        start = comma + 1;
    }
    return false;
}

// A queued answer's path may end in "?name=value&...": it then answers a request that has
// these query parameters among its own.
bool matchesQueued(const std::string& queued, const httplib::Request& request)
{
    const std::size_t question = queued.find('?');
    if (queued.compare(0, question, request.path) != 0 ||
        (question == std::string::npos && queued.size() != request.path.size()))
        return false;
    httplib::Params wanted;
    if (question != std::string::npos)
        httplib::detail::parse_query_text(queued.substr(question + 1), wanted);
    return std::all_of(wanted.begin(), wanted.end(), [&](const auto& parameter) {
        const auto [first, last] = request.params.equal_range(parameter.first);
        return std::any_of(first, last,
                           [&](const auto& sent) { return sent.second == parameter.second; });
    });
}

RecordedRequest recordOf(const httplib::Request& request)
{
    RecordedRequest record{
        request.method, request.path, request.target, {}, {}, std::chrono::steady_clock::now()};
    for (const auto& [name, value] : request.params)
        record.params.emplace(name, value);
    for (const auto& [name, value] : request.headers) {
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        record.headers.emplace(lower, value);
    }
    return record;
}

} // namespace

std::string withAppended(std::string document, const std::string& name, const std::string& answer)
{
    const std::size_t close = document.find_last_of('}');
    if (close != std::string::npos)
        document.insert(close, ",\"" + name + "\":" + answer);
    return document;
}

std::string RecordedRequest::param(const std::string& name) const
{
    const auto found = params.find(name);
    return found == params.end() ? std::string() : found->second;
}

std::string RecordedRequest::header(const std::string& lowerCaseName) const
{
    const auto found = headers.find(lowerCaseName);
    return found == headers.end() ? std::string() : found->second;
}

FakeTmdbServer::FakeTmdbServer(fs::path fixtures, int port)
    : m_fixtures(std::move(fixtures)), m_server(std::make_unique<httplib::Server>())
{
    m_server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response);
    });
    // Answers go out at once, as from TMDb's own servers: otherwise, on a connection the client
    // keeps, the body waits for the client's delayed acknowledgement of the headers.
    m_server->set_tcp_nodelay(true);
    // A connection serves many requests, as TMDb's do: the library's default closes it after
    // five, and a batch that opens its eight connections again at once can overflow the
    // listening socket's short queue and wait a second for the dropped connection's retry.
    m_server->set_keep_alive_max_count(1000);
    // Every connection has a thread of its own, whatever the library's default, so that the
    // server never limits how many requests run at once (the tests count them), and a command's
    // kept connections never make a batch's new ones wait.
    m_server->new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
    m_port = port == 0 ? m_server->bind_to_any_port("127.0.0.1")
                       : (m_server->bind_to_port("127.0.0.1", port) ? port : -1);
    if (m_port <= 0)
        return;
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // stop() only reaches a server that runs: wait until it does.
    while (!m_server->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

FakeTmdbServer::~FakeTmdbServer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        m_server->stop();
        m_thread.join();
    }
}

fs::path FakeTmdbServer::defaultFixtures()
{
    return fs::path(RAVELLO_FIXTURES_DIR) / "tmdb";
}

std::string FakeTmdbServer::url() const
{
    return "http://127.0.0.1:" + std::to_string(m_port);
}

void FakeTmdbServer::queueAnswer(ScriptedAnswer answer, AnswerPacing pacing)
{
    queueAnswerFor({}, std::move(answer), pacing);
}

void FakeTmdbServer::queueAnswerFor(std::string path, ScriptedAnswer answer, AnswerPacing pacing)
{
    std::lock_guard lock(m_mutex);
    m_queue.push_back({std::move(path), std::move(answer), pacing});
}

void FakeTmdbServer::queueErrorFor(std::string path, int status)
{
    queueAnswerFor(std::move(path), errorAnswer(status));
}

void FakeTmdbServer::queueError(int status, std::optional<int> retryAfterSeconds)
{
    ScriptedAnswer answer = errorAnswer(status);
    if (retryAfterSeconds)
        answer.headers.emplace_back("Retry-After", std::to_string(*retryAfterSeconds));
    queueAnswer(std::move(answer));
}

void FakeTmdbServer::setDelay(std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_mutex);
    m_delay = delay;
}

void FakeTmdbServer::holdAnswersUntil(std::size_t requestCount)
{
    std::lock_guard lock(m_mutex);
    m_heldUntil = requestCount;
}

void FakeTmdbServer::requireKey(std::string key)
{
    std::lock_guard lock(m_mutex);
    m_requiredKey = std::move(key);
}

void FakeTmdbServer::reset()
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
        m_delay = std::chrono::milliseconds(0);
        m_heldUntil = 0;
        m_requiredKey.reset();
        m_requests.clear();
        m_mostAtOnce = m_atOnce;
        ++m_generation;
    }
    m_wake.notify_all();
}

std::vector<RecordedRequest> FakeTmdbServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::size_t FakeTmdbServer::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return m_requests.size();
}

std::size_t FakeTmdbServer::mostAtOnce() const
{
    std::lock_guard lock(m_mutex);
    return m_mostAtOnce;
}

void FakeTmdbServer::handle(const httplib::Request& request, httplib::Response& response)
{
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(recordOf(request));
        m_mostAtOnce = std::max(m_mostAtOnce, ++m_atOnce);
    }
    m_wake.notify_all();
    answer(request, response);
    std::lock_guard lock(m_mutex);
    --m_atOnce;
}

void FakeTmdbServer::answer(const httplib::Request& request, httplib::Response& response)
{
    std::chrono::milliseconds delay;
    {
        std::lock_guard lock(m_mutex);
        delay = m_delay;
    }
    if (!awaitHeldRequests() || (delay.count() > 0 && !pause(delay)))
        return;
    if (auto scripted = nextScripted(request))
        send(std::move(scripted->first), response, scripted->second);
    else if (!isAuthorised(request))
        send(errorAnswer(401), response);
    else
        send(fixtureAnswer(request), response);
}

std::optional<std::pair<ScriptedAnswer, AnswerPacing>>
FakeTmdbServer::nextScripted(const httplib::Request& request)
{
    std::lock_guard lock(m_mutex);
    const auto queued = std::find_if(m_queue.begin(), m_queue.end(), [&](const Queued& each) {
        return each.path.empty() || matchesQueued(each.path, request);
    });
    if (queued == m_queue.end())
        return std::nullopt;
    std::pair answer{std::move(queued->answer), queued->pacing};
    m_queue.erase(queued);
    return answer;
}

bool FakeTmdbServer::isAuthorised(const httplib::Request& request) const
{
    std::lock_guard lock(m_mutex);
    if (!m_requiredKey || !request.path.starts_with("/3/"))
        return true;
    return request.get_param_value("api_key") == *m_requiredKey ||
           request.get_header_value("Authorization") == "Bearer " + *m_requiredKey;
}

// A film, show or season may have its answer in a language of its own, as a translation on
// TMDb: folder/NAME.LANGUAGE.json, else folder/NAME.json.
std::optional<std::string> FakeTmdbServer::translatedFixture(const httplib::Request& request,
                                                             const fs::path& folder,
                                                             const std::string& name) const
{
    const std::string language = request.get_param_value("language");
    std::optional<std::string> body;
    if (!language.empty())
        body = readFixture(m_fixtures / folder / (name + "." + language + ".json"));
    return body ? body : readFixture(m_fixtures / folder / (name + ".json"));
}

ScriptedAnswer FakeTmdbServer::fixtureAnswer(const httplib::Request& request) const
{
    static const std::regex details(R"(/3/movie/(\d+))");
    static const std::regex credits(R"(/3/movie/(\d+)/credits)");
    static const std::regex show(R"(/3/tv/(\d+))");
    static const std::regex season(R"(/3/tv/(\d+)/season/(\d+))");
    static const std::regex person(R"(/3/person/(\d+))");
    static const std::regex image(R"(/t/p/original/(.+))");
    std::smatch match;
    std::optional<std::string> body;
    ScriptedAnswer answer;
    if (request.path == "/3/search/movie" || request.path == "/3/search/tv") {
        const char* folder = request.path == "/3/search/tv" ? "search_tv" : "search";
        body = readFixture(m_fixtures / folder /
                           (fixtureNameOf(request.get_param_value("query")) + ".json"));
        if (!body)
            body = kNoResults;
    } else if (std::regex_match(request.path, match, details)) {
        body = detailsBody(request, match[1].str());
    } else if (std::regex_match(request.path, match, show)) {
        body = translatedFixture(request, "tv", match[1].str());
    } else if (std::regex_match(request.path, match, season)) {
        body = appendedTranslations(
            request, translatedFixture(request, "tv", match[1].str() + "_season_" + match[2].str()),
            "tv", match[1].str() + "_season_" + match[2].str());
    } else if (std::regex_match(request.path, match, credits)) {
        body = readFixture(m_fixtures / "movie" / (match[1].str() + "_credits.json"));
    } else if (std::regex_match(request.path, match, person)) {
        body = readFixture(m_fixtures / "person" / (match[1].str() + ".json"));
    } else if (std::regex_match(request.path, match, image) && isPlainName(match[1].str())) {
        body = readFixture(m_fixtures / "images" / match[1].str());
        answer.contentType = "image/jpeg";
    }
    if (!body)
        return errorAnswer(404);
    answer.body = std::move(*body);
    return answer;
}

std::optional<std::string> FakeTmdbServer::detailsBody(const httplib::Request& request,
                                                       const std::string& filmId) const
{
    // A film may have its answer in a language of its own, as a translation on TMDb.
    return appendedTranslations(request, translatedFixture(request, "movie", filmId), "movie",
                                filmId);
}

std::optional<std::string> FakeTmdbServer::appendedTranslations(const httplib::Request& request,
                                                                std::optional<std::string> body,
                                                                const fs::path& folder,
                                                                const std::string& name) const
{
    if (body && namesAppended(request.get_param_value("append_to_response"), "translations"))
        body = withAppended(std::move(*body), "translations",
                            readFixture(m_fixtures / folder / (name + "_translations.json"))
                                .value_or(R"({"translations":[]})"));
    return body;
}

ScriptedAnswer FakeTmdbServer::errorAnswer(int status) const
{
    ScriptedAnswer answer;
    answer.status = status;
    answer.body = readFixture(m_fixtures / "errors" / (std::to_string(status) + ".json"))
                      .value_or(R"({"success":false,"status_code":0,"status_message":"Error."})");
    return answer;
}

void FakeTmdbServer::send(ScriptedAnswer answer, httplib::Response& response, AnswerPacing pacing)
{
    response.status = answer.status;
    for (const auto& [name, value] : answer.headers)
        response.set_header(name, value);
    if (answer.fillerBytes == 0 && answer.stallBeforeBody.count() == 0 &&
        pacing.dripInterval.count() == 0 && !pacing.closeAfterBytes) {
        response.set_content(answer.body, answer.contentType);
        return;
    }
    // The server compresses a chunked "application/json" answer for a client that accepts it:
    // filler would then shrink to a trickle of bytes on the wire, which a client gives up as
    // a stalled transfer. With a charset the type is not compressed and the bytes go out.
    if (answer.fillerBytes > 0 && answer.contentType == "application/json")
        answer.contentType += ";charset=utf-8";
    const auto shared = std::make_shared<ScriptedAnswer>(std::move(answer));
    const std::size_t total = shared->fillerBytes ? shared->fillerBytes : shared->body.size();
    auto provide = [this, shared, total, pacing](std::size_t offset, httplib::DataSink& sink) {
        if (offset == 0 && shared->stallBeforeBody.count() > 0 && !pause(shared->stallBeforeBody))
            return false;
        const std::size_t end = std::min(total, pacing.closeAfterBytes.value_or(total));
        if (offset >= end && end < total)
            return false; // drops the connection half-way
        std::size_t size = std::min(kFillerChunk, end - offset);
        if (pacing.dripInterval.count() > 0) {
            size = std::min<std::size_t>(size, 1);
            if (!pause(pacing.dripInterval))
                return false;
        }
        const std::string filler(shared->fillerBytes ? size : 0, 'x');
        const char* data = shared->fillerBytes ? filler.data() : shared->body.data() + offset;
        if (size > 0 && !sink.write(data, size))
            return false;
        if (offset + size == total)
            sink.done();
        return true;
    };
    if (shared->announceLength)
        response.set_content_provider(
            total, shared->contentType,
            [provide](std::size_t offset, std::size_t, httplib::DataSink& sink) mutable {
                return provide(offset, sink);
            });
    else
        response.set_chunked_content_provider(shared->contentType, provide);
}

bool FakeTmdbServer::pause(std::chrono::milliseconds duration)
{
    std::unique_lock lock(m_mutex);
    const unsigned generation = m_generation;
    return !m_wake.wait_for(lock, duration,
                            [&] { return m_stopping || m_generation != generation; });
}

bool FakeTmdbServer::awaitHeldRequests()
{
    std::unique_lock lock(m_mutex);
    const unsigned generation = m_generation;
    m_wake.wait(lock, [&] {
        return m_stopping || m_generation != generation || m_requests.size() >= m_heldUntil;
    });
    return !m_stopping && m_generation == generation;
}

} // namespace ravello::testing
