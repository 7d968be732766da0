// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace ravello::tmdb {

// How hard the program may press the service: TMDb's published ceiling is about 50 requests a
// second, so the program stays well below it.
struct RequestLimits
{
    std::size_t maxAtOnce = 8;
    std::size_t maxPerSecond = 40; // requests started in any one second, 429 retries aside
};

// Whose request it is: the user's, or a preparation in the background that holds back its new
// requests while the user waits.
enum class RequestPriority
{
    User,
    Background
};

// The program's one ceiling on requests to TMDb, shared by every fetcher of the program (the
// window's, the batches', the preparation's on its own thread): at most maxAtOnce attempts
// under way at once and maxPerSecond started in any one second, whichever fetcher starts them.
// A retry after a 429 counts as under way but not against the per-second ceiling. Safe to
// use from any thread.
class RequestLimiter
{
public:
    using Clock = std::chrono::steady_clock;
    using ClockReading = std::function<Clock::time_point()>;

    // `now` reads the clock; tests hand in one of their own.
    explicit RequestLimiter(RequestLimits limits = {}, ClockReading now = &Clock::now);
    RequestLimiter(const RequestLimiter&) = delete;
    RequestLimiter& operator=(const RequestLimiter&) = delete;

    // True when an attempt may start now: it then counts as under way until ended(). False
    // when the ceiling is reached, or for a background attempt while the background is held.
    bool tryStart(RequestPriority priority, bool isRetry);
    // An attempt that tryStart let start has ended.
    void ended();
    // While held, no background attempt starts; those under way go on to their end.
    void holdBackground(bool held);

private:
    std::size_t startsInLastSecond(Clock::time_point now);

    const RequestLimits m_limits;
    const ClockReading m_now;
    std::mutex m_mutex;
    std::size_t m_underWay = 0;
    bool m_backgroundHeld = false;
    std::deque<Clock::time_point> m_starts; // of the last second, oldest first
};

} // namespace ravello::tmdb
