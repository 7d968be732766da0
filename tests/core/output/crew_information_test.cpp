// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/crew_information.h"
#include "core/output/crew_mapping_file.h"
#include "tests/core/output/golden_document.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

std::size_t lineCount(const std::string& document)
{
    std::size_t count = 0;
    for (std::size_t at = 0; (at = document.find("\r\n", at)) != std::string::npos; at += 2)
        ++count;
    return count;
}

std::string crewText(std::string_view title, const std::vector<tmdb::CrewRow>& rows,
                     const CrewGroups& groups = {})
{
    return buildCrewInformation(title, rows, CrewMapping::builtIn(), groups).text;
}

// One or more rows for every rule block, with their edge cases, in credits order.
const std::vector<tmdb::CrewRow> kCrew = {
    {"Luc Besson", "Directing", "Director"},
    {"Pascal  Chaumeil", "Directing", "First Assistant Director"},
    {"Robert Mark Kamen", "Writing", "Writer"},
    {"Robert Mark Kamen", "Writing", "Story"},
    {"Luc Besson", "Writing", "Characters"},
    {"Jean Bernard Pouy", "Writing", "Author"},
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
    testing::expectGolden("crew_all_groups.xml", crewText("Nikita", kCrew));
}

TEST(CrewInformation, NoGroupsCheckedKeepsPrincipalAndEmptyJobCredits)
{
    const CrewGroups none{false, false, false, false};
    testing::expectGolden("crew_no_groups.xml", crewText("Nikita", kCrew, none));
}

// The mapping file as first written, then read back: the documents of the built-in rules.
TEST(CrewInformation, BuiltInMappingFileGivesTheSameDocuments)
{
    testing::TemporaryFolder folder;
    ASSERT_FALSE(loadCrewMapping(folder / "CrewMapping.txt").error);
    const LoadedCrewMapping fromFile = loadCrewMapping(folder / "CrewMapping.txt");
    ASSERT_FALSE(fromFile.error) << fromFile.error->message;
    const CrewGroups none{false, false, false, false};
    testing::expectGolden("crew_all_groups.xml",
                          buildCrewInformation("Nikita", kCrew, fromFile.mapping, {}).text);
    testing::expectGolden("crew_no_groups.xml",
                          buildCrewInformation("Nikita", kCrew, fromFile.mapping, none).text);
}

TEST(CrewInformation, EditedMappingFileChangesTheDocument)
{
    testing::TemporaryFolder folder;
    const auto file = folder / "CrewMapping.txt";
    std::string text = writeCrewMappingFile(CrewMapping::builtIn());
    const std::string cameraRule = "    job begins \"Director of Photography\" principal\n";
    const std::size_t at = text.find(cameraRule);
    ASSERT_NE(at, std::string::npos);
    text.insert(at + cameraRule.size(), "    job is \"Grip\" custom \"Key Grip\"\n");
    testing::writeFileBytes(file, text);
    const LoadedCrewMapping edited = loadCrewMapping(file);
    ASSERT_FALSE(edited.error) << edited.error->message;

    const CrewDocument before = buildCrewInformation("Nikita", kCrew, CrewMapping::builtIn(), {});
    const CrewDocument after = buildCrewInformation("Nikita", kCrew, edited.mapping, {});
    EXPECT_EQ(after.included, before.included + 1);
    EXPECT_NE(after.text.find("   <Credit FirstName=\"Pierre\" MiddleName=\"\" LastName=\"Roux\" "
                              "BirthYear=\"0\" CreditType=\"Cinematography\" "
                              "CreditSubtype=\"Key Grip\" CreditedAs=\"\" CustomRole=\"Grip\" />"),
              std::string::npos);
}

TEST(CrewInformation, BirthYearsGoToTheCreditsOfTheirRows)
{
    const std::vector<tmdb::CrewRow> rows = {
        {"A B", "Directing", "Director"}, {"C D", "Camera", "Grip"}, {"E F", "Crew", "Stunts"}};
    const std::vector<int> years = {1959, 1960, 1961};
    const std::string text =
        buildCrewInformation("Nikita", rows, CrewMapping::builtIn(), {}, years).text;
    EXPECT_NE(text.find("LastName=\"B\" BirthYear=\"1959\" CreditType=\"Direction\""),
              std::string::npos);
    EXPECT_NE(text.find("LastName=\"F\" BirthYear=\"1961\" CreditType=\"Other\""),
              std::string::npos);
    EXPECT_EQ(text.find("1960"), std::string::npos);
}

