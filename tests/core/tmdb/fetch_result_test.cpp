// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/fetch_result.h"

namespace ravello::tmdb {
namespace {

TEST(FetchResult, DetailTellsTheTechnicalFactsOfEachProblem)
{
    FetchResult transport;
    transport.problem = FetchProblem::Transport;
    transport.transportError = {7, "Failed to connect to 127.0.0.1 port 9"};
    EXPECT_EQ(failureDetail(transport), "curl error 7: Failed to connect to 127.0.0.1 port 9");
    EXPECT_FALSE(transport.timedOut());

    FetchResult status;
    status.problem = FetchProblem::HttpStatus;
    status.httpStatus = 401;
    status.tmdbStatusMessage = "Invalid API key: You must be granted a valid key.";
    EXPECT_EQ(failureDetail(status),
              "HTTP status 401: Invalid API key: You must be granted a valid key.");
    status.tmdbStatusMessage.clear();
    status.httpStatus = 502;
    EXPECT_EQ(failureDetail(status), "HTTP status 502");

    FetchResult notJson;
    notJson.problem = FetchProblem::NotJson;
    notJson.httpStatus = 200;
    EXPECT_NE(failureDetail(notJson).find("not a JSON document"), std::string::npos);
    for (const FetchProblem problem :
         {FetchProblem::Session, FetchProblem::TooLarge, FetchProblem::File,
          FetchProblem::Cancelled, FetchProblem::Busy}) {
        FetchResult other;
        other.problem = problem;
        EXPECT_FALSE(failureDetail(other).empty());
    }
    EXPECT_TRUE(failureDetail(FetchResult{}).empty());
}

} // namespace
} // namespace ravello::tmdb
