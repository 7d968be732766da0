// SPDX-License-Identifier: MIT
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

#include "core/text/windows1252.h"

namespace ravello::text {
namespace {

using namespace std::string_view_literals;

TEST(Windows1252, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheHighBlockToItsCharacters)
{
    EXPECT_EQ(windows1252ToUtf8("5 \x80"), "5 \xE2\x82\xAC");
    EXPECT_EQ(windows1252ToUtf8("\x85\x8A\x97\x9F"), "\xE2\x80\xA6\xC5\xA0\xE2\x80\x94\xC5\xB8");
    EXPECT_EQ(windows1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(windows1252ToUtf8("a\0b"sv), "a\0b"sv);
}

TEST(Windows1252, UndefinedBytesStandForTheirControlCharacter)
{
    for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252CodePoint(byte), char32_t{byte});
        unsigned char back = 0;
        EXPECT_TRUE(windows1252ByteOf(byte, back));
        EXPECT_EQ(back, byte);
    }
}

TEST(Windows1252, FindsTheByteOfACharacterOrNone)
{
    const struct
    {
        char32_t codePoint;
        bool found;
        unsigned char byte;
    } cases[] = {
        {U'A', true, 'A'},    {0x00E9, true, 0xE9}, {0x20AC, true, 0x80}, {0x2014, true, 0x97},
        {0x0178, true, 0x9F}, {0x0080, false, 0},   {0x009A, false, 0},   {0x011E, false, 0},
        {0x0416, false, 0},   {0x1F600, false, 0},
    };
    for (const auto& c : cases) {
        unsigned char byte = 0;
        const auto codePoint = static_cast<std::uint32_t>(c.codePoint);
        EXPECT_EQ(windows1252ByteOf(c.codePoint, byte), c.found) << std::hex << codePoint;
        if (c.found) {
            EXPECT_EQ(byte, c.byte) << std::hex << codePoint;
        }
    }
}

TEST(Windows1252, TurnsMalformedUtf8AndForeignCharactersIntoQuestionMarks)
{
    const struct
    {
        const char* name;
        std::string_view utf8;
        std::string_view expected;
    } cases[] = {
        {"lone continuation byte",
         "a\x80"
         "b",
         "a?b"},
        {"lead byte before ASCII",
         "\xC3"
         "A",
         "?A"},
        {"sequence cut short by the end", "ab\xE2\x82", "ab??"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"overlong three-byte form", "\xE0\x80\xAF", "???"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"byte F5", "\xF5", "?"},
        {"G breve", "Ertu\xC4\x9Erul", "Ertu?rul"},
        {"Cyrillic", "\xD0\x96", "?"},
        {"emoji", "\xF0\x9F\x98\x80!", "?!"},
        {"C1 control without a byte of its own", "\xC2\x80", "?"},
        {"valid text", "\xC3\x84gidius \xE2\x82\xAC", "\xC4gidius \x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToWindows1252(c.utf8), std::string(c.expected)) << c.name;
}

TEST(Windows1252, Utf8SequenceAtReadsOneValidSequence)
{
    const struct
    {
        std::string_view text;
        std::size_t at;
        std::size_t length;
        char32_t codePoint;
    } cases[] = {
        {"A", 0, 1, U'A'},
        {"x\xC3\xA9", 1, 2, 0xE9},
        {"\xE2\x82\xAC", 0, 3, 0x20AC},
        {"\xF0\x9F\x98\x80", 0, 4, 0x1F600},
        {"\xF4\x8F\xBF\xBF", 0, 4, 0x10FFFF},
        {"\xC3\xA9", 1, 0, 0},
        {"\xC3\xA9", 2, 0, 0},
        {"\xC1\xBF", 0, 0, 0},
        {"\xE2\x82", 0, 0, 0},
        {"\xED\xBF\xBF", 0, 0, 0},
    };
    for (const auto& c : cases) {
        char32_t codePoint = 0;
        EXPECT_EQ(utf8SequenceAt(c.text, c.at, codePoint), c.length)
            << ::testing::PrintToString(std::string(c.text)) << " at " << c.at;
        if (c.length != 0) {
            EXPECT_EQ(codePoint, c.codePoint);
        }
    }
}

} // namespace
} // namespace ravello::text
