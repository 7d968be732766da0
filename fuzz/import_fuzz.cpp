// SPDX-License-Identifier: MIT
// The collection import with any bytes as the export, then the index it wrote loaded and
// looked up; and any bytes as the title index file.
#include "core/collection/collection_import.h"
#include "core/collection/title_index.h"
#include "fuzz/fuzz_input.h"

namespace {

void lookUp(const ravello::collection::TitleIndex& index)
{
    for (int number : {0, 1, 2, index.largestCollectionNumber(), 99999, 100000}) {
        (void)index.occurrences(number);
        (void)index.findIndexRecord(number, 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::filesystem::path exportFile = fuzz::scratchFolder() / "Collection.xml";
    const std::filesystem::path indexFile = fuzz::scratchFolder() / "DatabaseDVDP.TXT";
    fuzz::writeBytes(exportFile, fuzz::textOf(data, size));
    std::filesystem::remove(indexFile);

    const collection::ImportResult result = collection::importCollection(exportFile, indexFile);
    collection::TitleIndex index;
    if (result.status == collection::ImportStatus::Imported) {
        fuzz::check(index.loadTitleIndex(indexFile));
        fuzz::check(index.recordCount() == result.records);
        lookUp(index);
    }

    // The same bytes as an index file someone else wrote.
    fuzz::check(index.loadTitleIndex(exportFile));
    lookUp(index);
    return 0;
}
