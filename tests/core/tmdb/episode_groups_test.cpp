// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "core/tmdb/episode_orders.h"
#include "core/tmdb/grouped_season.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

constexpr const char* kDvdOrder = "5b11ba820e0a265847002c6e";

std::string fixture(const std::string& name)
{
    return testing::readFileBytes(testing::fixturePath("tmdb/tv/" + name));
}

EpisodeGroup dvdOrder()
{
    return readEpisodeGroup(fixture("episode_group_" + std::string(kDvdOrder) + ".json")).value();
}

TEST(EpisodeGroups, ReadsTheListPassingOverGroupsWithoutAnIdentifier)
{
    const auto groups = readEpisodeGroups(fixture("4401_episode_groups.json"));
    ASSERT_TRUE(groups);
    ASSERT_EQ(groups->size(), 4u);
    EXPECT_EQ(groups->at(1), (EpisodeGroupEntry{kDvdOrder, "DVD Order", 3, 4, 6}));
    EXPECT_EQ(groups->at(2), (EpisodeGroupEntry{"60ea741fa6c1040047de4bb0",
                                                "Coffret \xC3\xA9"
                                                "dition collector",
                                                3, 0, 0}));
    EXPECT_FALSE(groups->at(0).isDvd());
}

TEST(EpisodeGroups, RefusesWhatIsNoListOrGroup)
{
    const std::string error = testing::readFileBytes(testing::fixturePath("tmdb/errors/404.json"));
    for (const std::string& text :
         {error, std::string("<html>"), std::string("[]"), std::string(R"({"results":null})")})
        EXPECT_FALSE(readEpisodeGroups(text)) << text;
    for (const std::string& text :
         {error, fixture("4401_episode_groups.json"), std::string(R"({"id":7,"groups":[]})"),
          std::string(R"({"id":"../x","groups":[]})"), std::string(R"({"groups":[]})")})
        EXPECT_FALSE(readEpisodeGroup(text)) << text;
}

std::vector<int> numbersOf(const EpisodeGroup& group)
{
    std::vector<int> numbers;
    for (const GroupSeason& season : groupSeasons(group))
        numbers.push_back(season.number);
    return numbers;
}

// Each season by its group's order, order 0 the specials; a missing or repeated order follows
// the one before; a group without episodes is left out.
TEST(EpisodeGroups, NumbersTheSeasonsByTheGroupsOrder)
{
    const GroupedEpisode episode{1, 1, std::nullopt, ""};
    const struct
    {
        std::vector<std::optional<int>> orders;
        std::vector<int> numbers;
    } cases[] = {
        {{2, 1}, {1, 2}},
        {{0, 1, 2}, {0, 1, 2}},
        {{std::nullopt, std::nullopt}, {1, 2}},
        {{1, std::nullopt, 5}, {1, 5, 6}},
        {{2, 2, 0}, {0, 2, 3}},
    };
    for (const auto& test : cases) {
        EpisodeGroup group;
        for (const auto& order : test.orders)
            group.parts.push_back({"", order, {episode}});
        EXPECT_EQ(numbersOf(group), test.numbers);
    }
    EXPECT_EQ(numbersOf(dvdOrder()), (std::vector<int>{0, 1, 2}));
}

TEST(EpisodeGroups, BuildsASeasonFromTheEpisodesOfTmdbSeasons)
{
    const EpisodeGroup group = dvdOrder();
    const auto seasons = groupSeasons(group);
    const GroupSeason& volume2 = seasons.at(2);
    ASSERT_EQ(sourceSeasons(volume2), (std::vector<int>{1, 2}));
    const std::map<int, TvSeason> sources = {
        {1, readTvSeason(fixture("4401_season_1.json")).value()},
        {2, readTvSeason(fixture("4401_season_2.json")).value()}};
    const TvSeason season = groupedSeason(volume2, sources);
    ASSERT_EQ(season.episodes.size(), 3u);
    EXPECT_EQ(episodeCaption(season.number, season.episodes[0]), "2.01 Poof, You're Dead");
    EXPECT_EQ(season.episodes[0].guestStars, sources.at(1).episodes[2].guestStars);
    EXPECT_EQ(episodeCaption(season.number, season.episodes[2]), "2.03 The Double Down");
    // Each regular of the two seasons once.
    std::set<std::int32_t> people;
    for (const auto& [number, source] : sources)
        for (const CastMember& regular : source.regulars)
            people.insert(regular.personId);
    EXPECT_EQ(season.regulars.size(), people.size());

    // An episode its season lacks keeps the group's name.
    const TvSeason extras = groupedSeason(seasons.at(0), {});
    EXPECT_EQ(episodeCaption(extras.number, extras.episodes.at(1)), "0.02 Bloopers");
    const TvShow show = groupedShow(readTvShow(fixture("4401.json")).value(), group);
    EXPECT_EQ(show.seasons,
              (std::vector<SeasonEntry>{
                  {0, 2, "Extras", ""}, {1, 2, "Volume 1", ""}, {2, 3, "Volume 2", ""}}));
}

TEST(EpisodeOrders, KeepsAndForgetsEachShowsChoice)
{
    testing::TemporaryFolder folder;
    const auto file = folder / "DB/TV/EpisodeOrders.TXT";
    EXPECT_FALSE(chosenEpisodeGroup(file, 4401));
    ASSERT_TRUE(keepEpisodeGroup(file, 4401, std::string(kDvdOrder)));
    ASSERT_TRUE(keepEpisodeGroup(file, 615, std::string("5ad2557a0e0a266c25015a52")));
    EXPECT_FALSE(keepEpisodeGroup(file, 615, std::string("a\tb")));
    EXPECT_EQ(chosenEpisodeGroup(file, 4401), kDvdOrder);
    ASSERT_TRUE(keepEpisodeGroup(file, 4401, std::nullopt));
    EXPECT_FALSE(chosenEpisodeGroup(file, 4401));
    EXPECT_EQ(testing::readFileBytes(file),
              "RavelloEpisodeOrders\t1\r\n615\t5ad2557a0e0a266c25015a52\r\n");
    testing::writeFileBytes(file, "RavelloEpisodeOrders\t2\r\n615\t5ad2557a0e0a266c25015a52\r\n");
    EXPECT_FALSE(chosenEpisodeGroup(file, 615)) << "another version holds no choice";
}

} // namespace
} // namespace ravello::tmdb
