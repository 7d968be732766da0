// SPDX-License-Identifier: MIT
// The people of any bytes, as the cast and crew lines of an export and as a people table file.
// The reader writes the same table whether it takes the lines at once, one by one or on its
// thread; every line it writes reads back, once. Every line of the input that reads as a
// person is written back the same and found by its name in a table of them.
#include <algorithm>
#include <set>
#include <sstream>

#include "core/collection/background_credits_reader.h"
#include "core/collection/line_marks.h"
#include "core/collection/people_reader.h"
#include "core/collection/people_table.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace ravello::collection;
using ravello::fuzz::check;

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return lines;
}

void readExportLines(std::string_view input)
{
    std::vector<std::string_view> lines = linesOf(input);
    std::erase_if(lines, [](std::string_view line) { return !(marksOf(line) & kMarkPerson); });

    std::ostringstream atOnce;
    PeopleReader reader(atOnce);
    reader.readLines(lines);

    std::ostringstream oneByOne;
    PeopleReader single(oneByOne);
    for (const std::string_view line : lines)
        single.readLines({&line, 1});
    check(oneByOne.str() == atOnce.str() && single.peopleCount() == reader.peopleCount() &&
          single.damaged() == reader.damaged());

    std::ostringstream onThread;
    std::ostringstream noEpisodes;
    {
        BackgroundCreditsReader background(onThread, noEpisodes);
        for (const std::string_view line : lines)
            background.readPersonLine(line);
        background.finish();
        check(background.peopleCount() == reader.peopleCount() &&
              background.damaged() == reader.damaged());
    }
    check(onThread.str() == atOnce.str() && noEpisodes.str().empty());

    const std::string table = atOnce.str();
    check(table.empty() || table.ends_with("\r\n"));
    std::set<std::string_view> written;
    for (const std::string_view line : linesOf(table)) {
        check(readPeopleLine(line).has_value());
        check(written.insert(line).second);
    }
    check(static_cast<int>(written.size()) == reader.peopleCount());
    check(reader.peopleCount() + reader.damaged() <= static_cast<int>(lines.size()));
}

std::string nameOf(const KnownPerson& person)
{
    return person.first + ' ' + person.middle + ' ' + person.last;
}

void readTableLines(std::string_view input)
{
    std::vector<KnownPerson> people;
    for (const std::string_view line : linesOf(input)) {
        const std::optional<KnownPerson> person = readPeopleLine(line);
        if (!person)
            continue;
        std::string again;
        appendPeopleLine(again, person->first, person->middle, person->last, person->birthYear);
        const std::optional<KnownPerson> reread = readPeopleLine(again);
        check(reread && reread->birthYear == person->birthYear);
        const std::string key = peopleKey(nameOf(*person));
        check(peopleKey(key) == key);
        people.push_back(*person);
    }
    const PeopleTable table(people);
    check(table.size() == people.size());
    for (const KnownPerson& person : people) {
        const auto found = table.find(nameOf(person));
        check(peopleKey(nameOf(person)).empty() ||
              std::find(found.begin(), found.end(), person) != found.end());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = ravello::fuzz::textOf(data, size);
    readExportLines(input);
    readTableLines(input);
    return 0;
}
