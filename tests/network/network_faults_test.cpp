// SPDX-License-Identifier: MIT
// Faults of the network and of the service: each retrieval ends in bounded time with its
// problem, caches nothing, and never tells the key.
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_search.h"
#include "tests/network/network_test.h"
#ifdef RAVELLO_TEST_HTTPS_SERVER
#include "tests/support/self_signed_https_server.h"
#endif
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using tmdb::FetchProblem;
using tmdb::FetchResult;

constexpr const char* kKey = "feedc0ffee0123456789abcdef012345";

class NetworkFaults : public NetworkTest
{
protected:
    tmdb::Request details() const { return endpoint(kKey).detailsRequest(4321); }

    // Fetches film 4321's details and checks that it failed with `problem` in bounded time.
    FetchResult expectFailure(tmdb::Fetcher& fetcher, FetchProblem problem)
    {
        const auto start = steady_clock::now();
        FetchResult result = fetcher.fetchJson(details());
        EXPECT_LT(steady_clock::now() - start, seconds(8));
        EXPECT_EQ(result.problem, problem) << tmdb::failureDetail(result);
        EXPECT_FALSE(tmdb::failureDetail(result).empty());
        return result;
    }

    tmdb::Fetcher m_fetcher{quickOptions()};
};

std::string fixtureBody()
{
    return readFileBytes(fixturePath("tmdb/movie/4321.json"));
}

TEST_F(NetworkFaults, ServerThatAcceptsAndNeverAnswersIsGivenUp)
{
    server().setDelay(seconds(6));
    const FetchResult result = expectFailure(m_fetcher, FetchProblem::Transport);
    EXPECT_NE(result.transportError.code, 0);
    EXPECT_EQ(result.timeLimit, quickOptions().lowSpeedTime);
}

// A byte a second is a connection, not a transfer: the low-speed rule ends it.
TEST_F(NetworkFaults, ServerThatDripsAByteASecondIsGivenUp)
{
    for (const bool announceLength : {true, false}) {
        server().queueAnswer({200, fixtureBody(), "application/json", {}, 0, announceLength, {}},
                             {seconds(1), {}});
        expectFailure(m_fetcher, FetchProblem::Transport);
    }
}

// A drip fast enough for the low-speed rule still ends at the total time-out.
TEST_F(NetworkFaults, TotalTimeOutEndsAnyTransfer)
{
    tmdb::FetcherOptions options = quickOptions();
    options.lowSpeedBytes = 1;
    options.totalTimeout = milliseconds(1500);
    tmdb::Fetcher fetcher(options);
    server().queueAnswer({200, fixtureBody(), "application/json", {}, 0, true, {}},
                         {milliseconds(50), {}});
    expectFailure(fetcher, FetchProblem::Transport);
}

