// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/people_reader.h"

namespace ravello::collection {
namespace {

struct People
{
    std::string table;
    int damaged = 0;
};

// The table and the count of lines that gave nobody, the lines given all at once or one by one.
People readPeople(const std::vector<std::string>& lines, bool oneByOne)
{
    std::ostringstream table;
    PeopleReader reader(table);
    std::vector<std::string_view> views(lines.begin(), lines.end());
    if (oneByOne) {
        for (const std::string_view line : views)
            reader.readLines({&line, 1});
    } else {
        reader.readLines(views);
    }
    return {table.str(), reader.damaged()};
}

std::string actor(std::string_view first, std::string_view middle, std::string_view last,
                  std::string_view year, std::string_view after = " Role=\"Dallas\"/>")
{
    return std::string("      <Actor FirstName=\"")
        .append(first)
        .append("\" MiddleName=\"")
        .append(middle)
        .append("\" LastName=\"")
        .append(last)
        .append("\" BirthYear=\"")
        .append(year)
        .append("\"")
        .append(after);
}

// A person met before is known by the attributes as DVD Profiler writes them, without decoding
// them: these lines are written that way or almost, so that a person is found again, or told
// apart, only where the decoded parts say so.
TEST(PeopleReader, KnowsAPersonAgainOnlyByTheDecodedParts)
{
    const struct
    {
        const char* name;
        std::vector<std::string> lines;
        std::string table;
        int damaged;
    } cases[] = {
        {"the same attributes, other roles",
         {actor("Tom", "", "Skerritt", "1933"),
          actor("Tom", "", "Skerritt", "1933", " CreditType=\"Direction\"/>")},
         "Tom\t\tSkerritt\t1933\r\n",
         0},
        {"written in another order, or with an entity",
         {actor("Dan", "", "O&apos;Bannon", "1946"), actor("Dan", "", "O'Bannon", "1946"),
          "<Credit LastName=\"O'Bannon\" FirstName=\"Dan\" BirthYear=\"1946\"/>"},
         "Dan\t\tO'Bannon\t1946\r\n",
         0},
        {"another year, or a part moved to another attribute",
         {actor("Michel", "", "Piccoli", "1925"), actor("Michel", "", "Piccoli", "0"),
          actor("", "Michel", "Piccoli", "1925")},
         "Michel\t\tPiccoli\t1925\r\nMichel\t\tPiccoli\t0\r\n\tMichel\tPiccoli\t1925\r\n",
         0},
        {"the attributes end the line",
         {actor("Ennio", "", "Morricone", "1928", ""), actor("Ennio", "", "Morricone", "1928")},
         "Ennio\t\tMorricone\t1928\r\n",
         0},
        {"a damaged line stays damaged when met again",
         {actor("Jacques", "", "Perrin", "19x1"), actor("Jacques", "", "Perrin", "19x1"),
          actor("Jacques", "", "Perrin", "12345")},
         "",
         3},
        {"a value without its closing quote",
         {"      <Actor FirstName=\"Agnese", actor("Agnese", "", "Nano", "1965")},
         "Agnese\t\tNano\t1965\r\n",
         1},
        {"a name missing before the year",
         {"<Actor FirstName=\"Ann\" LastName=\"Lee\" BirthYear=\"1950\"/>",
          actor("Ann", "", "Lee", "1950")},
         "Ann\t\tLee\t1950\r\n",
         0},
    };
    for (const auto& c : cases) {
        for (const bool oneByOne : {false, true}) {
            const People people = readPeople(c.lines, oneByOne);
            EXPECT_EQ(people.table, c.table) << c.name;
            EXPECT_EQ(people.damaged, c.damaged) << c.name;
        }
    }
}

// Values of every length up to two words, so that the attributes' quotes fall at every place
// of the eight-byte steps that look for them: each person once, in the order first met.
TEST(PeopleReader, ReadsValuesOfAnyLengthOnce)
{
    std::vector<std::string> lines;
    std::string expected;
    for (std::size_t length = 0; length <= 17; ++length) {
        const std::string first(length, 'a');
        const std::string middle(17 - length, 'b');
        lines.push_back(actor(first, middle, "Lee", "1950"));
        expected += first + "\t" + middle + "\tLee\t1950\r\n";
    }
    std::vector<std::string> twice = lines;
    twice.insert(twice.end(), lines.begin(), lines.end());
    const People people = readPeople(twice, false);
    EXPECT_EQ(people.table, expected);
    EXPECT_EQ(people.damaged, 0);
}

} // namespace
} // namespace ravello::collection
