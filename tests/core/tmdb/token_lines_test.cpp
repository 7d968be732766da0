// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <random>

#include "core/tmdb/token_lines.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using Lines = std::vector<std::string>;
using testing::fixturePath;
using testing::readFileBytes;

TEST(TokenLines, CutsAfterBracesAndCommasWithTabsForDepth)
{
    EXPECT_EQ(splitTokens(R"({"id":4321,"title":"Sample Film"})"),
              (Lines{"{", "\t\"id\":4321,", "\t\"title\":\"Sample Film\"}"}));
    EXPECT_EQ(
        splitTokens(R"({"cast":[{"id":1},{"id":2}]})"),
        (Lines{"{", "\t\"cast\":[{", "\t\t\"id\":1}", "\t,", "\t{", "\t\t\"id\":2}", "\t]}"}));
}

TEST(TokenLines, KeepsStringsWholeWhateverTheyHold)
{
    EXPECT_EQ(splitTokens(R"({"title":"Crouching Tiger, Hidden Dragon","x":"{a}"})"),
              (Lines{"{", "\t\"title\":\"Crouching Tiger, Hidden Dragon\",", "\t\"x\":\"{a}\"}"}));
    // An escaped quote does not end the string; an escaped backslash before the closing
    // quote does not keep it open.
    EXPECT_EQ(
        splitTokens(R"({"a":"say \"hi, {there}\"","b":"C:\\","c":1})"),
        (Lines{"{", "\t\"a\":\"say \\\"hi, {there}\\\"\",", "\t\"b\":\"C:\\\\\",", "\t\"c\":1}"}));
}

TEST(TokenLines, SurvivesMoreClosingThanOpeningBraces)
{
    const Lines lines = splitTokens(R"(}},{"a":1})");
    EXPECT_EQ(lines, (Lines{"}", "}", ",", "{", "\"a\":1}"}));
}

TEST(TokenLines, DropsTextAfterTheLastCutAndGivesNothingForNothing)
{
    EXPECT_EQ(splitTokens("{\"a\":1}\r\n"), (Lines{"{", "\t\"a\":1}"}));
    EXPECT_TRUE(splitTokens("").empty());
    EXPECT_TRUE(splitTokens(Lines{}).empty());
    EXPECT_TRUE(splitTokens("no delimiter here").empty());
}

TEST(TokenLines, JoinsATokenSplitBetweenTwoPieces)
{
    EXPECT_EQ(splitTokens(Lines{"{\"ti", "tle\":\"Sample Film\",\"id\":4", "321}"}),
              splitTokens(R"({"title":"Sample Film","id":4321})"));
    // A piece that ends inside a string, right after a backslash.
    EXPECT_EQ(splitTokens(Lines{R"({"a":"x\)", R"(",y","b":2})"}),
              splitTokens(R"({"a":"x\",y","b":2})"));
}

TEST(TokenLines, TakesAPieceOfExactly4096BytesAsItIs)
{
    std::string piece = "{\"overview\":\"" + std::string(4096 - 15, 'o') + "\"}";
    ASSERT_EQ(piece.size(), 4096u);
    const Lines lines = splitTokens(Lines{piece});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "\t" + piece.substr(1));
}

// Every TMDb answer of the fixtures, cut at random places, gives the same token lines as in
// one piece, and joining the lines gives the answer back byte for byte.
TEST(TokenLines, RandomPiecesGiveTheSameLinesAndJoinGivesTheBodyBack)
{
    std::mt19937 random(20240601);
    for (const char* name : {"movie/4321.json", "movie/4321_credits.json", "movie/123456.json",
                             "movie/123456_credits.json", "movie/550_credits.json",
                             "search/sample_film.json", "search/crouching_tiger.json"}) {
        const std::string body = readFileBytes(fixturePath(std::string("tmdb/") + name));
        ASSERT_FALSE(body.empty()) << name;
        const Lines whole = splitTokens(body);
        EXPECT_EQ(joinTokenLines(whole), body) << name;
        for (int round = 0; round < 25; ++round) {
            Lines pieces;
            for (std::size_t at = 0; at < body.size();) {
                const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 40)(random);
                pieces.push_back(body.substr(at, size));
                at += size;
            }
            ASSERT_EQ(splitTokens(pieces), whole) << name << " round " << round;
        }
    }
}

TEST(TokenLines, JoinsFilesCutInsideStringsByOlderVersions)
{
    for (const auto& [cache, answer] :
         {std::pair{"tmdb/cache/old_credits_0123456.txt", "tmdb/movie/123456_credits.json"},
          std::pair{"tmdb/cache/old_data_0123456.txt", "tmdb/movie/123456.json"}}) {
        const Lines lines = tokenLinesOfFile(readFileBytes(fixturePath(cache)));
        EXPECT_EQ(joinTokenLines(lines), readFileBytes(fixturePath(answer))) << cache;
    }
}

TEST(TokenLines, FilesEndEveryLineWithCrLfAndReadBackAnyLineEnd)
{
    const Lines lines = splitTokens(R"({"id":1,"cast":[{"name":"A, B"}]})");
    const std::string bytes = tokenFileBytes(lines);
    EXPECT_EQ(bytes, "{\r\n\t\"id\":1,\r\n\t\"cast\":[{\r\n\t\t\"name\":\"A, B\"}\r\n\t]}\r\n");
    EXPECT_EQ(tokenLinesOfFile(bytes), lines);
    EXPECT_EQ(tokenLinesOfFile("{\n\t\"id\":1}"), (Lines{"{", "\t\"id\":1}"}));
    EXPECT_TRUE(tokenLinesOfFile("").empty());
}

} // namespace
} // namespace ravello::tmdb
