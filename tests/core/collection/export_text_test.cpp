// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "core/collection/export_text.h"
#include "core/tmdb/text_normaliser.h"

namespace ravello::collection {
namespace {

std::string normalisedWhole(std::string text)
{
    tmdb::normaliseText(text);
    return text;
}

std::string normalisedInStretches(std::string text)
{
    normaliseExportText(text);
    return text;
}

TEST(ExportText, NormalisesLikeTheWholeTextNormaliser)
{
    const std::string cases[] = {
        "",
        "plain text only",
        "Paul &amp; Camille",
        "&quot;Capri&quot;",
        "&quot",
        "a\xCC\x80 and e\xCC\x80",
        "\xCC\x80 at the start",
        "x\xD0\x90\xD0\x91y",
        "\xD1",
        "caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \\\"json\\\"",
        "L'\xE9t\xE9 \x9A\x9E\x96",
        "&lt;i&gt;Nostromo&lt;/i&gt;",
    };
    for (const std::string& text : cases)
        EXPECT_EQ(normalisedInStretches(text), normalisedWhole(text)) << text;
}

// Random texts of plain letters and the pieces the normaliser's rules are made of, close
// together and far apart, so that stretches meet, overlap and end at the text's ends.
TEST(ExportText, AgreesWithTheWholeTextNormaliserOnAnyText)
{
    static const std::string kPieces[] = {
        "a",    "e",        "u",        "x",        " ",    ".",        ";",
        "&",    "&amp",     "&quot;",   "&apos",    "\\",   "\\\"",     "\xCC",
        "\x80", "\xCC\x80", "\xD0",     "\xD1",     "\x90", "\xE2\x80", "\xE2\x80\x99",
        "\xC3", "\xA9",     "\xC5\xA1", "\xC4\x9E", "\x96", "\x9A",     "plain words here"};
    std::mt19937 random(1252);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> count(0, 30);
    std::uniform_int_distribution<int> gap(0, 12);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int n = count(random); n > 0; --n) {
            text += kPieces[piece(random)];
            text.append(static_cast<std::size_t>(gap(random) > 9 ? gap(random) : 0), 'p');
        }
        ASSERT_EQ(normalisedInStretches(text), normalisedWhole(text)) << text;
    }
}

} // namespace
} // namespace ravello::collection
