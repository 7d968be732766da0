// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/fetch_result.h"

namespace ravello::tmdb {
namespace {

TEST(FetchResult, TellsEachProblemInItsMessage)
{
    FetchResult transport;
    transport.problem = FetchProblem::Transport;
    transport.transportError = {7, "Failed to connect to 127.0.0.1 port 9"};
    EXPECT_EQ(failureMessage(transport), "Failed to open URL\nError No:7");
    EXPECT_EQ(failureDetail(transport), "transfer error 7: Failed to connect to 127.0.0.1 port 9");

    FetchResult session;
    session.problem = FetchProblem::Session;
    EXPECT_EQ(failureMessage(session), "Connection Failed or Syntax error");

    FetchResult status;
    status.problem = FetchProblem::HttpStatus;
    status.httpStatus = 401;
    status.tmdbStatusMessage = "Invalid API key: You must be granted a valid key.";
    EXPECT_EQ(failureMessage(status),
              "TMDb answered with HTTP status 401: Invalid API key: You must be granted a valid "
              "key.");
    status.tmdbStatusMessage.clear();
    status.httpStatus = 502;
    EXPECT_EQ(failureMessage(status), "TMDb answered with HTTP status 502");

    FetchResult notJson;
    notJson.problem = FetchProblem::NotJson;
    notJson.httpStatus = 200;
    EXPECT_NE(failureMessage(notJson).find("not a JSON document"), std::string::npos);
    EXPECT_TRUE(failureMessage(FetchResult{}).empty());
}

} // namespace
} // namespace ravello::tmdb
