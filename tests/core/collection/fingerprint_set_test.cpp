// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>

#include "core/collection/fingerprint_set.h"

namespace ravello::collection {
namespace {

// Texts that differ in one byte, in their length only, or not at all; enough of them that the
// table grows many times.
TEST(FingerprintSet, TellsEveryTextFromEveryOtherThroughGrowth)
{
    FingerprintSet set;
    const auto text = [](int number) {
        return "FirstName=\"Ann\" LastName=\"" + std::to_string(number) + "\"";
    };
    for (int number = 0; number < 100000; ++number)
        ASSERT_TRUE(set.insert(fingerprintOf(text(number)))) << number;
    EXPECT_EQ(set.size(), 100000u);
    for (int number = 0; number < 100000; ++number)
        ASSERT_FALSE(set.insert(fingerprintOf(text(number)))) << number;
    EXPECT_FALSE(set.contains(fingerprintOf(text(100000))));
    EXPECT_NE(fingerprintOf("Ann"), fingerprintOf("Ann "));
    EXPECT_NE(fingerprintOf(std::string(8, '\0')), fingerprintOf(std::string(7, '\0')));
    EXPECT_TRUE(set.insert(fingerprintOf("")));
    EXPECT_TRUE(set.contains(fingerprintOf("")));
}

} // namespace
} // namespace ravello::collection
