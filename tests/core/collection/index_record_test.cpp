// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/index_record.h"

namespace ravello::collection {
namespace {

IndexRecord alien()
{
    IndexRecord record;
    record.collectionNumber = 12;
    record.occurrence = 1;
    record.profileId = "025192012421.4";
    record.dvd = true;
    record.productionYear = 1979;
    record.runningTime = 117;
    record.filmRating = 8;
    record.title = "Alien";
    record.overview = "In space no one can hear you scream.";
    return record;
}

TEST(IndexRecord, FormatsTheFixedColumns)
{
    IndexRecord record = alien();
    record.x265 = true;
    const std::string line = formatIndexRecord(record);
    EXPECT_EQ(line.substr(0, 55), "00012|001|025192012421.4          |1|0|0|1|1979|0117|8|");
    EXPECT_EQ(line.substr(55, 101), "Alien" + std::string(95, ' ') + "|");
    EXPECT_EQ(line.substr(156, 101), std::string(100, ' ') + "|");
    EXPECT_EQ(line.substr(257), "In space no one can hear you scream.");
}

TEST(IndexRecord, KeepsEveryColumnAtItsWidth)
{
    const struct
    {
        const char* what;
        void (*change)(IndexRecord&);
        std::string_view year;
        std::string_view running;
    } cases[] = {
        {"running time clamped", [](IndexRecord& r) { r.runningTime = 12000; }, "1979", "9999"},
        {"negative running time", [](IndexRecord& r) { r.runningTime = -5; }, "1979", "0000"},
        {"unknown year", [](IndexRecord& r) { r.productionYear = 0; }, "0000", "0117"},
        {"five-digit year", [](IndexRecord& r) { r.productionYear = 20100; }, "0000", "0117"},
        {"negative year", [](IndexRecord& r) { r.productionYear = -1; }, "0000", "0117"},
    };
    for (const auto& c : cases) {
        IndexRecord record = alien();
        c.change(record);
        const std::string line = formatIndexRecord(record);
        EXPECT_EQ(line.substr(43, 4), c.year) << c.what;
        EXPECT_EQ(line.substr(48, 4), c.running) << c.what;
        EXPECT_EQ(line.size(), 257 + record.overview.size()) << c.what;
    }
}

TEST(IndexRecord, CutsTitlesToTheirColumn)
{
    IndexRecord record = alien();
    record.title = std::string(150, 'T');
    record.originalTitle = std::string(100, 'O');
    const std::string line = formatIndexRecord(record);
    EXPECT_EQ(recordTitle(line), std::string(100, 'T'));
    EXPECT_EQ(recordOriginalTitle(line), std::string(100, 'O'));
    EXPECT_EQ(line[155], '|');
    EXPECT_EQ(line[256], '|');
}

TEST(IndexRecord, FieldsReadBackAsWritten)
{
    IndexRecord record = alien();
    record.collectionNumber = 20030;
    record.occurrence = 2;
    record.runningTime = 95;
    record.originalTitle = "Alien - Das unheimliche Wesen";
    record.overview = std::string(2500, 'o');
    const std::string line = formatIndexRecord(record);
    EXPECT_EQ(recordCollectionNumber(line), 20030);
    EXPECT_EQ(recordOccurrence(line), 2);
    EXPECT_EQ(recordProfileId(line), "025192012421.4");
    EXPECT_EQ(recordProductionYear(line), "1979");
    EXPECT_EQ(recordRunningTime(line), 95);
    EXPECT_EQ(recordTitle(line), "Alien");
    EXPECT_EQ(recordOriginalTitle(line), "Alien - Das unheimliche Wesen");
    EXPECT_EQ(recordOverview(line), std::string(2000, 'o'));
}

TEST(IndexRecord, EmptyOverviewReadsEmpty)
{
    IndexRecord record = alien();
    record.overview.clear();
    const std::string line = formatIndexRecord(record);
    EXPECT_EQ(line.back(), '|');
    EXPECT_EQ(recordOverview(line), "");
}

TEST(IndexRecord, FitsColumnsOnlyWithinTheirBounds)
{
    const struct
    {
        const char* what;
        void (*change)(IndexRecord&);
        bool fits;
    } cases[] = {
        {"as exported", [](IndexRecord&) {}, true},
        {"highest number", [](IndexRecord& r) { r.collectionNumber = 99999; }, true},
        {"six digits", [](IndexRecord& r) { r.collectionNumber = 100000; }, false},
        {"number 0", [](IndexRecord& r) { r.collectionNumber = 0; }, false},
        {"negative number", [](IndexRecord& r) { r.collectionNumber = -3; }, false},
        {"occurrence 999", [](IndexRecord& r) { r.occurrence = 999; }, true},
        {"occurrence 1000", [](IndexRecord& r) { r.occurrence = 1000; }, false},
        {"ID of 24", [](IndexRecord& r) { r.profileId = std::string(24, '1'); }, true},
        {"ID of 25", [](IndexRecord& r) { r.profileId = std::string(25, '1'); }, false},
        {"ID with bar", [](IndexRecord& r) { r.profileId = "0123|4567.1"; }, false},
    };
    for (const auto& c : cases) {
        IndexRecord record = alien();
        c.change(record);
        EXPECT_EQ(fitsColumns(record), c.fits) << c.what;
    }
}

TEST(IndexRecord, NotFoundRecordReadsAsZerosAndLetters)
{
    const std::string& line = notFoundRecord();
    ASSERT_EQ(line.size(), 300u);
    EXPECT_EQ(line.substr(0, 6), "NTNTNT");
    EXPECT_EQ(recordCollectionNumber(line), 0);
    EXPECT_EQ(recordOccurrence(line), 0);
    EXPECT_EQ(recordRunningTime(line), 0);
    EXPECT_EQ(recordTitle(line).size(), 100u);
    EXPECT_EQ(recordTitle(line).find_first_not_of("NT"), std::string::npos);
    EXPECT_EQ(recordProfileId(line), "NTNTNTNTNTNTNTNTNTNTNTNT");
}

} // namespace
} // namespace ravello::collection
