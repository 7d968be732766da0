// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/episode_table.h"
#include "core/files/program_folders.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

std::vector<EpisodeCode> found(const EpisodeTable& table, std::string_view profileId)
{
    const auto codes = table.find(profileId);
    return {codes.begin(), codes.end()};
}

TEST(EpisodeTable, LinesGiveAnIdAndItsCodesOrNothing)
{
    const struct
    {
        std::string_view line;
        std::optional<ProfileEpisodes> profile;
    } cases[] = {
        {"025192011827.5\t3.05\t3.06\r\n", ProfileEpisodes{"025192011827.5", {{3, 5}, {3, 6}}}},
        {"P9\t3.47\t4.01\n", ProfileEpisodes{"P9", {{3, 47}, {4, 1}}}},
        {"Caf\xE9\t12.110", ProfileEpisodes{"Caf\xE9", {{12, 110}}}},
        {"P1", std::nullopt},
        {"P1\t", std::nullopt},
        {"\t3.05", std::nullopt},
        {"P1\t3.05\t\t3.06", std::nullopt},
        {"P1\t3.05 Anatomy of a Murder", std::nullopt},
        {"P1\t3.00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readEpisodeLine(c.line), c.profile) << c.line;

    std::string line;
    appendEpisodeLine(line, "P\t1\r", std::vector<EpisodeCode>{{2, 3}, {12, 110}});
    appendEpisodeLine(line, "P2", {});
    EXPECT_EQ(line, "P 1 \t2.03\t12.110\r\n");
}

TEST(EpisodeTable, SavedTableLoadsTheSameAndDamagedLinesArePassedOver)
{
    testing::TemporaryFolder folder;
    const auto file = files::ProgramFolders::at(folder.path()).copiedEpisodesFile();
    EXPECT_TRUE(EpisodeTable::load(file).empty());
    EXPECT_TRUE(EpisodeTable::load(folder.path()).empty());

    EpisodeTable table;
    table.set("P2", {{3, 8}, {3, 5}, {3, 6}, {3, 7}, {3, 5}});
    table.set("P1", {{1, 1}});
    table.set("P3", {{2, 1}});
    table.set("P3", {});
    std::filesystem::create_directories(file.parent_path());
    ASSERT_TRUE(table.save(file));
    EXPECT_EQ(testing::readFileBytes(file), "P1\t1.01\r\nP2\t3.05\t3.06\t3.07\t3.08\r\n");

    testing::writeFileBytes(file, testing::readFileBytes(file) +
                                      "broken\r\n\r\nP1\t1.02\t1.01\r\nP4\t2.01");
    const EpisodeTable loaded = EpisodeTable::load(file);
    EXPECT_EQ(loaded.size(), 3u);
    EXPECT_EQ(found(loaded, "P1"), (std::vector<EpisodeCode>{{1, 1}, {1, 2}}));
    EXPECT_EQ(found(loaded, "P2").size(), 4u);
    EXPECT_EQ(found(loaded, "P4"), (std::vector<EpisodeCode>{{2, 1}}));
    EXPECT_TRUE(found(loaded, "P3").empty());
}

} // namespace
} // namespace ravello::collection