TEST_F(NetworkFaults, AnswerCutOffHalfWayIsATransportFailure)
{
    const std::string body = fixtureBody();
    for (const bool announceLength : {true, false}) {
        server().queueAnswer({200, body, "application/json", {}, 0, announceLength, {}},
                             {{}, body.size() / 2});
        expectFailure(m_fetcher, FetchProblem::Transport);
    }

    TemporaryFolder folder;
    server().queueAnswer({200, std::string(20000, 'j'), "image/jpeg", {}, 0, true, {}},
                         {{}, 10000});
    const FetchResult download = m_fetcher.downloadToFile(
        {server().url() + "/t/p/original/abc.jpg", {}}, folder / "poster.jpg");
    EXPECT_EQ(download.problem, FetchProblem::Transport);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

// Nothing of a failed answer reaches the film cache, and the next opening asks again.
TEST_F(NetworkFaults, FilmCacheKeepsNothingOfAFault)
{
    TemporaryFolder folder;
    const tmdb::Endpoint keyed = endpoint(kKey);
    tmdb::FilmCache cache(files::ProgramFolders::at(folder.path()), keyed, m_fetcher);
    const std::string body = fixtureBody();
    const ScriptedAnswer html{
        200, "<html><body>Service unavailable</body></html>", "text/html", {}, 0, false, {}};
    const ScriptedAnswer huge{200, "", "application/json", {}, 50u << 20, true, {}};
    const ScriptedAnswer error{
        200, R"({"status_code":34,"status_message":"no"})", "application/json", {}, 0, false, {}};
    const std::pair<ScriptedAnswer, AnswerPacing> faults[] = {
        {{200, body, "application/json", {}, 0, true, {}}, {{}, body.size() - 1}},
        {html, {}},
        {huge, {}},
        {error, {}},
    };
    for (const auto& [fault, pacing] : faults) {
        server().reset();
        server().queueAnswer(fault, pacing); // the details
        server().queueAnswer(fault, pacing); // the credits
        const tmdb::FilmOpening opening = cache.open(4321, "");
        EXPECT_FALSE(fs::exists(cache.filmDataFile(4321))) << fault.body;
        EXPECT_FALSE(fs::exists(cache.creditsFile(4321))) << fault.body;
        EXPECT_FALSE(opening.dataPage.title);
    }
    server().reset();
    EXPECT_TRUE(cache.open(4321, "").failures.empty());
    EXPECT_TRUE(fs::exists(cache.filmDataFile(4321)));
}

TEST_F(NetworkFaults, KeyNeverAppearsInAFailure)
{
    const std::string echo =
        std::string("{\"status_code\":7,\"status_message\":\"Invalid API key ") + kKey + "\"}";
    server().queueAnswer({401, echo, "application/json", {}, 0, false, {}});
    FetchResult result = expectFailure(m_fetcher, FetchProblem::HttpStatus);
    EXPECT_EQ(result.tmdbStatusMessage, "Invalid API key ***");

    const std::string page = std::string("<html>No page /3/movie/4321?api_key=") + kKey + "</html>";
    server().queueAnswer({404, page, "text/html", {}, 0, false, {}});
    FetchResult notFound = expectFailure(m_fetcher, FetchProblem::HttpStatus);

    const tmdb::Request refused{"http://127.0.0.1:9/3/movie/1?api_key=" + std::string(kKey), {}};
    const FetchResult transport = m_fetcher.fetchJson(refused);
    const tmdb::Request bearer{"http://127.0.0.1:9/3/movie/1", "eyJhbGciOi.secret.c2ln"};
    const FetchResult bearerResult = m_fetcher.fetchJson(bearer);
    for (const FetchResult* failure :
         std::initializer_list<const FetchResult*>{&result, &notFound, &transport, &bearerResult}) {
        for (const std::string& text : {tmdb::failureDetail(*failure), failure->body,
                                        failure->tmdbStatusMessage, failure->transportError.text}) {
            EXPECT_EQ(text.find(kKey), std::string::npos) << text;
            EXPECT_EQ(text.find("secret"), std::string::npos) << text;
        }
    }
}

// The search text is one parameter whatever it holds: it cannot add a key, a language or a
// fragment of its own.
TEST_F(NetworkFaults, SearchTextCannotAddQueryParameters)
{
    const std::string text = "x&api_key=stolen&language=xx#frag?y=1+2%41";
    const tmdb::SearchOutcome outcome = tmdb::searchFilms(endpoint(kKey), m_fetcher, text);
    EXPECT_TRUE(outcome.fetch.ok());
    const RecordedRequest request = server().requests().at(0);
    EXPECT_EQ(request.param("query"), text);
    EXPECT_EQ(request.params.count("api_key"), 1u);
    EXPECT_EQ(request.param("api_key"), kKey);
    EXPECT_EQ(request.params.count("language"), 1u);
    EXPECT_EQ(request.params.size(), 3u);
    EXPECT_EQ(request.target.find('#'), std::string::npos);
}

// A Retry-After too long to read is the longest wait, not the short default.
TEST_F(NetworkFaults, LongRetryAfterWaitsTheLongestWait)
{
    ScriptedAnswer busy{429,
                        R"({"status_code":25,"status_message":"busy"})",
                        "application/json",
                        {{"Retry-After", "99999999999999"}},
                        0,
                        false,
                        {}};
    server().queueAnswer(busy);
    const auto start = steady_clock::now();
    EXPECT_TRUE(m_fetcher.fetchJson(details()).ok());
    EXPECT_GE(steady_clock::now() - start, quickOptions().maxRetryWait);
    EXPECT_EQ(server().requestCount(), 2u);
}

#ifdef RAVELLO_TEST_HTTPS_SERVER
// A certificate that no authority signed is refused, so a man in the middle gets nothing.
TEST_F(NetworkFaults, SelfSignedCertificateIsRefused)
{
    SelfSignedHttpsServer https;
    ASSERT_TRUE(https.isListening());
    const FetchResult result = m_fetcher.fetchJson({https.url() + "/3/movie/1", {}});
    EXPECT_EQ(result.problem, FetchProblem::Transport);
    EXPECT_EQ(result.transportError.code, 60) << result.transportError.text; // peer not verified
    TemporaryFolder folder;
    EXPECT_FALSE(m_fetcher.downloadToFile({https.url() + "/x.jpg", {}}, folder / "x.jpg").ok());
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

// Following a redirect from https to plain http would send the key in clear: it is refused,
// while a redirect to another https address is followed.
TEST_F(NetworkFaults, HttpsIsNeverRedirectedToPlainHttp)
{
    tmdb::FetcherOptions options = quickOptions();
    options.certificateAuthorities = SelfSignedHttpsServer::certificateFile();
    tmdb::Fetcher trusting(options);
    SelfSignedHttpsServer https;
    SelfSignedHttpsServer toHttps(https.url() + "/3/movie/1");
    SelfSignedHttpsServer toHttp(server().url() + "/3/movie/4321");
    ASSERT_TRUE(https.isListening() && toHttps.isListening() && toHttp.isListening());

    EXPECT_TRUE(trusting.fetchJson({toHttps.url() + "/3/movie/1", {}}).ok());
    const FetchResult result =
        trusting.fetchJson({toHttp.url() + "/3/movie/1?api_key=" + std::string(kKey), {}});
    EXPECT_EQ(result.problem, FetchProblem::Transport);
    EXPECT_EQ(result.transportError.code, 1) << result.transportError.text; // protocol refused
    EXPECT_EQ(server().requestCount(), 0u);
}
#else
TEST_F(NetworkFaults, CertificateChecksNeedATlsTestServer)
{
    GTEST_SKIP() << "this build's cpp-httplib serves no TLS";
}
#endif

} // namespace
} // namespace ravello::testing
