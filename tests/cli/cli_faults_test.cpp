// SPDX-License-Identifier: MIT
// The TMDb commands against a failing service: each exits 1 with the problem on standard
// error, writes nothing on standard output, caches nothing, and never prints the key.
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

#include "cli/cli_context.h"
#include "cli/fetch_failure_text.h"
#include "core/files/path_text.h"
#include "core/settings/settings_file.h"
#include "tests/cli/cli_run.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::cli {
namespace {

using namespace std::chrono;
using testing::ScriptedAnswer;

constexpr const char* kKey = "c0ffee0123456789abcdef0123456789";
// The film the failing commands open: its details request gets the scripted answers, since
// the details and the credits are asked for side by side and arrive in any order.
constexpr const char* kFilmDetails = "/3/movie/4321";

void setVariable(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

class CliFaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.isListening());
        pointAt(m_server.url());
        settings::Settings settings;
        settings.tmdbKey = kKey;
        ASSERT_TRUE(settings::saveSettings(m_folder / "Ravello.INI", settings));
    }

    static void pointAt(const std::string& url)
    {
        setVariable("RAVELLO_TMDB_API_URL", url);
        setVariable("RAVELLO_TMDB_IMAGE_URL", url);
    }

    CliRun run(Arguments arguments)
    {
        arguments.insert(arguments.begin(), {"--data-dir", files::utf8FromPath(m_folder.path())});
        return runCapturing(arguments);
    }

    // Runs the command against the next answer and checks the failure.
    void expectFailure(const Arguments& arguments, const std::string& message)
    {
        SCOPED_TRACE(arguments[0] + " expecting " + message);
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kFailure);
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(kKey), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(m_folder / "DB/Movie/FilmData/0004/data_0004321.txt"));
    }

    testing::FakeTmdbServer m_server;
    testing::TemporaryFolder m_folder;
};

TEST_F(CliFaults, ErrorStatusesFailWithTheStatus)
{
    for (const int status : {401, 404, 500, 503}) {
        m_server.queueError(status);
        expectFailure({"search", "Sample Film"}, "HTTP status " + std::to_string(status));
        m_server.queueErrorFor(kFilmDetails, status);
        expectFailure({"film", "4321"}, "HTTP status " + std::to_string(status));
    }
}

TEST_F(CliFaults, AnswersThatAreNoDocumentFail)
{
    const ScriptedAnswer html{
        200, "<html><body>Down for maintenance</body></html>", "text/html", {}, 0, false, {}};
    m_server.queueAnswer(html);
    expectFailure({"search", "Sample Film"}, "not a JSON document");
    m_server.queueAnswerFor(kFilmDetails, html);
    expectFailure({"film", "4321"}, "not a JSON document");
    m_server.queueAnswerFor(kFilmDetails, {200, "", "application/json", {}, 50u << 20, false, {}});
    expectFailure({"film", "4321"}, "too large");
    const std::string body = testing::readFileBytes(testing::fixturePath("tmdb/movie/4321.json"));
    m_server.queueAnswerFor(kFilmDetails, {200, body, "application/json", {}, 0, true, {}},
                            {{}, body.size() / 2});
    expectFailure({"film", "4321"}, "curl error");
}

// What happened comes first in words, the library's or TMDb's own detail after it.
TEST(FetchFailureText, SaysWhatHappenedThenTheDetail)
{
    tmdb::FetchResult timedOut;
    timedOut.problem = tmdb::FetchProblem::Transport;
    timedOut.transportError = {28, "Operation too slow"};
    timedOut.timeLimit = seconds(30);
    EXPECT_EQ(fetchFailureText(timedOut), "The Movie Database did not answer within 30 seconds "
                                          "(curl error 28: Operation too slow)");
    timedOut.timeLimit = milliseconds(1500);
    EXPECT_NE(fetchFailureText(timedOut).find("within 1.5 seconds"), std::string::npos);

    tmdb::FetchResult refused;
    refused.problem = tmdb::FetchProblem::HttpStatus;
    refused.httpStatus = 401;
    refused.tmdbStatusMessage = "Invalid API key: You must be granted a valid key.";
    EXPECT_EQ(fetchFailureText(refused), "The Movie Database answered with HTTP status 401: "
                                         "Invalid API key: You must be granted a valid key.");

    tmdb::FetchResult busy;
    busy.problem = tmdb::FetchProblem::Busy;
    EXPECT_EQ(fetchFailureText(busy),
              "Nothing was sent (a retrieval was started while another was running)");
}

TEST_F(CliFaults, ServerThatIsNotThereFails)
{
    pointAt("http://127.0.0.1:9");
    expectFailure({"search", "Sample Film"}, "curl error");
    expectFailure({"film", "4321"}, "curl error");
}

TEST_F(CliFaults, EchoedKeyIsNotPrinted)
{
    const std::string echo =
        std::string(R"({"status_code":7,"status_message":"Invalid API key: )") + kKey + "\"}";
    m_server.queueAnswer({401, echo, "application/json", {}, 0, false, {}});
    expectFailure({"search", "Sample Film"}, "Invalid API key: ***");
    m_server.queueAnswerFor(kFilmDetails, {401, echo, "application/json", {}, 0, false, {}});
    expectFailure({"film", "4321"}, "Invalid API key: ***");
}

// A 429 waits as long as Retry-After says and tries once more.
TEST_F(CliFaults, TooManyRequestsWaitsAndTriesOnceMore)
{
    m_server.queueError(429, 1);
    const auto start = steady_clock::now();
    const CliRun result = run({"search", "Sample Film"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_GE(steady_clock::now() - start, milliseconds(950));
    EXPECT_EQ(m_server.requestCount(), 2u);

    m_server.reset();
    m_server.queueError(429, 1);
    m_server.queueError(429, 1);
    expectFailure({"search", "Sample Film"}, "HTTP status 429");
    EXPECT_EQ(m_server.requestCount(), 2u);
}

} // namespace
} // namespace ravello::cli