TEST(CrewInformation, CreditsOfPeopleTheCollectionKnowsCarryItsNamesAndYears)
{
    const auto people =
        collection::PeopleTable::load(testing::fixturePath("collection/collection_people.txt"));
    const std::vector<tmdb::CrewRow> rows = {{"Ridley Scott", "Directing", "Director"},
                                             {"Giuseppe  TORNATORE", "Crew", "Projectionist"},
                                             {"Ridley Scott Jr.", "Directing", "Director"}};
    const std::vector<int> years = {1940, 0, 1970};
    const std::string text =
        buildCrewInformation("Nikita", rows, CrewMapping::builtIn(), {}, years, &people).text;
    EXPECT_NE(
        text.find("FirstName=\"Ridley\" MiddleName=\"\" LastName=\"Scott\" BirthYear=\"1937\" "
                  "CreditType=\"Direction\""),
        std::string::npos);
    EXPECT_NE(text.find("FirstName=\"Giuseppe\" MiddleName=\"\" LastName=\"Tornatore\" "
                        "BirthYear=\"1956\" CreditType=\"Other\""),
              std::string::npos);
    EXPECT_NE(text.find("FirstName=\"Ridley\" MiddleName=\"\" LastName=\"Scott Jr.\" "
                        "BirthYear=\"1970\""),
              std::string::npos);
}

TEST(CrewInformation, EmptyTitleIsWrittenAsCiao)
{
    const std::string document = crewText("", {});
    EXPECT_NE(document.find("\r\n  <Title>Ciao</Title>\r\n"), std::string::npos);
}

TEST(CrewInformation, NoCreditsGiveSixLines)
{
    EXPECT_EQ(lineCount(crewText("Nikita", {})), 6u);
    const std::vector<tmdb::CrewRow> unmapped = {{"A B", "Camera", "Grip"}, {"C D", "", "Editor"}};
    const std::string document = crewText("Nikita", unmapped);
    EXPECT_EQ(document, crewText("Nikita", {}));
    testing::expectGolden("crew_empty.xml", document);
}

TEST(CrewInformation, CountsTheCreditsLeftOutAndNamesEachPairOnce)
{
    const std::vector<tmdb::CrewRow> rows = {{"A B", "Camera", "Grip"},
                                             {"C D", "Crew", "Stunts"},
                                             {"E F", "Directing", "Director"},
                                             {"G H", "Camera", "Grip"},
                                             {"I J", "", "Editor"}};
    const CrewDocument document =
        buildCrewInformation("Nikita", rows, CrewMapping::builtIn(), {true, true, true, false});
    EXPECT_EQ(document.included, 1u);
    EXPECT_EQ(document.leftOut, 4u);
    const std::vector<CreditPair> pairs = {{"Camera", "Grip"}, {"Crew", "Stunts"}, {"", "Editor"}};
    EXPECT_EQ(document.leftOutPairs, pairs);
}

TEST(CrewInformation, SpecialCharactersAreEscapedInEveryValue)
{
    const std::vector<tmdb::CrewRow> rows = {{"Tom \"T\" & <Co>", "Crew", "Best Boy & \"Grip\""},
                                             {"A & B", "Sound & Noise", ""}};
    const std::string document = crewText("Q & A", rows);
    EXPECT_NE(document.find("  <Title>Q &amp; A</Title>\r\n"), std::string::npos);
    EXPECT_NE(document.find("   <Credit FirstName=\"Tom\" MiddleName=\"&quot;T&quot; &amp;\" "
                            "LastName=\"&lt;Co&gt;\" BirthYear=\"0\" CreditType=\"Other\" "
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
    EXPECT_EQ(crewText("Nikita", kCrew), crewText("Nikita", kCrew));
}

} // namespace
} // namespace ravello::output
