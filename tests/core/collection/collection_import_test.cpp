// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "core/collection/collection_import.h"
#include "core/collection/episode_table.h"
#include "core/collection/export_timestamp.h"
#include "core/collection/index_record.h"
#include "core/files/path_text.h"
#include "tests/support/synthetic_export.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::fixturePath;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

std::vector<std::string> indexLines(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::istringstream in(readFileBytes(file));
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(line.ends_with('\r')) << "no CR LF after " << line.substr(0, 20);
        line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A hand-made export with one part replaced, for the cases no real export shows.
std::string exportWith(std::string_view from, std::string_view to)
{
    std::string bytes = readFileBytes(fixturePath("collection/collection.xml"));
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    bytes.replace(at, from.size(), to);
    return bytes;
}

// The first profile of the hand-made export, from its <DVD> line to its </DVD> line.
std::string firstProfile()
{
    const std::string bytes = readFileBytes(fixturePath("collection/collection.xml"));
    const std::size_t begin = bytes.find("  <DVD>\r\n");
    const std::size_t end = bytes.find("  </DVD>\r\n") + 10;
    return bytes.substr(begin, end - begin);
}

#ifdef _WIN32
constexpr struct
{
    ImportFailure failure;
    const char* detail;
} kOverlongName{ImportFailure::ExportMissing, "there is no export "};
#else
constexpr struct
{
    ImportFailure failure;
    const char* detail;
} kOverlongName{ImportFailure::ExportNotOpened, "cannot open the export "};
#endif

class CollectionImport : public ::testing::Test
{
protected:
    ImportResult import(const std::filesystem::path& exportFile)
    {
        return importCollection(exportFile, m_index);
    }
    ImportResult importBytes(std::string_view bytes)
    {
        writeFileBytes(m_folder / "Collection.xml", bytes);
        return import(m_folder / "Collection.xml");
    }
    std::vector<std::string> lines() const { return indexLines(m_index); }

    TemporaryFolder m_folder;
    std::filesystem::path m_index = m_folder / "DB" / "DVDP" / "DatabaseDVDP.TXT";
    std::filesystem::path m_people = m_folder / "DB" / "DVDP" / "PeopleDVDP.TXT";
    std::filesystem::path m_episodes = m_folder / "DB" / "DVDP" / "EpisodesDVDP.TXT";
};

TEST_F(CollectionImport, RealLookingExportGivesTheExactRecordLayout)
{
    const ImportResult result = import(fixturePath("collection/collection.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported) << result.detail;
    EXPECT_EQ(result.failure, ImportFailure::None);
    EXPECT_EQ(result.records, 4);
    EXPECT_EQ(result.skipped, 3); // an ID of 30 characters, number 120000, an ID holding '|'
    EXPECT_EQ(result.unnumbered, 1);
    EXPECT_EQ(readFileBytes(m_index),
              readFileBytes(fixturePath("collection/collection_index.txt")));
}

// Every cast and crew member once, in the order first met: entities decoded as in the other
// values, accented letters kept, one name with two years twice, the same person as actor and
// director or with an entity for the apostrophe once; the lines with no name, a cut value or a
// year that is no number give nobody.
TEST_F(CollectionImport, PeopleTableHoldsEachPersonOfTheCastAndCrewOnce)
{
    const ImportResult result = import(fixturePath("collection/collection.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported) << result.detail;
    EXPECT_EQ(result.people, 20);
    EXPECT_EQ(result.damagedPeople, 3);
    EXPECT_EQ(readFileBytes(m_people),
              readFileBytes(fixturePath("collection/collection_people.txt")));
}

// The episode dividers of the cast and crew, kept beside the index: a profile's codes of both
// lists in episode order, each once, its line in the export's order; captions with entities
// and accents count, groups, their ends and captions without a code give none, and a profile
// without any gets no line.
TEST_F(CollectionImport, EpisodeTableHoldsTheDividersOfEachProfile)
{
    const ImportResult result = import(fixturePath("collection/box_set_collection.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported) << result.detail;
    EXPECT_EQ(result.episodeProfiles, 18);
    const std::string table = readFileBytes(m_episodes);
    EXPECT_TRUE(
        table.starts_with("P5\t3.47\t3.48\t3.49\t3.50\t3.51\t4.01\t4.02\t4.03\t4.04\t4.05\r\n"))
        << table;
    const struct
    {
        std::string_view profileId;
        std::size_t episodes; // 0: no line
    } cases[] = {{"P12", 10}, {"P13", 10}, {"P14", 4}, {"P16", 2}, {"P20", 3},
                 {"P23", 4},  {"P1", 0},   {"P9", 0},  {"P25", 0}};
    const EpisodeTable loaded = EpisodeTable::load(m_episodes);
    for (const auto& test : cases)
        EXPECT_EQ(loaded.find(test.profileId).size(), test.episodes) << test.profileId;
}

TEST_F(CollectionImport, ExportWithoutPeopleOrDividersGivesEmptyTables)
{
    writeFileBytes(m_people, "Old\t\tPerson\t1950\r\n");
    writeFileBytes(m_episodes, "P5\t3.47\r\n");
    testing::SyntheticExportOptions options;
    options.profiles = 20;
    options.castPerProfile = 0;
    options.crewPerProfile = 0;
    std::ostringstream out;
    testing::writeSyntheticExport(out, options);
    const ImportResult result = importBytes(out.str());
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.records, 19);
    EXPECT_EQ(result.people, 0);
    EXPECT_EQ(result.episodeProfiles, 0);
    EXPECT_TRUE(std::filesystem::exists(m_people));
    EXPECT_EQ(readFileBytes(m_people), "");
    EXPECT_TRUE(std::filesystem::exists(m_episodes));
    EXPECT_EQ(readFileBytes(m_episodes), "");
}

TEST_F(CollectionImport, ExportWithoutMyLinksGivesTheSameRecords)
{
    // Older DVD Profiler: no MyLinks, True and False, LF line ends; the Locks element reuses
    // Title, Overview, RunningTime and ProductionYear and must set none of them.
    const ImportResult result = import(fixturePath("collection/collection_without_mylinks.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.records, 4);
    EXPECT_EQ(result.skipped, 3);
    EXPECT_EQ(readFileBytes(m_index),
              readFileBytes(fixturePath("collection/collection_index.txt")));
}

TEST_F(CollectionImport, RecordsHoldTheProfilesValues)
{
    ASSERT_EQ(import(fixturePath("collection/collection.xml")).status, ImportStatus::Imported);
    const std::vector<std::string> index = lines();
    ASSERT_EQ(index.size(), 4u);
    // DVD true, HD DVD false, no custom media type.
    EXPECT_EQ(index[0].substr(0, 43), "00001|001|025192012421.4          |1|0|0|0|");
    // Two profiles numbered 7, in export order; X265 and Divx custom media types.
    EXPECT_EQ(index[2].substr(0, 43), "00007|001|5051892001234.3         |0|1|0|1|");
    EXPECT_EQ(index[3].substr(0, 43), "00007|002|0883929090118.4         |1|0|1|0|");
    // Running time 12000 clamped; a rating of two digits reads as 0.
    EXPECT_EQ(index[2].substr(43, 12), "1963|9999|0|");
    // No production year; 95 minutes padded.
    EXPECT_EQ(index[3].substr(43, 12), "0000|0095|5|");
    // A title of 150 characters keeps its first 100.
    EXPECT_EQ(index[3].substr(55, 101), "The Extraordinary and Most Remarkably Lengthy Adventures "
                                        "of a Small Band of Travellers Crossing the |");
    EXPECT_EQ(recordTitle(index[0]), "Alien");
    EXPECT_EQ(index[0].substr(55, 101), "Alien" + std::string(95, ' ') + "|");
}

TEST_F(CollectionImport, OverviewsAreJoinedNormalisedAndUntagged)
{
    ASSERT_EQ(import(fixturePath("collection/collection.xml")).status, ImportStatus::Imported);
    const std::vector<std::string> index = lines();
    ASSERT_EQ(index.size(), 4u);
    EXPECT_EQ(index[0].substr(257),
              "In deep space, the crew of the commercial starship &lt;i&gt;Nostromo&lt;/i&gt; "
              "is awakenedfrom their cryo-sleep capsules halfway through their journey hometo "
              "investigate a distress call from an alien vessel.");
    EXPECT_EQ(index[2].substr(257), "Paul & Camille, a screenwriter and his wife, in 'Capri'.");
    EXPECT_EQ(index[3].substr(256), "|"); // no overview: the record ends with the bar
}

TEST_F(CollectionImport, ExportWithoutNumberedProfilesGivesAnEmptyIndex)
{
    writeFileBytes(m_index, "old\r\n");
    const ImportResult result = import(fixturePath("collection/wish_list_only.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.records, 0);
    EXPECT_EQ(result.unnumbered, 2);
    EXPECT_TRUE(std::filesystem::exists(m_index));
    EXPECT_EQ(readFileBytes(m_index), "");
}

// An export that cannot be had is told by its kind and its file, and keeps the old index. The
// paths fail for any user, root included: a path through a file, a name over 255 bytes (which
// Windows says is not there).
TEST_F(CollectionImport, ExportThatCannotBeHadKeepsTheOldIndexAndPeople)
{
    writeFileBytes(m_index, "old\r\n");
    writeFileBytes(m_people, "Old\t\tPerson\t1950\r\n");
    writeFileBytes(m_episodes, "P5\t3.47\r\n");
    writeFileBytes(m_folder / "file.txt", "not a folder");
    const struct
    {
        std::filesystem::path exportFile;
        ImportFailure failure;
        const char* detail;
    } cases[] = {
        {m_folder / "no such Collection.xml", ImportFailure::ExportMissing, "there is no export "},
        {m_folder / "file.txt" / "Collection.xml", ImportFailure::ExportMissing,
         "there is no export "},
        {m_folder.path(), ImportFailure::ExportNotOpened, "cannot open the export "},
        {m_folder / (std::string(300, 'n') + ".xml"), kOverlongName.failure, kOverlongName.detail},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.exportFile);
        const ImportResult result = import(test.exportFile);
        EXPECT_EQ(result.status, ImportStatus::ExportUnreadable);
        EXPECT_EQ(result.failure, test.failure);
        EXPECT_EQ(result.failedFile, test.exportFile);
        EXPECT_EQ(result.detail, test.detail + files::utf8FromPath(test.exportFile));
        EXPECT_FALSE(result.exportStamp.has_value());
        EXPECT_EQ(readFileBytes(m_index), "old\r\n");
        EXPECT_EQ(readFileBytes(m_people), "Old\t\tPerson\t1950\r\n");
        EXPECT_EQ(readFileBytes(m_episodes), "P5\t3.47\r\n");
    }
}

TEST_F(CollectionImport, UnwritableIndexKeepsTheOldStampAndPeople)
{
    std::filesystem::create_directories(m_index); // a folder where the file should go
    writeFileBytes(m_people, "Old\t\tPerson\t1950\r\n");
    writeFileBytes(m_folder / "file.txt", "not a folder");
    for (const std::filesystem::path& index :
         {m_index, m_folder / "file.txt" / "index.txt", m_folder / std::string(300, 'i')}) {
        SCOPED_TRACE(index);
        const ImportResult result =
            importCollection(fixturePath("collection/collection.xml"), index);
        EXPECT_EQ(result.status, ImportStatus::IndexNotWritten);
        EXPECT_EQ(result.failure, ImportFailure::IndexNotWritten);
        EXPECT_EQ(result.failedFile, index);
        EXPECT_EQ(result.detail,
                  "cannot write the title index or the people and episode tables beside it " +
                      files::utf8FromPath(index));
        EXPECT_FALSE(result.exportStamp.has_value());
    }
    EXPECT_TRUE(std::filesystem::is_directory(m_index));
    EXPECT_EQ(readFileBytes(m_people), "Old\t\tPerson\t1950\r\n");
}

TEST_F(CollectionImport, UnwritablePeopleTableKeepsTheOldIndex)
{
    writeFileBytes(m_index, "old\r\n");
    std::filesystem::create_directories(m_people / "taken");
    const ImportResult result = import(fixturePath("collection/collection.xml"));
    EXPECT_EQ(result.status, ImportStatus::IndexNotWritten);
    EXPECT_EQ(result.failure, ImportFailure::IndexNotWritten);
    EXPECT_EQ(readFileBytes(m_index), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_index.parent_path()),
                            std::filesystem::directory_iterator()),
              2)
        << "no temporary file is left";
}

TEST_F(CollectionImport, GivesTheExportStampAfterAnImport)
{
    const auto exportFile = fixturePath("collection/collection.xml");
    const ImportResult result = import(exportFile);
    ASSERT_TRUE(result.exportStamp.has_value());
    EXPECT_EQ(result.exportStamp, readExportTimestamp(exportFile));
}

TEST_F(CollectionImport, ExportEndingInsideAnOverviewEndsNormally)
{
    const ImportResult result = import(fixturePath("collection/ends_inside_overview.xml"));
    ASSERT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.records, 1);
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(lines()[0].substr(0, 9), "00001|001");
}

TEST_F(CollectionImport, LongOverviewIsCutAndItsLinesStillConsumed)
{
    // 3 x 9,000 characters: the overview keeps 19,999, and the profile after it is intact.
    const std::string piece(9000, 'w');
    const std::string bytes =
        exportWith("from their cryo-sleep capsules halfway through their journey home",
                   piece + "\r\n" + piece + "\r\n" + piece);
    ASSERT_EQ(importBytes(bytes).records, 4);
    const std::vector<std::string> index = lines();
    EXPECT_EQ(index[0].size(), 257u + 19999u);
    EXPECT_EQ(index[0].substr(257, 20), "In deep space, the c");
    EXPECT_EQ(recordTitle(index[1]), "Nuovo Cinema Paradiso");
}

TEST_F(CollectionImport, VeryLongLinesAreReadWhole)
{
    // A tag beyond the first 256 KB of a line is still found, and the value is taken from
    // the whole line, not from a piece of it.
    const std::string filler(300000, 'z');
    const std::string bytes =
        exportWith("<SortTitle>Alien</SortTitle>", filler + "<Title>Wrong</Title>");
    ASSERT_EQ(importBytes(bytes).records, 4);
    EXPECT_EQ(recordTitle(lines()[0]), std::string(100, 'z'));
    EXPECT_EQ(recordTitle(lines()[1]), "Nuovo Cinema Paradiso");
}

TEST_F(CollectionImport, SecondMyLinksMakesNoSecondRecord)
{
    const std::string bytes =
        exportWith("    </MyLinks>\r\n", "    </MyLinks>\r\n    </MyLinks>\r\n");
    ASSERT_EQ(importBytes(bytes).records, 4);
    EXPECT_EQ(lines()[1].substr(0, 9), "00002|001");
}

TEST_F(CollectionImport, LocksContentSetsNothing)
{
    // Without MyLinks the record is made at <Locks>; with a Locks element before MyLinks the
    // values inside Locks must not reach the record either.
    const std::string bytes = exportWith(
        "    <MyLinks>\r\n      <UserLinks/>\r\n    </MyLinks>\r\n    <Locks>\r\n",
        "    <Locks>\r\n      <Title>false</Title>\r\n      <RunningTime>0</RunningTime>\r\n");
    ASSERT_EQ(importBytes(bytes).records, 4);
    EXPECT_EQ(recordTitle(lines()[0]), "Alien");
    EXPECT_EQ(recordRunningTime(lines()[0]), 117);
}

TEST_F(CollectionImport, NumberSharedByMoreThan999ProfilesSkipsTheRest)
{
    std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<Collection>\r\n";
    const std::string profile = firstProfile();
    for (int i = 0; i < 1001; ++i)
        bytes += profile;
    bytes += "</Collection>\r\n";
    const ImportResult result = importBytes(bytes);
    EXPECT_EQ(result.records, 999);
    EXPECT_EQ(result.skipped, 2);
    EXPECT_EQ(lines().back().substr(0, 9), "00001|999");
}

TEST_F(CollectionImport, AcceptsEveryFiveDigitNumber)
{
    const std::string bytes = exportWith("<CollectionNumber>1</CollectionNumber>",
                                         "<CollectionNumber>99999</CollectionNumber>");
    ASSERT_EQ(importBytes(bytes).records, 4);
    EXPECT_EQ(lines().back().substr(0, 9), "99999|001");
}

TEST_F(CollectionImport, ReportsProgressUpToTheFinalCount)
{
    std::vector<ImportProgress> seen;
    const auto exportFile = fixturePath("collection/collection.xml");
    const ImportResult result = importCollection(
        exportFile, m_index, [&](const ImportProgress& progress) { seen.push_back(progress); });
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].filmNumber, seen[i - 1].filmNumber);
        EXPECT_GE(seen[i].bytesRead, seen[i - 1].bytesRead);
    }
    EXPECT_EQ(seen.back().filmNumber, result.records);
    EXPECT_EQ(seen.back().bytesRead, std::filesystem::file_size(exportFile));
    EXPECT_EQ(seen.back().totalBytes, std::filesystem::file_size(exportFile));
}

TEST_F(CollectionImport, SyntheticExportGivesOneRecordPerNumberedProfile)
{
    testing::SyntheticExportOptions options;
    options.profiles = 300;
    options.castPerProfile = 5;
    options.crewPerProfile = 5;
    for (const bool myLinks : {true, false}) {
        options.myLinks = myLinks;
        std::ostringstream out;
        testing::writeSyntheticExport(out, options);
        const ImportResult result = importBytes(out.str());
        EXPECT_EQ(result.records, 288) << myLinks; // every 25th profile has no number
        EXPECT_EQ(result.unnumbered, 12) << myLinks;
        EXPECT_EQ(result.skipped, 0) << myLinks;
        // Ten cast and crew lines a profile, the best known people in several of them.
        EXPECT_GT(result.people, 2000) << myLinks;
        EXPECT_LE(result.people, 3000) << myLinks;
        EXPECT_EQ(result.damagedPeople, 0) << myLinks;
        // The people come in batches from a reader of their own: none is lost or doubled.
        std::vector<std::string> people = indexLines(m_people);
        EXPECT_EQ(people.size(), static_cast<std::size_t>(result.people)) << myLinks;
        std::sort(people.begin(), people.end());
        EXPECT_EQ(std::adjacent_find(people.begin(), people.end()), people.end()) << myLinks;
        const std::vector<std::string> index = lines();
        EXPECT_TRUE(std::is_sorted(index.begin(), index.end()));
        for (const std::string& line : index)
            ASSERT_EQ(line[256], '|') << line.substr(0, 9);
    }
}

} // namespace
} // namespace ravello::collection
