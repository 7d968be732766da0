// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/cast_information.h"
#include "tests/core/output/golden_document.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

std::vector<std::string> lines(const std::string& document)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = document.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        result.push_back(document.substr(start, end - start));
    EXPECT_EQ(start, document.size()) << "every line ends with CR LF";
    return result;
}

const std::vector<tmdb::CastRow> kCast = {
    {"Zendaya", "Rue Bennett"},
    {"Jean Reno", "L\xc3\xa9on"},
    {"Jean  Dujardin", "George Valentin"},
    {"Maria de los Angeles", "Herself"},
    {"Anna \xc3\x89lise Martin", ""},
    {"Robert De Niro", "Travis Bickle (uncredited)"},
    {"Tom Hanks", "Woody (Voice)"},
    {"Michel Piccoli", "Narrator (voice) (uncredited)"},
};

TEST(CastInformation, EmptyCastGivesSixLines)
{
    const std::string document = buildCastInformation("Nikita", {});
    EXPECT_EQ(lines(document).size(), 6u);
    testing::expectGolden("cast_empty.xml", document);
}

TEST(CastInformation, ActorLinesCarryTheSplitNameAndRole)
{
    testing::expectGolden("cast_names.xml", buildCastInformation("L\xe9on", kCast));
}

TEST(CastInformation, BirthYearsGoToTheActorsOfTheirRows)
{
    const std::vector<int> years = {1996, 0, 1972};
    const auto document = lines(buildCastInformation("Nikita", kCast, years));
    ASSERT_EQ(document.size(), kCast.size() + 6);
    EXPECT_NE(
        document[4].find("FirstName=\"Zendaya\" MiddleName=\"\" LastName=\"\" BirthYear=\"1996\" "),
        std::string::npos);
    EXPECT_NE(document[5].find(" BirthYear=\"0\" "), std::string::npos);
    EXPECT_NE(document[6].find("LastName=\"Dujardin\" BirthYear=\"1972\" "), std::string::npos);
    // Rows past the end of the years have none.
    EXPECT_NE(document[8].find(" BirthYear=\"0\" "), std::string::npos);
}

// The people of the sample export name the people they know, with their years; TMDb's years
// pick among the years of one name; the others are split.
TEST(CastInformation, ActorsTheCollectionKnowsAreNamedAsItNamesThem)
{
    const auto people =
        collection::PeopleTable::load(testing::fixturePath("collection/collection_people.txt"));
    const std::vector<tmdb::CastRow> rows = {
        {"Harry Dean Stanton", "Brett"},     {"Jos\xc3\xa9 Garcia", "Jos\xc3\xa9 (uncredited)"},
        {"michel piccoli", "Paul Javal"},    {"Michel Piccoli", "Himself"},
        {"Robert De Niro", "Travis Bickle"},
    };
    const std::vector<int> years = {0, 1970, 1925, 0, 1943};
    const std::string document = buildCastInformation("Le M\xe9pris", rows, years, &people);
    testing::expectGolden("cast_collection_people.xml", document);
    EXPECT_EQ(buildCastInformation("Le M\xe9pris", rows, years),
              buildCastInformation("Le M\xe9pris", rows, years, nullptr));
    EXPECT_NE(document, buildCastInformation("Le M\xe9pris", rows, years));
}

TEST(CastInformation, EmptyTitleGivesAnEmptyTitleElement)
{
    EXPECT_EQ(lines(buildCastInformation("", {}))[2], "  <Title></Title>");
}

TEST(CastInformation, SpecialCharactersAreEscapedInEveryValue)
{
    const std::vector<tmdb::CastRow> rows = {
        {"Tom \"Tiny\" O'Hara & Sons", "Boss <Big> \\\"B\\\""}};
    const auto document = lines(buildCastInformation("Tom & Jerry: <Part \"2\">", rows));
    EXPECT_EQ(document[2], "  <Title>Tom &amp; Jerry: &lt;Part &quot;2&quot;&gt;</Title>");
    EXPECT_EQ(document[4],
              "   <Actor FirstName=\"Tom\" MiddleName=\"&quot;Tiny&quot; O'Hara &amp;\" "
              "LastName=\"Sons\" BirthYear=\"0\" "
              "Role=\"Boss &lt;Big&gt; &quot;B&quot;\" CreditedAs=\"\" "
              "Voice=\"false\" Uncredited=\"false\" />");
}

TEST(CastInformation, BuildingTwiceGivesTheSameText)
{
    EXPECT_EQ(buildCastInformation("Nikita", kCast), buildCastInformation("Nikita", kCast));
}

} // namespace
} // namespace ravello::output
