// SPDX-License-Identifier: MIT
// The collection import with any bytes as the export, then the index and the people table it
// wrote loaded and looked up; and any bytes as the title index file and as the people table.
#include <algorithm>

#include "core/collection/collection_import.h"
#include "core/collection/line_reader.h"
#include "core/collection/people_table.h"
#include "core/collection/title_index.h"
#include "core/files/program_folders.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace ravello;

void lookUp(const collection::TitleIndex& index)
{
    for (int number : {0, 1, 2, index.largestCollectionNumber(), 99999, 100000}) {
        (void)index.occurrences(number);
        (void)index.findIndexRecord(number, 1);
    }
}

std::string nameOf(const collection::KnownPerson& person)
{
    return person.first + ' ' + person.middle + ' ' + person.last;
}

struct PeopleFile
{
    int lines = 0;
    int people = 0; // the lines that read as a person
};

// Each person of a people table file found by its name in the table loaded from it.
PeopleFile lookUpPeople(const std::filesystem::path& file)
{
    const collection::PeopleTable table = collection::PeopleTable::load(file);
    PeopleFile counts;
    collection::LineReader reader(file);
    std::string_view line;
    while (reader.next(line)) {
        ++counts.lines;
        const std::optional<collection::KnownPerson> person = collection::readPeopleLine(line);
        if (!person)
            continue;
        ++counts.people;
        const auto found = table.find(nameOf(*person));
        fuzz::check(collection::peopleKey(nameOf(*person)).empty() ||
                    std::find(found.begin(), found.end(), *person) != found.end());
    }
    fuzz::check(table.size() == static_cast<std::size_t>(counts.people));
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path exportFile = fuzz::scratchFolder() / "Collection.xml";
    const std::filesystem::path indexFile = fuzz::scratchFolder() / "DatabaseDVDP.TXT";
    const std::filesystem::path peopleFile = files::ProgramFolders::peopleTableBeside(indexFile);
    fuzz::writeBytes(exportFile, fuzz::textOf(data, size));
    std::filesystem::remove(indexFile);
    std::filesystem::remove(peopleFile);

    const collection::ImportResult result = collection::importCollection(exportFile, indexFile);
    collection::TitleIndex index;
    if (result.status == collection::ImportStatus::Imported) {
        fuzz::check(index.loadTitleIndex(indexFile));
        fuzz::check(index.recordCount() == result.records);
        lookUp(index);
        // Every person the import counted is a line of its table that reads back.
        const PeopleFile written = lookUpPeople(peopleFile);
        fuzz::check(written.lines == result.people && written.people == result.people);
    }

    // The same bytes as an index file and a people table someone else wrote.
    fuzz::check(index.loadTitleIndex(exportFile));
    lookUp(index);
    (void)lookUpPeople(exportFile);
    return 0;
}
