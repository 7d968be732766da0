// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/show_season.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

std::string fixture(const char* name)
{
    return testing::readFileBytes(testing::fixturePath(std::string("tmdb/tv/") + name));
}

// Show 4401, "Night Desk", with one of its seasons.
ShowSeason nightDesk(const char* seasonFixture = "4401_season_1.json")
{
    return {readTvShow(fixture("4401.json")).value(), readTvSeason(fixture(seasonFixture)).value(),
            false};
}

std::vector<std::string> namesOf(const std::vector<const CastMember*>& cast)
{
    std::vector<std::string> names;
    for (const CastMember* member : cast)
        names.push_back(member->name);
    return names;
}

TEST(ShowSeason, ReadsTheShowWithCreatorsAndSeasonsSpecialsFirst)
{
    const auto show = readTvShow(fixture("4401.json"));
    ASSERT_TRUE(show);
    EXPECT_EQ(show->name, "Night Desk");
    EXPECT_EQ(show->posterPath, "/nd.jpg");
    ASSERT_EQ(show->creators.size(), 1u);
    EXPECT_EQ(show->creators[0].department, "Writing");
    EXPECT_EQ(show->creators[0].job, "Creator");
    EXPECT_EQ(show->seasons, (std::vector<SeasonEntry>{{0, 2, "Specials", ""},
                                                       {1, 3, "Season 1", "/nd_s1.jpg"},
                                                       {2, 2, "Season 2", ""}}));
    EXPECT_EQ(show->seasonEntry(2)->episodeCount, 2);
    EXPECT_EQ(show->seasonEntry(7), nullptr);
}

TEST(ShowSeason, RefusesDocumentsThatAreNoShowOrSeason)
{
    const std::string error = testing::readFileBytes(testing::fixturePath("tmdb/errors/404.json"));
    for (const std::string& text : {error, std::string("<html>"), fixture("4401_season_1.json")})
        EXPECT_FALSE(readTvShow(text)) << text;
    for (const std::string& text : {error, std::string("[]"), fixture("4401.json")})
        EXPECT_FALSE(readTvSeason(text)) << text;
}

TEST(ShowSeason, OrdersRegularsThenGuestsLeavingOutAGuestWhoIsARegular)
{
    const ShowSeason content = nightDesk();
    const Episode& pilot = content.season.episodes.at(0);
    // Regulars by order 0, 1, 500, then the one without; guests 8, 500, then the one without.
    EXPECT_EQ(namesOf(episodeCast(content, pilot)),
              (std::vector<std::string>{"Ann Lead", "Bob Partner", "Cara Chief", "Dan Unordered",
                                        "Ivy Gu\xC3\xABst", "Gil Guest", "Hal Guest"}));
    EXPECT_EQ(namesOf(episodeCast(content, content.season.episodes.at(1))).size(), 4u);
}

TEST(ShowSeason, PutsCreatorsFirstThenTheEpisodesCrewThenTheSeasons)
{
    const ShowSeason content = nightDesk();
    const auto crew = episodeCrew(content, content.season.episodes.at(2));
    std::vector<std::string> jobs;
    for (const CrewMember* member : crew)
        jobs.push_back(member->job);
    EXPECT_EQ(jobs,
              (std::vector<std::string>{"Creator", "Director", "Gaffer", "Executive Producer",
                                        "Original Music Composer", "Director of Photography"}));
}

TEST(ShowSeason, CaptionsRangesAndDataPage)
{
    const ShowSeason content = nightDesk();
    EXPECT_EQ(episodeCaption(3, content.season.episodes.at(2)), "3.03 Poof, You're Dead");
    EXPECT_EQ(episodeCaption(10, Episode{112, "Lazarus", {}, {}}), "10.112 Lazarus");
    EXPECT_EQ(seasonTitle(content), "Night Desk: Season 1");
    EXPECT_EQ(content.wholeSeason(), (EpisodeRange{1, 3}));
    EXPECT_EQ(content.episodesIn({2, 9}).size(), 2u);
    EXPECT_TRUE(content.episodesIn({4, 9}).empty());
    EXPECT_EQ(seasonDataPage(content),
              (SeasonDataPage{"4401", "Night Desk", "Night Desk", "2009",
                              "Rick Castle meets Kate Beckett, with commas, and caf\xE9.", false}));

    ShowSeason specials = nightDesk("4401_season_0.json");
    specials.show.firstAirDate.clear();
    EXPECT_EQ(seasonTitle(specials), "Night Desk: Season 0");
    EXPECT_EQ(seasonDataPage(specials).year, "");
    specials.season.episodes.clear();
    EXPECT_FALSE(specials.wholeSeason());
}

} // namespace
} // namespace ravello::tmdb
