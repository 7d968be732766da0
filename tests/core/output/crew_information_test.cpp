// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/crew_information.h"
#include "tests/core/output/golden_document.h"

namespace ravello::output {
namespace {

std::size_t lineCount(const std::string& document)
{
    std::size_t count = 0;
    for (std::size_t at = 0; (at = document.find("\r\n", at)) != std::string::npos; at += 2)
        ++count;
    return count;
}

// One or more rows for every rule block, with their edge cases, in credits order.
const std::vector<tmdb::CrewRow> kCrew = {
    {"Luc Besson", "Directing", "Director"},
    {"Pascal  Chaumeil", "Directing", "First Assistant Director"},
    {"Robert Mark Kamen", "Writing", "Writer"},
    {"Luc Besson", "Writing", "Screenplay"},
    {"Jean Bernard Pouy", "Writing", "Novel"},
    {"Patrice Ledoux", "Production", "Executive Producer"},
    {"Claude Besson", "Production", "Casting"},
    {"Thierry Arbogast", "Camera", "Director of Photography"},
    {"Jean-Paul Seresin", "Camera", "Camera Operator"},
    {"Pierre Roux", "Camera", "Grip"},
    {"Sylvie Landra", "Editing", "Editorial Manager"},
    {"\xc3\x89ric Serra", "Sound", "Original Music Composer"},
    {"Fran\xc3\xa7ois Groult", "Sound", "Sound Editor"},
    {"Pascal Chauvin", "Sound", "Foley Artist"},
    {"Dan Weil", "Art", "Production Design"},
    {"Magali Guidasci", "Costume & Make-Up", "Costume Design"},
    {"Anne Seibel", "Art", "Set Decoration"},
    {"Pierre Buffin", "Visual Effects", "Visual Effects Supervisor"},
    {"Gilles Conseil", "Crew", "Stunt Coordinator"},
    {"Jean Gallot", "Lighting", "Gaffer"},
    {"Marc Caro", "Crew", ""},
    {"Anna Lou", "Camera", ""},
    {"Nobody", "", "Director"},
    {"Jean Reno", "Actors", ""},
};

TEST(CrewInformation, AllGroupsChecked)
{
    testing::expectGolden("crew_all_groups.xml", buildCrewInformation("Nikita", kCrew, {}));
}

TEST(CrewInformation, NoGroupsCheckedKeepsPrincipalAndEmptyJobCredits)
{
    const CrewGroups none{false, false, false, false};
    testing::expectGolden("crew_no_groups.xml", buildCrewInformation("Nikita", kCrew, none));
}

TEST(CrewInformation, EmptyTitleIsWrittenAsCiao)
{
    const std::string document = buildCrewInformation("", {}, {});
    EXPECT_NE(document.find("\r\n  <Title>Ciao</Title>\r\n"), std::string::npos);
}

TEST(CrewInformation, NoCreditsGiveSixLines)
{
    EXPECT_EQ(lineCount(buildCrewInformation("Nikita", {}, {})), 6u);
    const std::vector<tmdb::CrewRow> unmapped = {{"A B", "Writing", "Writer"},
                                                 {"C D", "", "Editor"}};
    const std::string document = buildCrewInformation("Nikita", unmapped, {});
    EXPECT_EQ(document, buildCrewInformation("Nikita", {}, {}));
    testing::expectGolden("crew_empty.xml", document);
}

TEST(CrewInformation, SpecialCharactersAreEscapedInEveryValue)
{
    const std::vector<tmdb::CrewRow> rows = {{"Tom \"T\" & <Co>", "Crew", "Best Boy & \"Grip\""},
                                             {"A & B", "Sound & Noise", ""}};
    const std::string document = buildCrewInformation("Q & A", rows, {});
    EXPECT_NE(document.find("  <Title>Q &amp; A</Title>\r\n"), std::string::npos);
    EXPECT_NE(document.find("   <Credit FirstName=\"Tom\" MiddleName=\"&quot;T&quot;\" "
                            "LastName=\"&amp; &lt;Co&gt;\" BirthYear=\"0\" CreditType=\"Other\" "
                            "CreditSubtype=\"Custom\" CreditedAs=\"\" "
                            "CustomRole=\"Best Boy &amp; &quot;Grip&quot;\" />\r\n"),
              std::string::npos);
    EXPECT_NE(document.find(
                  "MiddleName=\"&amp;\" LastName=\"B\" BirthYear=\"0\" CreditType=\"Sound &amp; "
                  "Noise\" CreditSubtype=\"Custom\" CreditedAs=\"\" CustomRole=\"\" />"),
              std::string::npos);
}

TEST(CrewInformation, BuildingTwiceGivesTheSameText)
{
    EXPECT_EQ(buildCrewInformation("Nikita", kCrew, {}), buildCrewInformation("Nikita", kCrew, {}));
}

TEST(CrewInformation, RowTextsGiveTheSameDocumentAsRows)
{
    std::vector<std::string> texts;
    for (const tmdb::CrewRow& row : kCrew)
        texts.push_back(tmdb::formatCrewRow(row));
    EXPECT_EQ(buildCrewInformationFromRows("Nikita", texts, {}),
              buildCrewInformation("Nikita", kCrew, {}));
}

} // namespace
} // namespace ravello::output
