// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ravello::testing {

// One row of a table for a routine that changes a text in place.
struct InPlaceCase
{
    const char* name;
    std::string_view input;
    std::string_view expected;
};

// Runs the routine on a copy of each row's input and expects the row's result.
template <typename Routine>
void expectInPlace(Routine routine, std::initializer_list<InPlaceCase> cases)
{
    for (const InPlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text(c.input);
        routine(text);
        EXPECT_EQ(text, std::string(c.expected));
    }
}

} // namespace ravello::testing
