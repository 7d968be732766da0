// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/collection_import.h"
#include "core/collection/leave_one_out.h"
#include "core/collection/title_index.h"
#include "core/files/program_folders.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

// The box sets of the fixture's export as collectors keep them (a season whose last disc holds
// fewer, a disc crossing into the next season, a missing disc, a season of one disc, a disc
// owned twice, the next disc numbered like the one before by mistake, a show written with and
// without case and accent): each disc proposed from the rest of the collection finds its own
// first and last episode, and from its own dividers always.
TEST(LeaveOneOut, DiscsOfRealShapedBoxSetsAreFoundFromTheRest)
{
    testing::TemporaryFolder folder;
    const auto index = folder / "DatabaseDVDP.TXT";
    ASSERT_EQ(
        importCollection(testing::fixturePath("collection/box_set_collection.xml"), index).status,
        ImportStatus::Imported);
    TitleIndex titles;
    ASSERT_TRUE(titles.loadTitleIndex(index));
    const LeaveOneOutCounts counts = measureLeaveOneOut(
        titles.records(), EpisodeTable::load(files::ProgramFolders::episodeTableBeside(index)));
    EXPECT_EQ(counts.discs, 18);
    EXPECT_GE(counts.fromTheRestPercent(), 90.0) << counts.fromTheRest << " of " << counts.discs;
    EXPECT_EQ(counts.fromProfile, counts.discs);
}

} // namespace
} // namespace ravello::collection
