// SPDX-License-Identifier: MIT
#include <atomic>
#include <memory>
#include <optional>

#include "core/tmdb/fetcher.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using tmdb::FetchProblem;
using tmdb::FetchResult;
using tmdb::Request;

class Fetcher : public NetworkTest
{
protected:
    tmdb::Fetcher m_fetcher{quickOptions()};

    Request api(const std::string& path) { return {server().url() + path, {}}; }
};

TEST_F(Fetcher, GivesTheBodyOfAJsonAnswerAsReceived)
{
    const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.httpStatus, 200);
    EXPECT_EQ(result.body, readFileBytes(fixturePath("tmdb/movie/4321.json")));
    const RecordedRequest request = server().requests().at(0);
    EXPECT_EQ(request.header("accept"), "application/json");
    EXPECT_TRUE(request.header("user-agent").starts_with("Ravello/"));
    EXPECT_TRUE(request.header("authorization").empty());
}

TEST_F(Fetcher, SendsABearerToken)
{
    ASSERT_TRUE(m_fetcher.fetchJson({server().url() + "/3/movie/4321", "eyJ.token"}).ok());
    EXPECT_EQ(server().requests().at(0).header("authorization"), "Bearer eyJ.token");
}

// A status outside 200-299 is an error whatever the body, with TMDb's message when it sent one.
TEST_F(Fetcher, ReportsErrorStatusesWithTmdbsMessage)
{
    const struct
    {
        int status;
        const char* message;
    } cases[] = {
        {401, "Invalid API key: You must be granted a valid key."},
        {404, "The resource you requested could not be found."},
        {500, "Internal error: Something went wrong, contact TMDB."},
        {503, "Service offline: This service is temporarily offline, try again later."},
    };
    for (const auto& test : cases) {
        server().queueError(test.status);
        const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
        EXPECT_EQ(result.problem, FetchProblem::HttpStatus) << test.status;
        EXPECT_EQ(result.httpStatus, test.status);
        EXPECT_EQ(result.tmdbStatusMessage, test.message);
    }
    server().queueAnswer({502, "<html>Bad Gateway</html>", "text/html", {}, 0, false, {}});
    const FetchResult html = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_EQ(html.problem, FetchProblem::HttpStatus);
    EXPECT_TRUE(html.tmdbStatusMessage.empty());
}

TEST_F(Fetcher, RejectsAnAnswerThatIsNotJson)
{
    server().queueAnswer({200, "<html><body>Welcome</body></html>", "text/html", {}, 0, false, {}});
    const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_EQ(result.problem, FetchProblem::NotJson);
    EXPECT_EQ(result.httpStatus, 200);
}

