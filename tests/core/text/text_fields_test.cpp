// SPDX-License-Identifier: MIT
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

#include "core/text/text_fields.h"
#include "tests/support/in_place_cases.h"

namespace ravello::text {
namespace {

using namespace std::string_view_literals;

using ravello::testing::expectInPlace;

TEST(TextFields, TrimRightRemovesBlanksAndControlsButNotHighBytes)
{
    expectInPlace(trimRight, {
                                 {"space CR LF", "Alien \r\n", "Alien"},
                                 {"three spaces", "   ", ""},
                                 {"empty", "", ""},
                                 {"tab and NUL", "a\t\0"sv, "a"},
                                 {"accented letter at the end", "caf\xE9", "caf\xE9"},
                                 {"no-break space is text", "a\xA0", "a\xA0"},
                                 {"leading blanks stay", "  a", "  a"},
                             });
}

TEST(TextFields, TrimLeftRemovesLeadingBlanksUnlessThatIsAll)
{
    expectInPlace(trimLeft, {
                                {"two spaces and a tab", "  \tAlien", "Alien"},
                                {"three spaces stay", "   ", "   "},
                                {"empty", "", ""},
                                {"accented first letter", "\xC9t\xE9", "\xC9t\xE9"},
                                {"UTF-8 lead byte first", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
                                {"trailing blanks stay",
                                 "\x01"
                                 "a ",
                                 "a "},
                            });
}

TEST(TextFields, DropLeadingRemovesCharactersOnlyWhenThereAreEnough)
{
    std::string nine = "123456789";
    dropLeading(nine, 10);
    EXPECT_EQ(nine, "123456789");

    std::string ten = "1234567890";
    dropLeading(ten, 10);
    EXPECT_EQ(ten, "");

    std::string some = "<Title>";
    dropLeading(some, 1);
    EXPECT_EQ(some, "Title>");
}

TEST(TextFields, ToUpperRaisesAsciiAndAccentedWindows1252Letters)
{
    expectInPlace(toUpper,
                  {
                      {"ASCII", "alien 3", "ALIEN 3"},
                      {"Latin-1 small letters", "\xE0\xE9\xF1\xF6\xFE", "\xC0\xC9\xD1\xD6\xDE"},
                      {"s caron, oe, z caron, y diaeresis", "\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},
                      {"sharp s, division sign, micro sign stay", "\xDF\xF7\xB5", "\xDF\xF7\xB5"},
                      {"capitals stay", "\xC9\x8A", "\xC9\x8A"},
                  });
}

TEST(TextFields, ToLongReadsLikeAtolAndSaturatesAtThe32BitLimits)
{
    const struct
    {
        std::string_view text;
        std::int32_t value;
    } cases[] = {
        {"12", 12},
        {"  \t-42x", -42},
        {"+7", 7},
        {"00012|003", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"4294967297", INT32_MAX},
        {"99999999999999999999999", INT32_MAX},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toLong(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextFields, ToWideGivesOneCodeUnitPerByte)
{
    EXPECT_EQ(toWide("Caf\xE9"), u"Caf\u00E9");
    EXPECT_EQ(toWide("\x80\x85\x8A\x9F"), u"\u20AC\u2026\u0160\u0178");
    EXPECT_EQ(toWide(""), u"");
}

TEST(TextFields, FieldAtCopiesColumnsFromUpToTo)
{
    const std::string record = "00012|003|Alien                   |1";
    EXPECT_EQ(fieldAt(record, 1, 6), "00012");
    EXPECT_EQ(fieldAt(record, 7, 10), "003");
    EXPECT_EQ(fieldAt(record, 11, 35), "Alien");
    EXPECT_EQ(fieldAt(record, 36, 100), "1");

    const std::string exact(257, 'a');
    EXPECT_EQ(fieldAt(exact, 258, 2258), "");
    EXPECT_EQ(fieldAt(exact, 257, 258), "a");
    EXPECT_EQ(fieldAt(record, 6, 6), "");
    EXPECT_EQ(fieldAt(record, 6, 2), "");
    EXPECT_EQ(fieldAt(record, 0, 6), "");
    EXPECT_EQ(fieldAt("", 1, 2), "");
}

} // namespace
} // namespace ravello::text
