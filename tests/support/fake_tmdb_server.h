// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace ravello::testing {

// The document with `answer` appended under `name`, as TMDb appends an answer asked for with
// append_to_response.
std::string withAppended(std::string document, const std::string& name, const std::string& answer);

// A request as the fake server saw it.
struct RecordedRequest
{
    std::string method;
    std::string path;                                // decoded
    std::string target;                              // path and query exactly as sent
    std::multimap<std::string, std::string> params;  // decoded query parameters
    std::multimap<std::string, std::string> headers; // names in lower case
    std::chrono::steady_clock::time_point arrived;   // on the server's clock

    std::string param(const std::string& name) const;
    std::string header(const std::string& lowerCaseName) const;
};

// An answer given instead of the fixtures' one.
struct ScriptedAnswer
{
    int status = 200;
    std::string body;
    std::string contentType = "application/json;charset=utf-8";
    std::vector<std::pair<std::string, std::string>> headers;
    // Send this many filler bytes instead of `body`, with or without a Content-Length.
    std::size_t fillerBytes = 0;
    bool announceLength = false;
    // Send the headers, then nothing for this long, then the body.
    std::chrono::milliseconds stallBeforeBody{0};
};

// How a scripted answer's body goes out, when not all at once.
struct AnswerPacing
{
    // Send the body one byte at a time, each after this pause.
    std::chrono::milliseconds dripInterval{0};
    // Send this many bytes of the body, then close the connection.
    std::optional<std::size_t> closeAfterBytes;
};

// TMDb's API and image host on 127.0.0.1, answering from fixture files:
//   /3/search/movie?query=Q   search/<q>.json, q being Q in lower case with every byte that
//                             is not a letter or digit turned into '_' (no match: no results)
//   /3/movie/ID               movie/ID.LANGUAGE.json when there is one, else movie/ID.json;
//                             with append_to_response=translations, movie/ID_translations.json
//                             appended as "translations" (an empty list when there is none)
//   /3/movie/ID/credits       movie/ID_credits.json
//   /3/search/tv?query=Q      search_tv/<q>.json, as the movie search
//   /3/tv/ID                  tv/ID.LANGUAGE.json when there is one, else tv/ID.json
//   /3/tv/ID/season/N         tv/ID_season_N.LANGUAGE.json, else tv/ID_season_N.json; with
//                             append_to_response=translations, tv/ID_season_N_translations.json
//                             appended as "translations" (an empty list when there is none)
//   /3/person/ID              person/ID.json
//   /t/p/original/NAME        images/NAME
// Missing files give TMDb's 404 document. Error statuses answer with errors/<status>.json.
// Every request is recorded.
class FakeTmdbServer
{
public:
    // Listens on `port`, or on a free one when 0.
    explicit FakeTmdbServer(std::filesystem::path fixtures = defaultFixtures(), int port = 0);
    ~FakeTmdbServer();
    FakeTmdbServer(const FakeTmdbServer&) = delete;
    FakeTmdbServer& operator=(const FakeTmdbServer&) = delete;

    static std::filesystem::path defaultFixtures();

    int port() const { return m_port; }
    // "http://127.0.0.1:PORT": both the API and the image host.
    std::string url() const;
    bool isListening() const { return m_port > 0; }

    // The next requests get these answers, in order, before the fixtures answer again.
    void queueAnswer(ScriptedAnswer answer, AnswerPacing pacing = {});
    // The next request gets TMDb's error document for the status, with a Retry-After header
    // when given.
    void queueError(int status, std::optional<int> retryAfterSeconds = std::nullopt);
    // As queueAnswer and queueError, for the next request to `path` only: requests that run
    // side by side arrive in any order. A path may end in "?name=value&...": the request must
    // then carry these query parameters too (among others).
    void queueAnswerFor(std::string path, ScriptedAnswer answer, AnswerPacing pacing = {});
    void queueErrorFor(std::string path, int status);
    // Every answer waits this long before it is sent.
    void setDelay(std::chrono::milliseconds delay);
    // Every answer waits until this many requests have arrived, so that an answer can only
    // come once the client has sent them all.
    void holdAnswersUntil(std::size_t requestCount);
    // Answers 401 to API requests whose api_key or bearer token is not `key`.
    void requireKey(std::string key);
    // Forgets queued answers, the delay, the hold, the required key and the recorded
    // requests, and drops the answers still waiting.
    void reset();

    std::vector<RecordedRequest> requests() const;
    std::size_t requestCount() const;
    // The most requests the server held at once, each from its arrival until its answer went
    // out (or, for an answer sent in pieces, began to), since the start or the last reset.
    std::size_t mostAtOnce() const;

private:
    void handle(const httplib::Request& request, httplib::Response& response);
    void answer(const httplib::Request& request, httplib::Response& response);
    std::optional<std::pair<ScriptedAnswer, AnswerPacing>>
    nextScripted(const httplib::Request& request);
    ScriptedAnswer fixtureAnswer(const httplib::Request& request) const;
    std::optional<std::string> detailsBody(const httplib::Request& request,
                                           const std::string& filmId) const;
    // The body with folder/NAME_translations.json appended, when the request asks for them.
    std::optional<std::string> appendedTranslations(const httplib::Request& request,
                                                    std::optional<std::string> body,
                                                    const std::filesystem::path& folder,
                                                    const std::string& name) const;
    std::optional<std::string> translatedFixture(const httplib::Request& request,
                                                 const std::filesystem::path& folder,
                                                 const std::string& name) const;
    ScriptedAnswer errorAnswer(int status) const;
    bool isAuthorised(const httplib::Request& request) const;
    void send(ScriptedAnswer answer, httplib::Response& response, AnswerPacing pacing = {});
    // Sleeps, waking early when the server stops or is reset. False when it did.
    bool pause(std::chrono::milliseconds duration);
    // Waits for the requests the answers are held for. False when the server stopped or was
    // reset meanwhile.
    bool awaitHeldRequests();

    std::filesystem::path m_fixtures;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    struct Queued
    {
        std::string path; // empty: any path
        ScriptedAnswer answer;
        AnswerPacing pacing;
    };
    std::deque<Queued> m_queue;
    std::chrono::milliseconds m_delay{0};
    std::size_t m_heldUntil = 0;
    unsigned m_generation = 0; // counts the resets, so that waiting answers see one
    std::optional<std::string> m_requiredKey;
    std::vector<RecordedRequest> m_requests;
    std::size_t m_atOnce = 0;
    std::size_t m_mostAtOnce = 0;
};

} // namespace ravello::testing
