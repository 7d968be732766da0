// SPDX-License-Identifier: MIT
#include "core/tmdb/grouped_season_opening.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

constexpr const char* kDvdOrder = "5b11ba820e0a265847002c6e";

class GroupedSeason : public NetworkTest
{
protected:
    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::Fetcher m_fetcher{quickOptions()};
    files::ProgramFolders m_folders = files::ProgramFolders::at(m_folder.path());
    tmdb::SeasonCache m_seasons{m_folders, m_endpoint, m_fetcher};
    tmdb::EpisodeGroupCache m_groups{m_folders, m_endpoint, m_fetcher};
};

TEST_F(GroupedSeason, ListsTheDvdGroupsOnce)
{
    const auto first = m_groups.dvdGroups(4401);
    ASSERT_FALSE(first.failure);
    ASSERT_EQ(first.value->size(), 2u);
    EXPECT_EQ(first.value->at(0).id, kDvdOrder);
    EXPECT_EQ(m_groups.dvdGroups(4401).value, first.value);
    EXPECT_EQ(server().requestCount(), 1u);
    server().queueErrorFor("/3/tv/9999/episode_groups", 404);
    EXPECT_EQ(m_groups.dvdGroups(9999).failure->httpStatus, 404);
}

// The group and the two TMDb seasons its second volume takes episodes from; a second opening,
// and one of another volume from the same seasons, ask nothing.
TEST_F(GroupedSeason, OpensAVolumeFromTheSeasonCacheAndAsksNothingTwice)
{
    const auto opening = tmdb::openGroupedSeason(m_seasons, m_groups, 4401, kDvdOrder, 2,
                                                 fakeTmdb().url() + "/t/p/original/nd.jpg");
    EXPECT_TRUE(opening.failures.empty());
    ASSERT_TRUE(opening.content);
    EXPECT_EQ(opening.content->season.number, 2);
    EXPECT_EQ(opening.content->show.seasons.size(), 3u);
    EXPECT_EQ(tmdb::episodeCaption(2, opening.content->season.episodes.at(1)),
              "2.02 Deep in Death");
    EXPECT_TRUE(opening.coverFile);
    const std::size_t asked = server().requestCount();
    EXPECT_TRUE(
        tmdb::openGroupedSeason(m_seasons, m_groups, 4401, kDvdOrder, 2, std::nullopt).content);
    EXPECT_TRUE(
        tmdb::openGroupedSeason(m_seasons, m_groups, 4401, kDvdOrder, 1, std::nullopt).content);
    EXPECT_EQ(server().requestCount(), asked);

    // A number the group lacks opens its first season.
    EXPECT_EQ(
        tmdb::openGroupedSeason(m_seasons, m_groups, 4401, kDvdOrder, 7, std::nullopt).seasonNumber,
        0);
}

TEST_F(GroupedSeason, AGroupThatCannotBeHadFailsAsTheShowsStep)
{
    const auto opening = tmdb::openGroupedSeason(m_seasons, m_groups, 4401,
                                                 "60ea741fa6c1040047de4bb0", 1, std::nullopt);
    EXPECT_FALSE(opening.content);
    ASSERT_EQ(opening.failures.size(), 1u);
    EXPECT_EQ(opening.failures[0].step, tmdb::SeasonStep::Show);
    EXPECT_EQ(opening.failures[0].fetch.httpStatus, 404);
}

} // namespace
} // namespace ravello::testing
