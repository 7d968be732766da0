// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/people_table.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::fixturePath;

std::vector<KnownPerson> found(const PeopleTable& table, std::string_view name)
{
    const auto people = table.find(name);
    return {people.begin(), people.end()};
}

TEST(PeopleTable, LinesGiveFourFieldsWithAYearOrNothing)
{
    const struct
    {
        std::string_view line;
        std::optional<KnownPerson> person;
    } cases[] = {
        {"Harry\tDean\tStanton\t1926\r\n", KnownPerson{"Harry", "Dean", "Stanton", 1926}},
        {"Cher\t\t\t0", KnownPerson{"Cher", "", "", 0}},
        {"\t\tO'Bannon\t1946\n", KnownPerson{"", "", "O'Bannon", 1946}},
        {"Tom\t\tSkerritt", std::nullopt},
        {"Tom\t\tSkerritt\t", std::nullopt},
        {"Tom\t\tSkerritt\t19x3", std::nullopt},
        {"Tom\t\tSkerritt\t-1", std::nullopt},
        {"Tom\t\tSkerritt\t19330", std::nullopt},
        {"Tom\tA\tB\tSkerritt\t1933", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readPeopleLine(c.line), c.person) << c.line;

    std::string line;
    appendPeopleLine(line, "Ann\tLee", "", "Smith\r\n", 1950);
    EXPECT_EQ(line, "Ann Lee\t\tSmith  \t1950\r\n");
}

TEST(PeopleTable, KeysIgnoreCaseAccentsAndRunsOfSpaces)
{
    EXPECT_EQ(peopleKey("Jos\xe9  Garc\xed"
                        "a"),
              "jose garcia");
    EXPECT_EQ(peopleKey(" JOSE GARCIA "), "jose garcia");
    EXPECT_EQ(peopleKey("\xc6sa \xd8stergaard \x8aimek Stra\xdf"
                        "e"),
              "aesa ostergaard simek strasse");
    EXPECT_EQ(peopleKey("Ren\xc9 \xff"), "rene y");
    EXPECT_EQ(peopleKey(""), "");
}

// The table the import wrote from the sample export.
TEST(PeopleTable, FindsANameWrittenAnyWayInTableOrder)
{
    const PeopleTable table = PeopleTable::load(fixturePath("collection/collection_people.txt"));
    EXPECT_EQ(table.size(), 20u);
    EXPECT_EQ(found(table, "Jose Garcia"), (std::vector<KnownPerson>{{"Jos\xe9", "",
                                                                      "Garc\xed"
                                                                      "a",
                                                                      1962}}));
    EXPECT_EQ(found(table, "harry  dean STANTON"),
              (std::vector<KnownPerson>{{"Harry", "Dean", "Stanton", 1926}}));
    EXPECT_EQ(
        found(table, "Michel Piccoli"),
        (std::vector<KnownPerson>{{"Michel", "", "Piccoli", 1925}, {"Michel", "", "Piccoli", 0}}));
    EXPECT_EQ(found(table, "Rene Clement"),
              (std::vector<KnownPerson>{{"Ren\xe9", "", "Cl\xe9ment", 1913},
                                        {"RENE", "", "CLEMENT", 1913}}));
    EXPECT_TRUE(found(table, "Harry Stanton").empty());
    EXPECT_TRUE(found(table, "Michel").empty());
    EXPECT_TRUE(found(table, "").empty());
}

TEST(PeopleTable, MissingOrDamagedFileGivesWhatCanBeRead)
{
    testing::TemporaryFolder folder;
    EXPECT_TRUE(PeopleTable::load(folder / "none.txt").empty());
    EXPECT_TRUE(PeopleTable::load(folder.path()).empty());
    testing::writeFileBytes(folder / "people.txt",
                            "Tom\t\tSkerritt\t1933\r\nbroken line\r\n\r\nJohn\t\tHurt\t1940");
    const PeopleTable table = PeopleTable::load(folder / "people.txt");
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(found(table, "John Hurt").size(), 1u);
}

} // namespace
} // namespace ravello::collection