TEST_F(Fetcher, TriesOnceMoreAfterRetryAfter)
{
    server().queueError(429, 1);
    const auto start = steady_clock::now();
    const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_TRUE(result.ok());
    EXPECT_GE(steady_clock::now() - start, milliseconds(950));
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(Fetcher, WaitsTheDefaultTimeAfterA429WithoutRetryAfter)
{
    server().queueError(429);
    const auto start = steady_clock::now();
    EXPECT_TRUE(m_fetcher.fetchJson(api("/3/movie/4321")).ok());
    EXPECT_GE(steady_clock::now() - start, quickOptions().defaultRetryWait);
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(Fetcher, GivesUpAfterASecond429AndCapsTheWait)
{
    server().queueError(429, 3600);
    server().queueError(429, 3600);
    const auto start = steady_clock::now();
    const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_LT(steady_clock::now() - start, seconds(5));
    EXPECT_EQ(result.problem, FetchProblem::HttpStatus);
    EXPECT_EQ(result.httpStatus, 429);
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(Fetcher, GivesUpOnAnAnswerThatStalls)
{
    ScriptedAnswer stalled{200, "{}", "application/json", {}, 0, false, seconds(5)};
    server().queueAnswer(stalled);
    const auto start = steady_clock::now();
    const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
    EXPECT_LT(steady_clock::now() - start, seconds(10));
    EXPECT_EQ(result.problem, FetchProblem::Transport);
    EXPECT_NE(result.transportError.code, 0);
    EXPECT_FALSE(result.transportError.text.empty());
}

TEST_F(Fetcher, ReportsAServerThatIsNotThere)
{
    const FetchResult result = m_fetcher.fetchJson({"http://127.0.0.1:9/3/movie/1", {}});
    EXPECT_EQ(result.problem, FetchProblem::Transport);
    EXPECT_EQ(result.transportError.code, 7); // could not connect
    EXPECT_FALSE(result.timedOut());
}

TEST_F(Fetcher, StopsAtTheSizeCapWithOrWithoutALength)
{
    for (const bool announceLength : {false, true}) {
        server().queueAnswer({200, "", "application/json", {}, 50u << 20, announceLength, {}});
        const auto start = steady_clock::now();
        const FetchResult result = m_fetcher.fetchJson(api("/3/movie/4321"));
        EXPECT_EQ(result.problem, FetchProblem::TooLarge) << announceLength;
        EXPECT_LE(result.body.size(), tmdb::kMaxJsonBytes);
        EXPECT_LT(steady_clock::now() - start, seconds(10));
    }
}

TEST_F(Fetcher, CallsTheProgressCallbackWhileWaiting)
{
    std::atomic<int> calls{0};
    m_fetcher.setProgressCallback([&](milliseconds) {
        ++calls;
        return tmdb::WaitChoice::KeepWaiting;
    });
    server().setDelay(milliseconds(400));
    ASSERT_TRUE(m_fetcher.fetchJson(api("/3/movie/4321")).ok());
    EXPECT_GE(calls.load(), 4);
}

// A retrieval started while a batch of the same fetcher runs would stall that batch: it is
// refused at once, whether the progress callback or a retrieval's `ended` starts it.
TEST_F(Fetcher, RefusesARetrievalStartedWhileItsBatchRuns)
{
    std::vector<FetchResult> nested;
    m_fetcher.setProgressCallback([&](milliseconds) {
        if (nested.empty())
            nested.push_back(m_fetcher.fetchJson(api("/3/movie/4322")));
        return tmdb::WaitChoice::KeepWaiting;
    });
    std::vector<tmdb::Retrieval> batch;
    batch.push_back({api("/3/movie/4321"), {}, [&](FetchResult&) {
                         nested.push_back(m_fetcher.fetchJson(api("/3/movie/4325")));
                     }});
    server().setDelay(milliseconds(200));
    const std::vector<FetchResult> results = m_fetcher.fetchAll(std::move(batch));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok());
    ASSERT_EQ(nested.size(), 2u);
    for (const FetchResult& refused : nested) {
        EXPECT_EQ(refused.problem, FetchProblem::Busy);
        EXPECT_EQ(tmdb::failureDetail(refused),
                  "a retrieval was started while another was running");
    }
    EXPECT_EQ(server().requestCount(), 1u) << "nothing of a refused retrieval is sent";

    m_fetcher.setProgressCallback({});
    EXPECT_TRUE(m_fetcher.fetchJson(api("/3/movie/4322")).ok()) << "the fetcher works on";
}

// Two fetchers of one limiter share its ceiling: while the first one's request is under way, the
// second's waits for it and is never sent, however long it waits.
TEST_F(Fetcher, TwoFetchersShareTheirLimitersRequestsAtOnce)
{
    const auto limiter = std::make_shared<tmdb::RequestLimiter>(tmdb::RequestLimits{1, 40});
    tmdb::Fetcher window(quickOptions(), limiter);
    tmdb::Fetcher preparation(quickOptions(), limiter, tmdb::RequestPriority::Background);
    std::optional<FetchResult> waited;
    window.setProgressCallback([&](milliseconds) {
        if (!waited) {
            int calls = 0;
            preparation.setProgressCallback([&](milliseconds) {
                return ++calls < 20 ? tmdb::WaitChoice::KeepWaiting : tmdb::WaitChoice::Cancel;
            });
            waited = preparation.fetchJson(api("/3/movie/4322"));
        }
        return tmdb::WaitChoice::KeepWaiting;
    });
    server().setDelay(milliseconds(100));
    EXPECT_TRUE(window.fetchJson(api("/3/movie/4321")).ok());
    ASSERT_TRUE(waited);
    EXPECT_EQ(waited->problem, FetchProblem::Cancelled);
    EXPECT_EQ(server().requestCount(), 1u);

    preparation.setProgressCallback({});
    EXPECT_TRUE(preparation.fetchJson(api("/3/movie/4322")).ok()) << "the start was given back";
}

// The per-second ceiling counts the starts of every fetcher of the limiter: the clock of the
// limiter stands still until the second fetcher has waited a while, and then moves on by a
// second.
TEST_F(Fetcher, TwoFetchersShareTheirLimitersRequestsASecond)
{
    auto now = steady_clock::now();
    const auto limiter =
        std::make_shared<tmdb::RequestLimiter>(tmdb::RequestLimits{8, 2}, [&] { return now; });
    tmdb::Fetcher first(quickOptions(), limiter);
    tmdb::Fetcher second(quickOptions(), limiter);
    std::vector<tmdb::Retrieval> two;
    two.push_back({api("/3/movie/4321"), {}, {}});
    two.push_back({api("/3/movie/4322"), {}, {}});
    for (const FetchResult& result : first.fetchAll(std::move(two)))
        EXPECT_TRUE(result.ok());
    std::vector<std::size_t> sentWhileWaiting;
    second.setProgressCallback([&](milliseconds) {
        if (sentWhileWaiting.size() < 5) {
            sentWhileWaiting.push_back(server().requestCount());
            if (sentWhileWaiting.size() == 5)
                now += seconds(1);
        }
        return tmdb::WaitChoice::KeepWaiting;
    });
    server().setDelay(milliseconds(100));
    EXPECT_TRUE(second.fetchJson(api("/3/movie/4325")).ok());
    EXPECT_EQ(sentWhileWaiting, std::vector<std::size_t>(5, 2));
    EXPECT_EQ(server().requestCount(), 3u);
}

TEST_F(Fetcher, DownloadsAPictureWhole)
{
    TemporaryFolder folder;
    const fs::path target = folder / "abc.jpg";
    const FetchResult result = m_fetcher.downloadToFile(api("/t/p/original/abc.jpg"), target);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(readFileBytes(target), readFileBytes(fixturePath("tmdb/images/abc.jpg")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// A failed download leaves neither the file nor a temporary one behind, and keeps a file that
// was already there.
TEST_F(Fetcher, LeavesNoFileWhenADownloadFails)
{
    TemporaryFolder folder;
    const fs::path target = folder / "poster.jpg";
    server().queueAnswer({200, "", "image/jpeg", {}, 50u << 20, false, {}});
    EXPECT_EQ(m_fetcher.downloadToFile(api("/t/p/original/abc.jpg"), target).problem,
              FetchProblem::TooLarge);
    server().queueAnswer({200, std::string(5000, 'j'), "image/jpeg", {}, 0, false, seconds(5)});
    EXPECT_EQ(m_fetcher.downloadToFile(api("/t/p/original/abc.jpg"), target).problem,
              FetchProblem::Transport);
    const FetchResult missing = m_fetcher.downloadToFile(api("/t/p/original/none.jpg"), target);
    EXPECT_EQ(missing.problem, FetchProblem::HttpStatus);
    EXPECT_EQ(missing.httpStatus, 404);
    EXPECT_TRUE(fs::is_empty(folder.path()));

    writeFileBytes(target, "kept");
    server().queueError(500);
    EXPECT_FALSE(m_fetcher.downloadToFile(api("/t/p/original/abc.jpg"), target).ok());
    EXPECT_EQ(readFileBytes(target), "kept");
}

} // namespace
} // namespace ravello::testing
