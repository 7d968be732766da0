// SPDX-License-Identifier: MIT
#include "core/tmdb/request_limiter.h"

#include <algorithm>
#include <utility>

namespace ravello::tmdb {

// Limits of 0 would let nothing start: one at a time is the least.
RequestLimiter::RequestLimiter(RequestLimits limits, ClockReading now)
    : m_limits{std::max<std::size_t>(limits.maxAtOnce, 1),
               std::max<std::size_t>(limits.maxPerSecond, 1)},
      m_now(std::move(now))
{}

bool RequestLimiter::tryStart(RequestPriority priority, bool isRetry)
{
    const std::lock_guard lock(m_mutex);
    if (m_underWay >= m_limits.maxAtOnce ||
        (priority == RequestPriority::Background && m_backgroundHeld))
        return false;
    if (!isRetry) {
        const Clock::time_point now = m_now();
        if (startsInLastSecond(now) >= m_limits.maxPerSecond)
            return false;
        m_starts.push_back(now);
    }
    ++m_underWay;
    return true;
}

void RequestLimiter::ended()
{
    const std::lock_guard lock(m_mutex);
    if (m_underWay > 0)
        --m_underWay;
}

void RequestLimiter::holdBackground(bool held)
{
    const std::lock_guard lock(m_mutex);
    m_backgroundHeld = held;
}

std::size_t RequestLimiter::startsInLastSecond(Clock::time_point now)
{
    while (!m_starts.empty() && m_starts.front() + std::chrono::seconds(1) <= now)
        m_starts.pop_front();
    return m_starts.size();
}

} // namespace ravello::tmdb
