// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/cast_information.h"
#include "core/output/credit_documents.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/credit_rows.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

tmdb::CreditLists filmCredits()
{
    return tmdb::readCreditLists(
        testing::readFileBytes(testing::fixturePath("tmdb/movie/4321_credits.json")));
}

tmdb::ShowSeason nightDesk(int season = 1)
{
    const auto read = [](const std::string& name) {
        return testing::readFileBytes(testing::fixturePath("tmdb/tv/" + name));
    };
    return {tmdb::readTvShow(read("4401.json")).value(),
            tmdb::readTvSeason(read("4401_season_" + std::to_string(season) + ".json")).value(),
            false};
}

// The text between two markers of a document, both left out.
std::string between(const std::string& document, const std::string& from, const std::string& to)
{
    const std::size_t start = document.find(from) + from.size();
    return document.substr(start, document.find(to) - start);
}

// The people of the film's fixture as a collection could hold them: Ann once, Dee twice with
// two years; and two of the season's.
const collection::PeopleTable kPeople({
    {"Ann", "", "Actor", 1970},
    {"Dee", "", "Director", 1950},
    {"Dee", "", "Director", 1954},
    {"Ann", "", "Lead", 1969},
    {"Gil", "", "Guest", 0},
});

// The film's documents are those its rows gave before the people were read once: the same
// lines in the same order, each with the year of its own person.
TEST(CreditDocuments, AFilmsDocumentsFollowItsRows)
{
    const tmdb::CreditLists credits = filmCredits();
    const CreditDocuments documents({"Nikita", credits.castMembers, credits.crewMembers},
                                    {CrewMapping::builtIn(), {}, false, &kPeople});
    std::vector<tmdb::CastRow> rows;
    for (const std::string& text : credits.cast)
        rows.push_back(tmdb::readCastRow(text));
    const PersonYears years{{1002, 1961}, {1003, 1988}};
    EXPECT_EQ(documents.cast(years),
              buildCastInformation("Nikita", rows, std::vector<int>{0, 1961, 1988}, &kPeople));
    std::vector<tmdb::CrewRow> crewRows;
    for (const std::string& text : credits.crew)
        crewRows.push_back(tmdb::readCrewRow(text));
    EXPECT_EQ(documents.crew({{2001, 1954}}).text,
              buildCrewInformation("Nikita", crewRows, CrewMapping::builtIn(), {},
                                   std::vector<int>{1954, 0, 1954, 0}, &kPeople)
                  .text);
}

TEST(CreditDocuments, OnlyPeopleTheCollectionDoesNotSettleAreAskedOfTmdb)
{
    const tmdb::CreditLists credits = filmCredits();
    std::vector<tmdb::CrewMember> crew = credits.crewMembers;
    crew.push_back({2004, "Gus Gaffer", "Lighting", "Gaffer", "null"});
    crew.push_back({0, "Nobody Numbered", "Directing", "Director", "null"});
    const tmdb::ShowSeason season = nightDesk();
    const tmdb::ShowSeason next = nightDesk(2);
    const CrewGroups noOther{true, true, true, false};
    const struct
    {
        const char* what;
        CreditDocuments documents;
        std::vector<std::int32_t> cast;
        std::vector<std::int32_t> crew;
    } cases[] = {
        // Ann has one year in the table; Dee has two, so TMDb's year chooses; a credit left out
        // by a group box names nobody; a person without a number cannot be asked.
        {"film",
         {{"", credits.castMembers, crew}, {CrewMapping::builtIn(), noOther, false, &kPeople}},
         {1002, 1003},
         {2001, 2002, 2003}},
        {"film without a table",
         {{"", credits.castMembers, crew}, {CrewMapping::builtIn(), {}}},
         {1001, 1002, 1003},
         {2001, 2002, 2003, 2004}},
        // Ann Lead and Gil Guest are the collection's: their years are its own.
        {"season",
         {{season, {1, 3}}, {CrewMapping::builtIn(), {}, false, &kPeople}},
         {7102, 7103, 7104, 7403, 7402, 7404},
         {7001, 7301, 7302, 7304, 7201, 7306, 7307}},
        {"season without a table",
         {{season, {1, 1}}, {CrewMapping::builtIn(), {}}},
         {7101, 7102, 7103, 7104, 7403, 7401, 7402},
         {7001, 7301, 7302, 7304, 7201}},
        // Across the season's end: the regulars and the director both seasons share once.
        {"1.03 to 2.02",
         {{season, {3, 3}, {{next, {1, 2}}}}, {CrewMapping::builtIn(), {}, false, &kPeople}},
         {7102, 7103, 7104, 7404, 7405},
         {7001, 7301, 7201}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.documents.peopleToAsk(DocumentKind::Cast), c.cast) << c.what;
        EXPECT_EQ(c.documents.peopleToAsk(DocumentKind::Crew), c.crew) << c.what;
    }
}

// A range across the season's end holds each season's episodes as that season's own document
// does, one after the other, under a title naming both seasons.
TEST(CreditDocuments, ARangeAcrossTheSeasonsEndHoldsBothSeasonsInOrder)
{
    const tmdb::ShowSeason first = nightDesk();
    const tmdb::ShowSeason second = nightDesk(2);
    const DocumentChoices choices{CrewMapping::builtIn(), {}, true, &kPeople};
    const CreditDocuments crossing({first, {2, 3}, {{second, {1, 1}}}}, choices);
    const CreditDocuments before({first, {2, 3}}, choices);
    const CreditDocuments after({second, {1, 1}}, choices);
    const PersonYears years{{7101, 1969}, {7301, 1975}};
    const struct
    {
        const char* what;
        std::string crossing, before, after;
        const char* list;
    } documents[] = {
        {"cast", crossing.cast(years), before.cast(years), after.cast(years), "Actors>"},
        {"crew", crossing.crew(years).text, before.crew(years).text, after.crew(years).text,
         "Credits>"},
    };
    for (const auto& d : documents) {
        EXPECT_EQ(between(d.crossing, "<Title>", "</Title>"), "Night Desk: Seasons 1-2") << d.what;
        EXPECT_EQ(between(d.before, "<Title>", "</Title>"), "Night Desk: Season 1") << d.what;
        const std::string open = std::string("<") + d.list;
        const std::string close = std::string("  </") + d.list;
        EXPECT_EQ(between(d.crossing, open, close),
                  between(d.before, open, close) + between(d.after, open + "\r\n", close))
            << d.what;
    }
}

} // namespace
} // namespace ravello::output
