// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "core/text/text_normaliser.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/text_normaliser_reference.h"

namespace ravello::text {
namespace {

using namespace std::string_view_literals;

struct Case
{
    const char* name;
    std::string_view input;
    std::string_view expected;
};

std::string normalised(std::string_view input)
{
    std::string text(input);
    normaliseText(text);
    return text;
}

void expectNormalised(std::span<const Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(normalised(c.input), std::string(c.expected));
    }
}

TEST(TextNormaliser, ReplacesEscapedQuotesAndTypographicPunctuation)
{
    const Case cases[] = {
        {"escaped quote", "say \\\"hi\\\"", "say \"hi\""},
        {"two escaped quotes in a row", "\\\"\\\"", "\"\""},
        {"en dash",
         "a\xE2\x80\x93"
         "b",
         "a'b"},
        {"left single quote", "\xE2\x80\x98", "'"},
        {"right single quote between letters",
         "l\xE2\x80\x99"
         "amore",
         "l'amore"},
        {"left double quote", "\xE2\x80\x9C", "'"},
        {"right double quote", "\xE2\x80\x9D", "'"},
        {"ellipsis", "e poi\xE2\x80\xA6", "e poi\x85"},
        {"punctuation cut short by the end", "a\xE2\x80", "a\xE2\x80"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, DropsCyrillicLettersAndLooksAgainAroundThem)
{
    const Case cases[] = {
        {"only Cyrillic", "\xD0\x9C\xD0\xB8\xD1\x80", ""},
        {"Cyrillic between two words", "Red \xD0\x9A\xD1\x80 Star", "Red  Star"},
        {"Cyrillic joining two words",
         "ab\xD0\x9A\xD1\x80"
         "cd",
         "abcd"},
        {"D1 ending the text goes alone", "ab\xD1", "ab"},
        {"D0 ending the text goes alone", "\xD0", ""},
        {"second byte removed whatever it is",
         "\xD0"
         "AB",
         "B"},
        {"byte moving in at position 0 is examined in full", "\xD0\x9F\\\"", "\""},
        {"byte moving in later is examined in full", "x\xD1\x8F\xC3\xA9", "x\xE9"},
        {"previous character meets what follows", "\xC3\xD0\x9F\xA9", "\xE9"},
        {"vowel before Cyrillic takes the accent after it", "e\xD0\x9F\xCC\x80", "\xE8"},
        {"embedded NUL after D1 is removed with it",
         "\xD1"
         "\0"
         "A"sv,
         "A"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, MovesACombiningGraveOntoALowerCaseVowel)
{
    const Case cases[] = {
        {"a", "a\xCC\x80", "\xE0"},
        {"e",
         "perch"
         "e\xCC\x80",
         "perch\xE8"},
        {"i", "i\xCC\x80", "\xEC"},
        {"o", "o\xCC\x80", "\xF2"},
        {"u", "u\xCC\x80", "\xF9"},
        {"upper-case vowel keeps its letter", "CITTA\xCC\x80", "CITTA"},
        {"consonant keeps its letter", "n\xCC\x80", "n"},
        {"at the start only the mark goes",
         "\xCC\x80"
         "abc",
         "abc"},
        {"a second mark directly after stays", "e\xCC\x80\xCC\x80", "\xE8\xCC\x80"},
        {"what moves in meets the later rules", "e\xCC\x80\xC3\xA9", "\xE8\xE9"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, SimplifiesCentralEuropeanLetters)
{
    const Case cases[] = {
        {"s comma below", "\xC8\x99", "s"},
        {"l stroke", "\xC5\x82", "l"},
        {"n acute", "\xC5\x84", "n"},
        {"o double acute", "\xC5\x91", "o"},
        {"r caron", "\xC5\x99", "r"},
        {"s cedilla", "\xC5\x9F", "s"},
        {"capital S caron", "\xC5\xA0", "\x8A"},
        {"small s caron", "\xC5\xA1", "s"},
        {"z dot above", "\xC5\xBC", "z"},
        {"small z caron", "\xC5\xBE", "z"},
        {"s caron then z caron", "\xC5\xA1\xC5\xBE", "sz"},
        {"a macron", "\xC4\x81", "a"},
        {"a breve", "\xC4\x83", "a"},
        {"a ogonek", "\xC4\x85", "a"},
        {"c acute", "\xC4\x87", "c"},
        {"c caron", "\xC4\x8D", "c"},
        {"d stroke", "\xC4\x91", "d"},
        {"e ogonek", "\xC4\x99", "e"},
        {"e caron", "\xC4\x9B", "e"},
        {"g breve", "\xC4\x9F", "g"},
        {"dotless i", "\xC4\xB1", "i"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, TurnsEveryC3SequenceIntoItsLatin1Letter)
{
    // Rule 9 knows most of them; the last rule takes the rest (C3 84, C3 9A, C3 B7...).
    for (int second = 0x80; second <= 0xBF; ++second) {
        const std::string input = {'x', '\xC3', static_cast<char>(second), 'y'};
        const std::string expected = {'x', static_cast<char>(second + 0x40), 'y'};
        EXPECT_EQ(normalised(input), expected) << "C3 " << std::hex << second;
    }
}

TEST(TextNormaliser, TurnsC2SequencesIntoLatin1Symbols)
{
    for (int second = 0xA0; second <= 0xBF; ++second) {
        const std::string input = {'\xC2', static_cast<char>(second)};
        EXPECT_EQ(normalised(input), std::string(1, static_cast<char>(second)))
            << "C2 " << std::hex << second;
    }
    EXPECT_EQ(normalised("l\xC2\x92"
                         "amore"),
              "l'amore");
    // U+0080 is a control character, not the euro sign that byte 80 stands for.
    EXPECT_EQ(normalised("\xC2\x80"), "\xC2\x80");
}

TEST(TextNormaliser, ReplacesStraySingleBytesWherever)
{
    const Case cases[] = {
        {"9E", "\x9E", "z"},
        {"9A", "\x9A", "s"},
        {"Windows-1252 en dash",
         "1990\x96"
         "2000",
         "1990-2000"},
        {"second byte of G breve",
         "a\xC4\x9E"
         "b",
         "a\xC4"
         "zb"},
        {"capital U acute goes whole before the pass reaches 9A", "\xC3\x9A", "\xDA"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, ReplacesThreeEntitiesAndOneCharacterAfterThem)
{
    const Case cases[] = {
        {"apos", "l&apos;amore", "l'amore"},
        {"quot gives an apostrophe", "&quot;x&quot;", "'x'"},
        {"amp", "Tom &amp; Jerry", "Tom & Jerry"},
        {"character after the letters goes whatever it is", "&ampx", "&"},
        {"letters ending the text", "a&amp", "a&"},
        {"one pass only", "&amp;amp;", "&amp;"},
        {"other entities stay", "&lt;i&gt; &eacute;", "&lt;i&gt; &eacute;"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, TurnsOtherCharactersWindows1252HasIntoTheirByte)
{
    const Case cases[] = {
        {"A diaeresis", "\xC3\x84", "\xC4"},
        {"U diaeresis", "\xC3\x9C", "\xDC"},
        {"N tilde", "\xC3\x91", "\xD1"},
        {"C cedilla", "\xC3\x87", "\xC7"},
        {"I acute", "\xC3\x8D", "\xCD"},
        {"em dash", "a \xE2\x80\x94 b", "a \x97 b"},
        {"euro sign", "5 \xE2\x82\xAC", "5 \x80"},
        {"low double quote", "\xE2\x80\x9E", "\x84"},
        {"bullet", "\xE2\x80\xA2", "\x95"},
        {"trade mark", "\xE2\x84\xA2", "\x99"},
        {"capital OE", "\xC5\x92", "\x8C"},
        {"capital Z caron", "\xC5\xBD", "\x8E"},
        {"capital Y diaeresis", "\xC5\xB8", "\x9F"},
        {"f hook", "\xC6\x92", "\x83"},
        {"small tilde", "\xCB\x9C", "\x98"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, KeepsEverythingElse)
{
    const Case cases[] = {
        {"plain text", "Alien (1979)", "Alien (1979)"},
        {"empty", "", ""},
        {"doubled backslash", "a\\\\b", "a\\\\b"},
        {"escaped slash", "a\\/b", "a\\/b"},
        {"escaped newline", "a\\nb", "a\\nb"},
        {"unicode escape", "\\u00e9", "\\u00e9"},
        {"capital L stroke",
         "\xC5\x81"
         "odz",
         "\xC5\x81"
         "odz"},
        {"CJK", "\xE4\xB8\xAD", "\xE4\xB8\xAD"},
        {"emoji", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"lone lead byte at the end", "ab\xC3", "ab\xC3"},
        {"lead byte before ASCII",
         "\xC3"
         "A",
         "\xC3"
         "A"},
        {"overlong form", "\xC0\xA9", "\xC0\xA9"},
        {"Windows-1252 letters already", "Caf\xE9 \xE0", "Caf\xE9 \xE0"},
        {"embedded NUL", "a\0b"sv, "a\0b"sv},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, HandlesTheExamplesOfAFilmOverview)
{
    const Case cases[] = {
        {"Cafe with e acute", "Caf\xC3\xA9", "Caf\xE9"},
        {"two e acute in a row", "\xC3\xA9\xC3\xA9", "\xE9\xE9"},
        {"word ending in capital A and a grave", "PERCHA\xCC\x80 no", "PERCHA no"},
    };
    expectNormalised(cases);
}

TEST(TextNormaliser, TurnsARealOverviewIntoWindows1252)
{
    const std::string input =
        testing::readFileBytes(testing::fixturePath("tmdb/normaliser_overview_utf8.txt"));
    const std::string expected =
        testing::readFileBytes(testing::fixturePath("tmdb/normaliser_overview_windows1252.txt"));
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(normalised(input), expected);
}

TEST(TextNormaliser, NeverLengthensAnyText)
{
    // Random texts drawn mostly from the bytes the rules look at, so that rules meet each
    // other, Cyrillic letters run into accents and sequences are cut short.
    const std::string_view alphabet = "\xC2\xC3\xC4\xC5\xC8\xCC\xD0\xD1\xE2\x80\x82\x93\x96\x99"
                                      "\x9A\x9E\xA1\xA9\xBE\\\"&apostquma;e\0"sv;
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    for (int round = 0; round < 20000; ++round) {
        std::string text(length(random), ' ');
        for (char& c : text)
            c = alphabet[pick(random)];
        const std::string input = text;
        normaliseText(text);
        ASSERT_LE(text.size(), input.size()) << ::testing::PrintToString(input);
    }
}

std::string normalisedByErasing(std::string text)
{
    reference::normaliseTextByErasing(text);
    return text;
}

// The single pass must give what the earlier normaliser, which erased replaced bytes from the
// string, gave: random texts made of the pieces the rules match, of bytes cut out of them and
// of plain letters, so that rules overlap, Cyrillic letters stand before accents and at the
// start, and sequences are cut short by the end of the text.
TEST(TextNormaliser, AgreesWithTheErasingNormaliserOnAnyText)
{
    static const std::string_view kPieces[] = {"a"sv,
                                               "e"sv,
                                               "o"sv,
                                               " "sv,
                                               ";"sv,
                                               "&"sv,
                                               "&amp"sv,
                                               "&quot;"sv,
                                               "&apos"sv,
                                               "\\"sv,
                                               "\\\""sv,
                                               "\xCC"sv,
                                               "\xCC\x80"sv,
                                               "\xD0"sv,
                                               "\xD1"sv,
                                               "\xD0\x90"sv,
                                               "\xD1\x8F"sv,
                                               "\xE2"sv,
                                               "\xE2\x80"sv,
                                               "\xE2\x80\x99"sv,
                                               "\xE2\x80\xA6"sv,
                                               "\xC3"sv,
                                               "\xC3\xA9"sv,
                                               "\xC3\x84"sv,
                                               "\xC5\xA1"sv,
                                               "\xC5\xBE"sv,
                                               "\xC4\x9F"sv,
                                               "\xC8\x99"sv,
                                               "\xC2\x92"sv,
                                               "\xC2"sv,
                                               "\x96"sv,
                                               "\x9A"sv,
                                               "\x9E"sv,
                                               "\x80"sv,
                                               "\xA9"sv,
                                               "\xF0\x9F\x98\x80"sv,
                                               "\xE2\x82\xAC"sv,
                                               "\0"sv,
                                               "plain words"sv};
    std::mt19937 random(1252);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> count(0, 16);
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        for (int n = count(random); n > 0; --n)
            text += kPieces[piece(random)];
        ASSERT_EQ(normalised(text), normalisedByErasing(text)) << ::testing::PrintToString(text);
    }
}

TEST(TextNormaliser, AgreesWithTheErasingNormaliserOnRandomBytes)
{
    std::mt19937 random(20260101);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int round = 0; round < 100000; ++round) {
        std::string text(length(random), ' ');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        ASSERT_EQ(normalised(text), normalisedByErasing(text)) << ::testing::PrintToString(text);
    }
}

} // namespace
} // namespace ravello::text
