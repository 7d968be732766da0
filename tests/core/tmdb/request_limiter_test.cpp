// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/request_limiter.h"

namespace ravello::tmdb {
namespace {

using namespace std::chrono;
using Priority = RequestPriority;

class RequestLimiterTest : public ::testing::Test
{
protected:
    RequestLimiter::Clock::time_point m_now = RequestLimiter::Clock::now();
    RequestLimiter m_limiter{{2, 3}, [this] { return m_now; }};
};

TEST_F(RequestLimiterTest, KeepsToItsRequestsAtOnce)
{
    EXPECT_TRUE(m_limiter.tryStart(Priority::User, false));
    EXPECT_TRUE(m_limiter.tryStart(Priority::Background, false));
    EXPECT_FALSE(m_limiter.tryStart(Priority::User, false));
    EXPECT_FALSE(m_limiter.tryStart(Priority::User, true)) << "a retry is under way too";
    m_limiter.ended();
    EXPECT_TRUE(m_limiter.tryStart(Priority::User, false));
}

// A retry after a 429 is not counted against the second's ceiling, as the fetcher's rule says.
TEST_F(RequestLimiterTest, KeepsToItsStartsInAnyOneSecond)
{
    for (int start = 0; start < 3; ++start) {
        ASSERT_TRUE(m_limiter.tryStart(Priority::User, false));
        m_limiter.ended();
        m_now += milliseconds(100);
    }
    EXPECT_FALSE(m_limiter.tryStart(Priority::User, false));
    EXPECT_TRUE(m_limiter.tryStart(Priority::User, true));
    m_limiter.ended();
    m_now += milliseconds(699);
    EXPECT_FALSE(m_limiter.tryStart(Priority::User, false)) << "the first start is 999 ms old";
    m_now += milliseconds(1);
    EXPECT_TRUE(m_limiter.tryStart(Priority::User, false));
}

TEST_F(RequestLimiterTest, HoldsTheBackgroundBackWhileTheUserWaits)
{
    m_limiter.holdBackground(true);
    EXPECT_FALSE(m_limiter.tryStart(Priority::Background, false));
    EXPECT_FALSE(m_limiter.tryStart(Priority::Background, true));
    EXPECT_TRUE(m_limiter.tryStart(Priority::User, false));
    m_limiter.holdBackground(false);
    EXPECT_TRUE(m_limiter.tryStart(Priority::Background, false));
}

TEST(RequestLimiter, LimitsOfNoneLetOneRequestGo)
{
    RequestLimiter limiter({0, 0});
    EXPECT_TRUE(limiter.tryStart(Priority::User, false));
    EXPECT_FALSE(limiter.tryStart(Priority::User, true));
}

} // namespace
} // namespace ravello::tmdb
