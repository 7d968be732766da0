// SPDX-License-Identifier: MIT
#include <csignal>
#include <gtest/gtest.h>

#include "core/platform/interruption.h"

namespace ravello::platform {
namespace {

TEST(Interruption, CtrlCAndTermAreRememberedWhileWatchedOnly)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        watchInterruptions();
        EXPECT_FALSE(interrupted());
        std::raise(signal);
        EXPECT_TRUE(interrupted()) << signal;
        stopWatchingInterruptions();
        EXPECT_FALSE(interrupted());
    }
}

} // namespace
} // namespace ravello::platform
