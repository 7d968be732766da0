// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/season_cast_information.h"
#include "core/output/season_crew_information.h"
#include "tests/core/output/golden_document.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

// Night Desk's first season: regulars with sparse and missing orders, guests among whom a
// regular, a writer credited twice with the same job in one episode, a crew of every kind.
tmdb::ShowSeason nightDesk()
{
    const auto read = [](const char* name) {
        return testing::readFileBytes(testing::fixturePath(std::string("tmdb/tv/") + name));
    };
    return {tmdb::readTvShow(read("4401.json")).value(),
            tmdb::readTvSeason(read("4401_season_1.json")).value(), false};
}

constexpr tmdb::EpisodeRange kWhole{1, 3};

template <typename Member> std::vector<std::int32_t> idsOf(const std::vector<const Member*>& people)
{
    std::vector<std::int32_t> ids;
    for (const Member* member : people)
        ids.push_back(member->personId);
    return ids;
}

TEST(SeasonDocuments, CastHasADividerAndTheRegularsAndGuestsOfEveryEpisode)
{
    const tmdb::ShowSeason content = nightDesk();
    testing::expectGolden("season_4401_1_cast.xml", buildSeasonCastInformation(content, kWhole));
    const std::string withYears = buildSeasonCastInformation(content, {1, 1}, {{7101, 1969}});
    EXPECT_NE(withYears.find("LastName=\"Lead\" BirthYear=\"1969\""), std::string::npos);
    EXPECT_EQ(idsOf(seasonCastPeople(content, {3, 3})),
              (std::vector<std::int32_t>{7101, 7102, 7103, 7104, 7404}));
}

TEST(SeasonDocuments, CrewKeepsWhatCollectorsKeepOfASeries)
{
    const tmdb::ShowSeason content = nightDesk();
    const CrewDocument series =
        buildSeasonCrewInformation(content, kWhole, CrewMapping::builtIn(), {});
    testing::expectGolden("season_4401_1_crew.xml", series.text);
    const CrewDocument withYears =
        buildSeasonCrewInformation(content, {3, 3}, CrewMapping::builtIn(), {}, {{7301, 1975}});
    EXPECT_NE(withYears.text.find("LastName=\"Director\" BirthYear=\"1975\""), std::string::npos);
    // Producer, editor, first assistant... are left out; the repeated teleplay is in once.
    EXPECT_EQ(series.included, 14u);
    EXPECT_EQ(idsOf(seasonCrewPeople(content, {2, 2}, CrewMapping::builtIn(), {})),
              (std::vector<std::int32_t>{7001, 7306, 7307, 7201}));
}

TEST(SeasonDocuments, FullCrewKeepsAllTheMappingKeepsAndTheGroupBoxesApply)
{
    const tmdb::ShowSeason content = nightDesk();
    const SeasonCrewOptions full{{}, true};
    testing::expectGolden(
        "season_4401_3_full_crew.xml",
        buildSeasonCrewInformation(content, {3, 3}, CrewMapping::builtIn(), full).text);
    const SeasonCrewOptions noOther{{true, true, true, false}, true};
    const CrewDocument withoutOther =
        buildSeasonCrewInformation(content, {3, 3}, CrewMapping::builtIn(), noOther);
    EXPECT_EQ(withoutOther.text.find("Gaffer"), std::string::npos);
    EXPECT_EQ(withoutOther.leftOutPairs, (std::vector<CreditPair>{{"Lighting", "Gaffer"}}));
}

TEST(SeasonDocuments, ARangeWithoutEpisodesGivesEmptyDocuments)
{
    const tmdb::ShowSeason content = nightDesk();
    const std::string cast = buildSeasonCastInformation(content, {4, 9});
    EXPECT_NE(cast.find("<Title>Night Desk: Season 1</Title>\r\n  <Actors>\r\n  </Actors>"),
              std::string::npos);
    EXPECT_EQ(buildSeasonCrewInformation(content, {4, 9}, CrewMapping::builtIn(), {}).included, 0u);
}

TEST(SeasonDocuments, SeriesKeepDirectionWritingAndTheComposer)
{
    const struct
    {
        const char* department;
        const char* job;
        bool kept;
    } cases[] = {
        {"Directing", "Director", true},
        {"Directing", "First Assistant Director", true},
        {"Writing", "Creator", true},
        {"Writing", "Teleplay", true},
        {"Sound", "Original Music Composer", true},
        {"Sound", "Music Supervisor", false},
        {"Production", "Producer", false},
        {"Camera", "Director of Photography", false},
        {"Editing", "Editor", false},
        {"Art", "Production Design", false},
    };
    for (const auto& test : cases) {
        const CrewCredit credit = CrewMapping::builtIn().map(test.department, test.job, {});
        EXPECT_EQ(keptForSeries(credit), test.kept) << test.department << " / " << test.job;
    }
}

} // namespace
} // namespace ravello::output
