// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/collection/index_record.h"
#include "core/collection/title_index.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::TemporaryFolder;
using testing::writeFileBytes;

std::string record(int number, int occurrence, std::string title = "")
{
    IndexRecord values;
    values.collectionNumber = number;
    values.occurrence = occurrence;
    values.profileId.append("ID").append(std::to_string(number)).append(".");
    values.profileId.append(std::to_string(occurrence));
    values.title =
        title.empty() ? std::string("Title ").append(std::to_string(number)) : std::move(title);
    return formatIndexRecord(values);
}

TitleIndex indexOf(const std::vector<std::pair<int, int>>& keys)
{
    std::vector<std::string> records;
    for (const auto& [number, occurrence] : keys)
        records.push_back(record(number, occurrence));
    TitleIndex index;
    index.assign(std::move(records));
    return index;
}

TEST(TitleIndex, FindsRecordOnItsLineInACollectionWithoutGaps)
{
    const TitleIndex index = indexOf({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    EXPECT_EQ(index.findIndexRecord(3, 1), index.records()[2]);
    EXPECT_EQ(index.largestCollectionNumber(), 5);
}

TEST(TitleIndex, ScansWhenTheLineHoldsAnotherRecord)
{
    const TitleIndex index = indexOf({{1, 1}, {2, 1}, {2, 2}, {3, 1}});
    EXPECT_EQ(index.occurrences(2), 2);
    EXPECT_EQ(index.occurrences(3), 1);
    EXPECT_EQ(index.findIndexRecord(3, 1), index.records()[3]);
    EXPECT_EQ(index.findIndexRecord(2, 2), index.records()[2]);
    EXPECT_EQ(index.findIndexRecord(4, 1), notFoundRecord());
    EXPECT_EQ(index.findIndexRecord(2, 3), notFoundRecord());
}

TEST(TitleIndex, FindsRecordsBeyondTheRecordCountInACollectionWithGaps)
{
    const TitleIndex index = indexOf({{10, 1}, {20, 1}, {20030, 1}});
    EXPECT_EQ(index.findIndexRecord(10, 1), index.records()[0]);
    EXPECT_EQ(index.findIndexRecord(20030, 1), index.records()[2]);
    EXPECT_EQ(index.findIndexRecord(15, 1), notFoundRecord());
    EXPECT_EQ(index.largestCollectionNumber(), 20030);
    EXPECT_EQ(index.occurrences(20030), 1);
}

TEST(TitleIndex, StepsToTheNearestNumberThatHasAProfile)
{
    const TitleIndex index = indexOf({{10, 1}, {20, 1}, {20, 2}, {20030, 1}});
    EXPECT_EQ(index.neighbourWithProfile(10, 1), 20);
    EXPECT_EQ(index.neighbourWithProfile(20, 1), 20030);
    EXPECT_EQ(index.neighbourWithProfile(15, -1), 10);
    EXPECT_EQ(index.neighbourWithProfile(0, 1), 10);
    EXPECT_EQ(index.neighbourWithProfile(99999, -1), 20030);
    EXPECT_EQ(index.neighbourWithProfile(20030, 1), std::nullopt);
    EXPECT_EQ(index.neighbourWithProfile(10, -1), std::nullopt);
    EXPECT_EQ(TitleIndex().neighbourWithProfile(0, 1), std::nullopt);
}

TEST(TitleIndex, NumbersOutsideTheCollectionGiveTheNotFoundRecord)
{
    const TitleIndex index = indexOf({{1, 1}, {2, 1}});
    for (const int number : {0, -1, 100000, 2147483647})
        EXPECT_EQ(index.findIndexRecord(number, 1), notFoundRecord()) << number;
    EXPECT_EQ(index.occurrences(-1), 0);
    EXPECT_EQ(index.occurrences(100000), 0);
}

TEST(TitleIndex, EmptyIndexHasNoNumbers)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "DatabaseDVDP.TXT", "");
    TitleIndex index;
    ASSERT_TRUE(index.loadTitleIndex(folder / "DatabaseDVDP.TXT"));
    EXPECT_TRUE(index.empty());
    EXPECT_EQ(index.largestCollectionNumber(), 0);
    EXPECT_EQ(index.occurrences(1), 0);
    EXPECT_EQ(index.findIndexRecord(1, 1), notFoundRecord());
}

TEST(TitleIndex, LoadsTheLinesOfTheIndexFile)
{
    TemporaryFolder folder;
    const std::string first = record(1, 1, "Alien");
    const std::string second = record(2, 1, std::string(100, 'L'));
    writeFileBytes(folder / "DatabaseDVDP.TXT", first + "\r\n" + second + "\r\n");
    TitleIndex index;
    ASSERT_TRUE(index.loadTitleIndex(folder / "DatabaseDVDP.TXT"));
    EXPECT_EQ(index.records(), (std::vector<std::string>{first, second}));
    EXPECT_EQ(recordTitle(index.findIndexRecord(2, 1)), std::string(100, 'L'));
}

TEST(TitleIndex, MissingFileKeepsTheRecordsHeld)
{
    TemporaryFolder folder;
    TitleIndex index = indexOf({{1, 1}, {2, 1}, {2, 2}});
    EXPECT_FALSE(index.loadTitleIndex(folder / "none.TXT"));
    EXPECT_EQ(index.recordCount(), 3);
    EXPECT_EQ(index.occurrences(2), 2);
}

TEST(TitleIndex, ReloadCountsOccurrencesAfresh)
{
    TitleIndex index = indexOf({{2, 1}, {2, 2}, {2, 3}});
    index.assign({record(2, 1), record(3, 1)});
    EXPECT_EQ(index.occurrences(2), 1);
    EXPECT_EQ(index.largestCollectionNumber(), 3);
}

TEST(TitleIndex, LinesThatFollowNoLayoutAreHeldButNotCounted)
{
    TitleIndex index;
    index.assign({"-0005|001|broken", "garbage", record(4, 1)});
    EXPECT_EQ(index.recordCount(), 3);
    EXPECT_EQ(index.largestCollectionNumber(), 4);
    EXPECT_EQ(index.occurrences(0), 0);
    EXPECT_EQ(index.findIndexRecord(4, 1), index.records()[2]);
}

} // namespace
} // namespace ravello::collection
