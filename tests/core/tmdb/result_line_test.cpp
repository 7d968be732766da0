// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/result_line.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using Lines = std::vector<std::string>;

const Endpoint kEndpoint("https://api.example", "https://img.example", "0123456789abcdef", "en-US");

Lines linesOf(const char* fixture)
{
    return resultLinesOf(testing::readFileBytes(testing::fixturePath(fixture)), kEndpoint);
}

TEST(ResultLine, FormatsIdentifierTitleYearAndPoster)
{
    const std::string line =
        formatResultLine(4321, "Sample Film", 2004, "https://img.example/t/p/original/abc.jpg");
    EXPECT_EQ(line, "0004321 Sample Film (2004) https://img.example/t/p/original/abc.jpg");
    const ResultLine parts = readResultLine(line);
    EXPECT_EQ(parts.filmId, 4321);
    EXPECT_EQ(parts.displayText, " Sample Film (2004)");
    EXPECT_EQ(parts.posterUrl, "https://img.example/t/p/original/abc.jpg");
    EXPECT_EQ(shownResultText(line), "Sample Film (2004)");
    EXPECT_EQ(shownResultText("0004322 Sample Film, Part Two (0) "), "Sample Film, Part Two");
}

TEST(ResultLine, NormalisesTheTitle)
{
    EXPECT_EQ(formatResultLine(7, "Am\xC3\xA9lie", 2001, ""), "0000007 Am\xE9lie (2001) ");
}

TEST(ResultLine, ReadsLinesWithoutPosterLongIdentifiersAndAwkwardTitles)
{
    const struct
    {
        const char* line;
        std::int32_t filmId;
        const char* displayText;
        const char* posterUrl;
    } cases[] = {
        {"0004322 Sample Film, Part Two (0) ", 4322, " Sample Film, Part Two (0)", ""},
        {"12345678 Long (2001) https://i/x.jpg", 12345678, " Long (2001)", "https://i/x.jpg"},
        {"0004324 Sample (Part 1) here (1999) https://i/p.jpg", 4324,
         " Sample (Part 1) here (1999)", "https://i/p.jpg"},
        {"0004325 Ends (Part 1) h (1999) ", 4325, " Ends (Part 1) h (1999)", ""},
        {"0000042", 42, "", ""},
        {"", 0, "", ""},
    };
    for (const auto& test : cases) {
        const ResultLine parts = readResultLine(test.line);
        EXPECT_EQ(parts.filmId, test.filmId) << test.line;
        EXPECT_EQ(parts.displayText, test.displayText) << test.line;
        EXPECT_EQ(parts.posterUrl, test.posterUrl) << test.line;
    }
}

TEST(ResultLine, ListsTodaysKeyOrderOneLinePerDatedResult)
{
    EXPECT_EQ(
        linesOf("tmdb/search/sample_film.json"),
        (Lines{"0004321 Sample Film (2004) https://img.example/t/p/original/abc.jpg",
               "0004322 Sample Film, Part Two (0) ",
               "12345678 Am\xE9lie's Sample (2001) https://img.example/t/p/original/amelie.jpg",
               "0004324 Sample (Part 1) here (1999) https://img.example/t/p/original/part.jpg"}));
}

TEST(ResultLine, KeepsTheNormalisedTitlesAndYearBesideEachLine)
{
    const auto films = foundFilmsOf(
        testing::readFileBytes(testing::fixturePath("tmdb/search/sample_film.json")), kEndpoint);
    ASSERT_EQ(films.size(), 4u);
    EXPECT_EQ(linesOf(films), linesOf("tmdb/search/sample_film.json"));
    EXPECT_EQ(films[2].title, "Am\xE9lie's Sample");
    EXPECT_EQ(films[2].originalTitle, "Le Fabuleux \xC9"
                                      "chantillon");
    EXPECT_EQ(films[2].year, 2001);
    EXPECT_EQ(films[1].year, 0);
}

TEST(ResultLine, ListsTheOldKeyOrderWithEscapedSlashes)
{
    EXPECT_EQ(linesOf("tmdb/search/crouching_tiger.json"),
              (Lines{"0123456 Crouching Tiger, Hidden Dragon (2000) "
                     "https://img.example/t/p/original/ct.jpg",
                     "0123457 Crouching Tiger, Hidden Dragon: Sword of Destiny (2016) "
                     "https://img.example/t/p/original/ct2.jpg"}));
}

TEST(ResultLine, TakesNothingFromANeighbouringResult)
{
    EXPECT_EQ(linesOf("tmdb/search/sparse_results.json"),
              (Lines{"0005001 Full Result (2010) https://img.example/t/p/original/full.jpg",
                     "0005002  (2011) ", "0000000 No Identifier (2012) ",
                     "0005004 Null Date (0) https://img.example/t/p/original/nd.jpg"}));
}

TEST(ResultLine, GivesNoLineForAnswersWithoutResults)
{
    for (const char* answer :
         {"", "<html><body>Bad gateway</body></html>", R"({"page":1,"results":[]})",
          R"({"status_code":7,"status_message":"Invalid API key","success":false})",
          R"({"results":{"id":1}})", R"([1,2])"})
        EXPECT_TRUE(resultLinesOf(answer, kEndpoint).empty()) << answer;
}

} // namespace
} // namespace ravello::tmdb
