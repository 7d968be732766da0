// SPDX-License-Identifier: MIT
// Exports and index files that no DVD Profiler wrote: cut short, binary, one huge line,
// malformed. The import ends normally or says the export could not be read, never crashes,
// and leaves an index the title index can load; the title index takes any lines.
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "core/collection/collection_import.h"
#include "core/collection/line_reader.h"
#include "core/collection/title_index.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::fixturePath;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

class ImportFaults : public ::testing::Test
{
protected:
    // Imports the bytes and checks that what came out loads as a title index.
    ImportResult importBytes(std::string_view bytes)
    {
        writeFileBytes(m_export, bytes);
        const ImportResult result = importCollection(m_export, m_index);
        EXPECT_EQ(result.status, ImportStatus::Imported) << result.detail;
        TitleIndex index;
        EXPECT_TRUE(index.loadTitleIndex(m_index));
        EXPECT_EQ(index.recordCount(), result.records);
        return result;
    }

    TemporaryFolder m_folder;
    std::filesystem::path m_export = m_folder / "Collection.xml";
    std::filesystem::path m_index = m_folder / "DatabaseDVDP.TXT";
};

std::string sampleExport()
{
    return readFileBytes(fixturePath("collection/collection.xml"));
}

TEST_F(ImportFaults, ExportCutAnywhereGivesAtMostTheWholeExportsRecords)
{
    const std::string whole = sampleExport();
    const int all = importBytes(whole).records;
    for (std::size_t length = 0; length < whole.size(); length += 37) {
        SCOPED_TRACE(length);
        EXPECT_LE(importBytes(whole.substr(0, length)).records, all);
    }
}

TEST_F(ImportFaults, BinaryExportGivesNoRecords)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(4u << 20, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(random));
    EXPECT_EQ(importBytes(bytes).records, 0);
    EXPECT_EQ(importBytes(std::string(1u << 20, '\0')).records, 0);
}

// 50 MB without a line end, once as plain text and once inside a profile's overview.
TEST_F(ImportFaults, HugeSingleLineIsReadToItsEnd)
{
    const std::string huge(50u << 20, 'a');
    EXPECT_EQ(importBytes(huge).records, 0);

    std::string bytes = sampleExport();
    const std::string from = "from their cryo-sleep capsules halfway through their journey home";
    bytes.replace(bytes.find(from), from.size(), huge);
    const ImportResult result = importBytes(bytes);
    EXPECT_EQ(result.records, importBytes(sampleExport()).records);
}

TEST_F(ImportFaults, MalformedProfilesKeepTheIndexColumns)
{
    const std::string profiles[] = {
        "<DVD><CollectionNumber>1</CollectionNumber><Title>No line ends at all</Title></DVD>",
        "<DVD>\r\n<CollectionNumber>-5</CollectionNumber>\r\n<Title>Negative</Title>\r\n"
        "<MyLinks>\r\n</DVD>\r\n",
        "<DVD>\r\n<CollectionNumber>99999999999999999999</CollectionNumber>\r\n<MyLinks>\r\n"
        "</DVD>\r\n",
        "<DVD>\r\n<CollectionNumber>12</CollectionNumber>\r\n<ID>" + std::string(300, '|') +
            "</ID>\r\n<Title>" + std::string(5000, 'T') + "</Title>\r\n<ProductionYear>" +
            "-99999999999</ProductionYear>\r\n<RunningTime>abc</RunningTime>\r\n<Rating>"
            "<Rating>\r\n<MyLinks>\r\n</DVD>\r\n",
        "<DVD>\r\n<DVD>\r\n<CollectionNumber>3</CollectionNumber>\r\n<Title></Title></Title>"
        "\r\n<Overview><Overview>\r\n</DVD>\r\n<MyLinks>\r\n",
        "</DVD>\r\n</Collection>\r\n<MyLinks>\r\n<CollectionNumber>\r\n",
    };
    for (const std::string& profile : profiles) {
        SCOPED_TRACE(profile.substr(0, 60));
        importBytes("<?xml version=\"1.0\"?>\r\n<Collection>\r\n" + profile);
        TitleIndex index;
        ASSERT_TRUE(index.loadTitleIndex(m_index));
        for (const std::string& record : index.records())
            EXPECT_EQ(record.find_first_of("\r\n"), std::string::npos);
    }
}

// A file without line ends (a disk image chosen as the export) would otherwise be held whole.
TEST_F(ImportFaults, LineLongerThanTheReaderTakesStopsTheReading)
{
    writeFileBytes(m_export, std::string(900, 'a') + "\n" + std::string(5000, '\0'));
    LineReader lines(m_export, 256, 1000);
    std::string_view line;
    ASSERT_TRUE(lines.next(line));
    EXPECT_EQ(line.size(), 900u);
    EXPECT_FALSE(lines.next(line));
    EXPECT_TRUE(lines.failed());
    EXPECT_TRUE(lines.lineTooLong());
}

// Index lines the program did not write: short, long, not numbered, empty, binary.
TEST(TitleIndexFaults, AnyLinesLoadAndLookUpsStayInside)
{
    TemporaryFolder folder;
    const std::string lines[] = {
        "",
        "1",
        "00001|",
        "00001|001",
        "abcde|xyz|" + std::string(100000, 'x'),
        "99999|999|" + std::string(2000, ' '),
        "-0001|-01|negative",
        "00002|001|ID|1|0|0|0|1999|0120|5|Title|Original|Overview",
        std::string(300, '\xFF'),
        std::string("00003|\0\0\0|binary", 16),
        "1000000|001|too many digits",
    };
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    writeFileBytes(folder / "index.txt", bytes);
    TitleIndex index;
    ASSERT_TRUE(index.loadTitleIndex(folder / "index.txt"));
    EXPECT_EQ(index.recordCount(), static_cast<int>(std::size(lines)));
    for (int number : {-1, 0, 1, 2, 3, 99999, 100000, 1000000}) {
        EXPECT_GE(index.occurrences(number), 0);
        for (int occurrence : {-1, 0, 1, 999, 1000})
            (void)index.findIndexRecord(number, occurrence);
    }
    EXPECT_EQ(index.occurrences(2), 1);
    EXPECT_LE(index.largestCollectionNumber(), 99999);
}

} // namespace
} // namespace ravello::collection
