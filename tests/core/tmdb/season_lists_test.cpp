// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/credit_rows.h"
#include "core/tmdb/season_lists.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

ShowSeason nightDesk()
{
    const auto read = [](const char* name) {
        return testing::readFileBytes(testing::fixturePath(std::string("tmdb/tv/") + name));
    };
    return {readTvShow(read("4401.json")).value(), readTvSeason(read("4401_season_1.json")).value(),
            false};
}

std::size_t headingsIn(const std::vector<std::string>& rows)
{
    return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), isHeadingRow));
}

TEST(SeasonLists, HeadingRowsAreToldApartFromEveryOtherRow)
{
    const std::string heading = formatHeadingRow("1.01 Pilot");
    EXPECT_TRUE(isHeadingRow(heading));
    EXPECT_EQ(headingCaptionOf(heading), "1.01 Pilot");
    // TMDb's JSON may begin a name with any control byte, as a \u escape.
    for (const std::string& row :
         {formatCastRow({"1.01 Pilot", ""}), std::string(),
          formatCrewRow({"", "Directing", "Director"}), formatCastRow({"\036Ann Lead", ""}),
          formatCrewRow({"\001", "Writing", "Creator"})}) {
        EXPECT_FALSE(isHeadingRow(row));
        EXPECT_EQ(headingCaptionOf(row), "");
    }
}

TEST(SeasonLists, OneHeadingPerEpisodeAndEachPersonOnceInThePhotoLists)
{
    const CreditLists lists = seasonCreditLists(nightDesk(), {2, 3});
    ASSERT_EQ(headingsIn(lists.cast), 2u);
    EXPECT_EQ(lists.cast[0], formatHeadingRow("1.02 Nanny McDead"));
    EXPECT_EQ(lists.cast[1], formatCastRow({"Ann Lead", "Kate Beck"}));
    EXPECT_EQ(lists.cast[5], formatHeadingRow("1.03 Poof, You're Dead"));
    EXPECT_EQ(lists.cast.size(), 2u + 4u + 5u);
    EXPECT_EQ(headingsIn(lists.crew), 2u);
    EXPECT_EQ(headingsIn(lists.castPhoto) + headingsIn(lists.crewPhoto), 0u);
    EXPECT_EQ(lists.castPhoto.size(), 5u); // four regulars and one guest
    EXPECT_EQ(lists.castPhoto[0], formatCastPhotoRow({"7101", "Ann Lead", "Kate Beck",
                                                      "/ann1234567890abcdefghijk.jpg"}));
    // Andrew Creator, Rae, Zoe, the three of the season's crew, then Rob and Lou of episode 3.
    EXPECT_EQ(lists.crewPhoto.size(), 8u);
}

TEST(SeasonLists, LeavesOutARowRepeatedWithinAnEpisode)
{
    const CreditLists lists = seasonCreditLists(nightDesk(), {1, 1});
    const std::string teleplay = formatCrewRow({"Wes Writer", "Writing", "Teleplay"});
    EXPECT_EQ(std::count(lists.crew.begin(), lists.crew.end(), teleplay), 1);
    EXPECT_EQ(lists.crew.size(), 1u + 1u + 6u + 3u); // heading, creator, episode, season
    EXPECT_TRUE(seasonCreditLists(nightDesk(), {7, 9}).cast.empty());
}

} // namespace
} // namespace ravello::tmdb
