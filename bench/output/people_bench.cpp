// SPDX-License-Identifier: MIT
// The people of a very large collection: a table of 200,000 people (the synthetic export's,
// names repeating with other years). Goals: a 300-person cast or crew document against it in
// under 5 ms, and 10,000 names through `ravello-cli name` on standard input, table loaded
// from the file, in under 1 s.
#include <benchmark/benchmark.h>
#include <random>
#include <sstream>

#include "cli/cli_context.h"
#include "core/collection/people_table.h"
#include "core/output/cast_information.h"
#include "core/output/crew_information.h"
#include "core/text/windows1252.h"
#include "tests/support/synthetic_export.h"
#include "tests/support/temporary_folder.h"

namespace ravello {
namespace {

constexpr int kTablePeople = 200000;

collection::KnownPerson knownPerson(int number)
{
    testing::SyntheticPerson person = testing::syntheticPerson(number);
    return {std::move(person.first), std::move(person.middle), std::move(person.last),
            person.birthYear};
}

// The names TMDb would give (UTF-8): two of three people the table knows, the others not.
std::vector<std::string> tmdbNames(std::size_t count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> number(0, kTablePeople - 1);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        const collection::KnownPerson person = knownPerson(number(random));
        std::string name = person.first + " " + person.middle + " " + person.last;
        if (i % 3 == 2)
            name += " Unknown";
        names.push_back(text::windows1252ToUtf8(name));
    }
    return names;
}

const collection::PeopleTable& largeTable()
{
    static const collection::PeopleTable table = [] {
        std::vector<collection::KnownPerson> people;
        for (int number = 0; number < kTablePeople; ++number)
            people.push_back(knownPerson(number));
        return collection::PeopleTable(std::move(people));
    }();
    return table;
}

// A program database folder whose people table holds the 200,000 people.
const testing::TemporaryFolder& largeTableFolder()
{
    static const testing::TemporaryFolder folder;
    static const bool written = [] {
        std::string bytes;
        for (int number = 0; number < kTablePeople; ++number) {
            const collection::KnownPerson person = knownPerson(number);
            collection::appendPeopleLine(bytes, person.first, person.middle, person.last,
                                         person.birthYear);
        }
        testing::writeFileBytes(files::ProgramFolders::at(folder.path()).peopleTableFile(), bytes);
        return true;
    }();
    (void)written;
    return folder;
}

void BM_CastDocument(benchmark::State& state)
{
    const collection::PeopleTable& people = largeTable();
    std::vector<tmdb::CastRow> rows;
    std::vector<int> years;
    for (const std::string& name : tmdbNames(300, 1)) {
        rows.push_back({name, "Role (uncredited)"});
        years.push_back(static_cast<int>(rows.size() % 3 == 0 ? 0 : 1950));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(output::buildCastInformation("Film", rows, years, &people));
}
BENCHMARK(BM_CastDocument)->Unit(benchmark::kMillisecond);

void BM_CrewDocument(benchmark::State& state)
{
    const collection::PeopleTable& people = largeTable();
    std::vector<tmdb::CrewRow> rows;
    for (const std::string& name : tmdbNames(300, 2))
        rows.push_back({name, "Directing", "Director"});
    const std::vector<int> years(rows.size(), 1950);
    const auto& mapping = output::CrewMapping::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            output::buildCrewInformation("Film", rows, mapping, {}, years, &people));
}
BENCHMARK(BM_CrewDocument)->Unit(benchmark::kMillisecond);

void BM_LoadPeopleTable(benchmark::State& state)
{
    const auto file = files::ProgramFolders::at(largeTableFolder().path()).peopleTableFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(collection::PeopleTable::load(file).size());
}
BENCHMARK(BM_LoadPeopleTable)->Unit(benchmark::kMillisecond);

// The command as the tool runs it: arguments, the table read from the data folder, the names
// from standard input, the lines written as UTF-8.
void BM_NameCommandOnStandardInput(benchmark::State& state)
{
    std::string input;
    for (const std::string& name : tmdbNames(10000, 3))
        input += name + "\n";
    const cli::Arguments arguments = {"--data-dir", largeTableFolder().path().string(), "name"};
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        if (cli::runCli(arguments, in, out, err) != cli::kSuccess) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_NameCommandOnStandardInput)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ravello
