// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/split_name.h"

namespace ravello::output {
namespace {

struct SplitCase
{
    std::string_view name;
    std::string_view first;
    std::string_view middle;
    std::string_view last;
};

const SplitCase kCases[] = {
    {"Zendaya", "", "", "Zendaya"},
    {"Jean Reno", "Jean", "", "Reno"},
    {"Jean  Reno", "Jean", "", "Reno"},
    {"Samuel L. Jackson", "Samuel", "L.", "Jackson"},
    {"Maria de los Angeles", "Maria", "de", "los Angeles"},
    {"A  B  C  D", "A", "B", "C  D"},
    {"", "", "", ""},
    // Only the space separates words; a tab stays inside the word.
    {"Jean\tReno", "", "", "Jean\tReno"},
    // An accented capital opening the middle name is text, not a blank.
    {"Anna \xc9lise Martin", "Anna", "\xc9lise", "Martin"},
    {"Anna \xc3\x89lise Martin", "Anna", "\xc3\x89lise", "Martin"},
    // A stray trailing space leaves no blanks behind as a name.
    {"Cher ", "Cher", "", ""},
};

TEST(splitName, SplitsAtTheFirstTwoSpaces)
{
    for (const SplitCase& c : kCases) {
        const PersonName name = splitName(c.name);
        EXPECT_EQ(name.first, c.first) << '"' << c.name << '"';
        EXPECT_EQ(name.middle, c.middle) << '"' << c.name << '"';
        EXPECT_EQ(name.last, c.last) << '"' << c.name << '"';
    }
}

} // namespace
} // namespace ravello::output
