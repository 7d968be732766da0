// SPDX-License-Identifier: MIT
// The TV commands against the fake TMDb: the search, the match of a disc title, a season's
// captions and its two documents, and the bad input each refuses.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "cli/cli_context.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/settings/settings_file.h"
#include "tests/cli/cli_run.h"
#include "tests/core/output/golden_document.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::cli {
namespace {

void setVariable(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

class TvCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.isListening());
        std::filesystem::create_directories(m_data);
        setVariable("RAVELLO_TMDB_API_URL", m_server.url());
        setVariable("RAVELLO_TMDB_IMAGE_URL", m_server.url());
        settings::Settings settings;
        settings.tmdbKey = "0123456789abcdef0123456789abcdef";
        ASSERT_TRUE(settings::saveSettings(m_data / "Ravello.INI", settings));
    }

    CliRun run(Arguments arguments)
    {
        arguments.insert(arguments.begin(), {"--data-dir", files::utf8FromPath(m_data)});
        return runCapturing(arguments);
    }

    testing::FakeTmdbServer m_server;
    testing::TemporaryFolder m_folder;
    // The episode tables, the profile matches and the caches live in a folder with accents.
    std::filesystem::path m_data = m_folder / "Filmoth\xC3\xA8que \xC3\xBC";
};

TEST_F(TvCommands, SearchAndMatchWriteTheShowsResultLines)
{
    const CliRun search = run({"search", "--tv", "Night Desk"});
    ASSERT_EQ(search.status, kSuccess) << search.err;
    EXPECT_EQ(search.out, "0004402 Night Desk Confidential (0) \n0004401 Night Desk (2009) " +
                              m_server.url() + "/t/p/original/nd.jpg\n" +
                              "0004403 La scrivania di notte (2015) \n");

    const CliRun match = run({"match", "--tv", "Night Desk: Season 1: Disc 2", "--year", "2009"});
    ASSERT_EQ(match.status, kSuccess) << match.err;
    EXPECT_TRUE(match.out.starts_with("0004401 Night Desk (2009) ")) << match.out;
    EXPECT_EQ(m_server.requests().at(1).path, "/3/search/tv");
    EXPECT_EQ(m_server.requests().at(1).param("query"), "Night Desk");
}

TEST_F(TvCommands, SeasonWritesTheEpisodeCaptions)
{
    const CliRun season = run({"season", "4401", "1"});
    ASSERT_EQ(season.status, kSuccess) << season.err;
    EXPECT_EQ(season.out, "1.01 Flowers for Your Grave\n1.02 Nanny McDead\n"
                          "1.03 Poof, You're Dead\n");
    EXPECT_EQ(m_server.requestCount(), 2u) << "the show and the season, no picture";
    EXPECT_EQ(run({"season", "4401", "0"}).out,
              "0.01 Setting the Night Desk\n0.02 Deleted Scenes\n");
}

TEST_F(TvCommands, DocumentsOfASeasonAndOfARange)
{
    const CliRun cast = run({"cast-xml", "--tv", "4401", "1"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    testing::expectGolden("season_4401_1_cast.xml", cast.out);
    const CliRun crew = run({"crew-xml", "--tv", "4401", "1"});
    ASSERT_EQ(crew.status, kSuccess) << crew.err;
    testing::expectGolden("season_4401_1_crew.xml", crew.out);
    EXPECT_EQ(m_server.requestCount(), 2u) << "the second document is made from the cache";

    const CliRun full = run({"crew-xml", "--tv", "4401", "1", "--episodes", "3", "--full-crew"});
    ASSERT_EQ(full.status, kSuccess) << full.err;
    testing::expectGolden("season_4401_3_full_crew.xml", full.out);

    const CliRun report = run({"crew-xml", "--tv", "4401", "1", "--episodes", "2-3", "--report"});
    ASSERT_EQ(report.status, kSuccess) << report.err;
    EXPECT_EQ(report.out.find("1.01 "), std::string::npos);
    EXPECT_NE(report.err.find("crew: 7 credits in the document, 5 left out"), std::string::npos)
        << report.err;
    EXPECT_NE(report.err.find("left out: Production / Executive Producer"), std::string::npos);

    // Episode codes go on into the next season, each episode under its own divider.
    for (const char* command : {"cast-xml", "crew-xml"}) {
        const CliRun crossing = run({command, "--tv", "4401", "1", "--episodes", "1.03-2.01"});
        ASSERT_EQ(crossing.status, kSuccess) << crossing.err;
        EXPECT_NE(crossing.out.find("<Title>Night Desk: Seasons 1-2</Title>"), std::string::npos);
        const std::size_t third = crossing.out.find("\"1.03 ");
        EXPECT_LT(third, crossing.out.find("\"2.01 ")) << command;
        EXPECT_EQ(crossing.out.find("\"2.02 "), std::string::npos) << command;
        EXPECT_EQ(crossing.out.find("\"1.02 "), std::string::npos) << command;
    }
    // Codes within season N, a bare LAST in FIRST's season, are the season's numbers.
    EXPECT_EQ(run({"cast-xml", "--tv", "4401", "1", "--episodes", "1.02-03"}).out,
              run({"cast-xml", "--tv", "4401", "1", "--episodes", "2-3"}).out);
}

TEST_F(TvCommands, BirthYearsAskEachPersonOnce)
{
    const CliRun cast =
        run({"cast-xml", "--tv", "4401", "1", "--episodes", "1-2", "--birth-years"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    std::vector<std::string> people;
    for (const testing::RecordedRequest& request : m_server.requests()) {
        if (request.path.starts_with("/3/person/"))
            people.push_back(request.path);
    }
    EXPECT_EQ(people.size(), 7u) << "four regulars and three guests, each once";
    EXPECT_NE(cast.err.find("birth year of 7 of 7 people"), std::string::npos) << cast.err;
}

// Two discs of one season and a film: the season is prepared once, with its own poster, the
// next season too for the disc whose dividers run into it, and a second run asks TMDb nothing
// at all.
TEST_F(TvCommands, PrefetchPreparesASeasonWholeAndASecondRunAsksNothing)
{
    ASSERT_EQ(run({"import", files::utf8FromPath(
                                 testing::fixturePath("collection/tv_prefetch_collection.xml"))})
                  .status,
              kSuccess);
    const auto folders = files::ProgramFolders::at(m_data);
    testing::writeFileBytes(folders.episodeTableFile(), "P3\t1.03\t2.01\r\n");
    const CliRun first = run({"prefetch"});
    ASSERT_EQ(first.status, kSuccess) << first.err;
    EXPECT_EQ(first.out, "1\topened\t4321\tSample Film\n"
                         "2\topened\t4401\tThe Night Desk: Season 1: Disc 1\n"
                         "3\topened\t4401\tThe Night Desk: Season 1: Disc 2\n");
    const auto requests = m_server.requests();
    const auto timesAsked = [&](std::string_view path) {
        return std::count_if(requests.begin(), requests.end(),
                             [&](const auto& request) { return request.path == path; });
    };
    EXPECT_EQ(timesAsked("/t/p/original/nd_s1.jpg"), 1);
    EXPECT_EQ(timesAsked("/3/tv/4401/season/1"), 1);
    EXPECT_EQ(timesAsked("/3/tv/4401/season/2"), 1);
    EXPECT_EQ(timesAsked("/3/tv/4401/season/3"), 0);

    m_server.reset();
    const CliRun second = run({"prefetch"});
    ASSERT_EQ(second.status, kSuccess) << second.err;
    EXPECT_EQ(second.out, "1\tcached\t4321\tSample Film\n"
                          "2\tcached\t4401\tThe Night Desk: Season 1: Disc 1\n"
                          "3\tcached\t4401\tThe Night Desk: Season 1: Disc 2\n");
    EXPECT_EQ(m_server.requestCount(), 0u);
}

// The DVD order chosen for a show: its seasons and documents follow it until it is cleared.
TEST_F(TvCommands, AChosenDvdOrderRenumbersTheSeasonsUntilCleared)
{
    const std::string dvd = "5b11ba820e0a265847002c6e";
    const std::string listed = dvd + "\tDVD Order\t4 seasons, 6 episodes";
    const std::string other = "60ea741fa6c1040047de4bb0\tCoffret \xC3\xA9"
                              "dition collector\t0 "
                              "seasons, 0 episodes\n";
    EXPECT_EQ(run({"episode-groups", "4401"}).out, listed + "\n" + other);
    const CliRun chosen = run({"episode-order", "4401", dvd});
    ASSERT_EQ(chosen.status, kSuccess) << chosen.err;
    EXPECT_EQ(run({"episode-groups", "4401"}).out, listed + "\tchosen\n" + other);
    EXPECT_EQ(run({"season", "4401", "2"}).out,
              "2.01 Poof, You're Dead\n2.02 Deep in Death\n2.03 The Double Down\n");
    const CliRun cast = run({"cast-xml", "--tv", "4401", "1", "--episodes", "2"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    EXPECT_NE(cast.out.find("1.02 Nanny McDead"), std::string::npos) << cast.out;
    EXPECT_NE(
        run({"season", "4401", "3"}).err.find("order " + dvd + " of show 4401 has no season 3"),
        std::string::npos);

    ASSERT_EQ(run({"episode-order", "4401", "none"}).status, kSuccess);
    EXPECT_EQ(run({"season", "4401", "2"}).out, "2.01 Deep in Death\n2.02 The Double Down\n");
}

TEST_F(TvCommands, BadInputWritesNothingAndFails)
{
    const struct
    {
        Arguments arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"cast-xml", "--tv", "4401", "1", "--episodes", "7-9"}, kFailure, "has no episodes 7-9"},
        {{"crew-xml", "--tv", "4401", "1", "--episodes", "3-2"}, kUsageError, "ends before it"},
        {{"cast-xml", "--tv", "4401", "one"}, kUsageError, "not a season number: one"},
        {{"season", "4401"}, kUsageError, "needs a show identifier and a season number"},
        {{"season", "4401", "5"},
         kFailure,
         "season 5 of show 4401: The Movie Database answered "
         "with HTTP status 404"},
        {{"season", "9999", "1"}, kFailure, "show 9999: The Movie Database answered with HTTP"},
        {{"crew-xml", "--tv", "4401", "1", "--episodes"}, kUsageError, "--episodes needs"},
        {{"crew-xml", "4321", "--full-crew"}, kUsageError, "unknown option --full-crew"},
        {{"cast-xml", "--tv", "4401", "1", "--full-crew"}, kUsageError, "unknown option"},
        {{"search", "--tv"}, kUsageError, "search takes [--tv] and one text"},
        {{"episode-order", "4401", "62f98314175051007c594bdf"},
         kFailure,
         "show 4401 has no DVD episode group 62f98314175051007c594bdf"},
        {{"episode-order", "4401"}, kUsageError, "takes a show identifier and a group"},
        {{"episode-groups", "9999"}, kFailure, "episode groups of show 9999: The Movie Database"},
        {{"cast-xml", "--tv", "4401", "1", "--episodes", "2.01-2.02"},
         kUsageError,
         "start in season 2, not in season 1"},
        {{"cast-xml", "--tv", "4401", "1", "--episodes", "1.03-1.x"},
         kUsageError,
         "not an episode range"},
        {{"crew-xml", "--tv", "4401", "1", "--episodes", "1.03-3.01"},
         kFailure,
         "season 3 of show 4401: The Movie Database answered with HTTP status 404"},
        {{"cast-xml", "--profile", "0"}, kUsageError, "not a collection number: 0"},
        {{"crew-xml", "--profile", "10", "--tv", "4401", "1"}, kUsageError, "takes the place"},
        {{"season", "--profile", "10"}, kUsageError, "unknown option --profile"},
    };
    m_server.queueErrorFor("/3/tv/9999/episode_groups", 404);
    for (const auto& test : cases) {
        const CliRun result = run(test.arguments);
        EXPECT_EQ(result.status, test.status) << test.arguments.back();
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(test.message), std::string::npos) << result.err;
    }
}

// A box set's discs, one profile each: what the collection settles asks TMDb nothing; a season
// it says nothing of is split by TMDb's count of the show's season.
TEST_F(TvCommands, EpisodesProposesADiscsRangeAndSaysWhereItCameFrom)
{
    const CliRun imported = run(
        {"import", files::utf8FromPath(testing::fixturePath("collection/box_set_collection.xml"))});
    ASSERT_EQ(imported.status, kSuccess);
    EXPECT_NE(imported.err.find(", 18 profiles with episode dividers in "), std::string::npos)
        << imported.err;
    const auto folders = files::ProgramFolders::at(m_data);
    testing::writeFileBytes(folders.episodeTableFile(),
                            "P2\t3.01\t3.02\t3.03\t3.04\r\nP4\t3.09\t3.10\t3.11\t3.12\r\n"
                            "P5\t3.47\t3.48\t3.49\t3.50\t3.51\t4.01\t4.02\t4.03\t4.04\t4.05\r\n");
    testing::writeFileBytes(folders.copiedEpisodesFile(), "P6\t4.01\t4.02\t4.03\t4.04\r\n");
    const struct
    {
        const char* number;
        const char* line;
    } settled[] = {
        {"2", "3.01-3.04\tprofile\n"}, {"3", "3.05-3.08\tneighbours\n"},
        {"5", "3.47-4.05\tprofile\n"}, {"6", "4.01-4.04\tcopied\n"},
        {"7", "4.05-4.08\tcopied\n"},
    };
    for (const auto& test : settled) {
        const CliRun episodes = run({"episodes", test.number});
        EXPECT_EQ(episodes.status, kSuccess) << episodes.err;
        EXPECT_EQ(episodes.out, test.line) << test.number;
        EXPECT_TRUE(episodes.err.empty()) << episodes.err;
    }
    EXPECT_EQ(m_server.requestCount(), 0u);

    // The season's last disc would run to the season's end: TMDb knows no such show.
    const CliRun last = run({"episodes", "8"});
    EXPECT_EQ(last.status, kSuccess) << last.err;
    EXPECT_EQ(last.out, "4.09-4.12\tcopied\n");
    EXPECT_NE(last.err.find("warning: TMDb has no single show \"Castle\""), std::string::npos)
        << last.err;

    // Three episodes over two discs.
    m_server.reset();
    EXPECT_EQ(run({"episodes", "10"}).out, "1.03-1.03\tsplit\n");
    EXPECT_EQ(m_server.requests().at(0).param("query"), "The Night Desk");
    const auto split = m_server.requests();
    EXPECT_TRUE(std::any_of(split.begin(), split.end(), [](const auto& request) {
        return request.path == "/3/tv/4401/season/1";
    }));
    m_server.reset();
    EXPECT_EQ(run({"episodes", "9"}).out, "1.01-1.02\tsplit\n");
    EXPECT_EQ(m_server.requestCount(), 1u) << "the season is cached";
    // In the DVD order the first volume holds two episodes.
    ASSERT_EQ(run({"episode-order", "4401", "5b11ba820e0a265847002c6e"}).status, kSuccess);
    EXPECT_EQ(run({"episodes", "10"}).out, "1.02-1.02\tsplit\n");
}

// A disc profile's documents take its show, season and proposed episodes, across the season's
// end; a match kept by the preparation spares the search.
TEST_F(TvCommands, ProfileTakesTheDiscsProposalAcrossTheSeasonsEnd)
{
    ASSERT_EQ(run({"import",
                   files::utf8FromPath(testing::fixturePath("collection/box_set_collection.xml"))})
                  .status,
              kSuccess);
    const auto folders = files::ProgramFolders::at(m_data);
    testing::writeFileBytes(folders.episodeTableFile(), "P10\t1.03\t2.01\r\n");
    const CliRun byProfile = run({"cast-xml", "--profile", "10"});
    ASSERT_EQ(byProfile.status, kSuccess) << byProfile.err;
    EXPECT_EQ(m_server.requests().at(0).param("query"), "The Night Desk");
    EXPECT_EQ(byProfile.out, run({"cast-xml", "--tv", "4401", "1", "--episodes", "1.03-2.01"}).out);

    ASSERT_EQ(run({"prefetch", "--from", "10", "--to", "10"}).status, kSuccess);
    m_server.reset();
    const CliRun kept = run({"crew-xml", "--profile", "10"});
    EXPECT_EQ(kept.status, kSuccess) << kept.err;
    EXPECT_NE(kept.out.find("\"2.01 "), std::string::npos);
    EXPECT_EQ(m_server.requestCount(), 0u);

    const struct
    {
        const char* number;
        const char* message;
    } cases[] = {
        {"1", "profile 1, \"Sample Film\", is no disc of a TV season"},
        {"11", "TMDb has no single show \"Night Desk\""},
        {"11", "no show and episodes to take for profile 11"},
    };
    for (const auto& test : cases) {
        const CliRun result = run({"cast-xml", "--profile", test.number});
        EXPECT_EQ(result.status, kFailure) << test.number;
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(test.message), std::string::npos) << result.err;
    }
}

TEST_F(TvCommands, EpisodesOfNoDiscOrOfNothingKnownFails)
{
    const CliRun noIndex = run({"episodes", "2"});
    EXPECT_EQ(noIndex.status, kFailure);
    EXPECT_NE(noIndex.err.find("no title index"), std::string::npos) << noIndex.err;
    ASSERT_EQ(run({"import",
                   files::utf8FromPath(testing::fixturePath("collection/box_set_collection.xml"))})
                  .status,
              kSuccess);
    const struct
    {
        Arguments arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"episodes"}, kUsageError, "episodes takes one collection number"},
        {{"episodes", "2", "3"}, kUsageError, "episodes takes one collection number"},
        {{"episodes", "x2"}, kUsageError, "not a collection number: x2"},
        {{"episodes", "0"}, kUsageError, "not a collection number: 0"},
        {{"episodes", "100000"}, kUsageError, "not a collection number: 100000"},
        {{"episodes", "99"}, kFailure, "the collection has no profile 99"},
        {{"episodes", "1"}, kFailure, "profile 1, \"Sample Film\", is no disc of a TV season"},
        {{"episodes", "11"}, kFailure, "TMDb has no single show \"Night Desk\""},
        {{"episodes", "11"}, kFailure, "no episodes to propose for profile 11"},
    };
    for (const auto& test : cases) {
        const CliRun result = run(test.arguments);
        EXPECT_EQ(result.status, test.status) << test.arguments.back();
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_NE(result.err.find(test.message), std::string::npos) << result.err;
    }
    ASSERT_TRUE(settings::saveSettings(m_data / "Ravello.INI", settings::Settings{}));
    const CliRun noKey = run({"episodes", "10"});
    EXPECT_EQ(noKey.status, kFailure);
    EXPECT_NE(noKey.err.find("no TMDb key"), std::string::npos) << noKey.err;
    EXPECT_TRUE(noKey.out.empty());
}

// The preparation of birth years asks for the people the documents of each prepared film and
// season will need (a show's number is no film's), and leaves the documents nothing to ask.
TEST_F(TvCommands, PrefetchPreparesTheBirthYearsTheDocumentsOfItsMatchesNeed)
{
    // One show answers the search for "The Night Desk": a certain match.
    std::string collection =
        testing::readFileBytes(testing::fixturePath("collection/tv_disc_collection.xml"));
    collection.replace(collection.find("Night Desk:"), 0, "The ");
    testing::writeFileBytes(m_data / "Collection.xml", collection);
    ASSERT_EQ(run({"import", files::utf8FromPath(m_data / "Collection.xml")}).status, kSuccess);
    testing::writeFileBytes(
        files::ProgramFolders::at(m_data).peopleTableFile(),
        testing::readFileBytes(testing::fixturePath("collection/people_roads.txt")));
    const CliRun prefetch = run({"prefetch", "--birth-years"});
    ASSERT_EQ(prefetch.status, kSuccess) << prefetch.err;
    ASSERT_TRUE(prefetch.out.starts_with("1\topened\t4321\tSample Film\n"
                                         "2\topened\t4401\tThe Night Desk: Season 1: Disc 1\n"))
        << prefetch.out;
    const auto asked = [&](const std::string& path) {
        const auto requests = m_server.requests();
        return std::any_of(requests.begin(), requests.end(),
                           [&](const auto& request) { return request.path == path; });
    };
    EXPECT_FALSE(asked("/3/movie/4401"));
    EXPECT_TRUE(asked("/3/person/7102"));  // a regular the table does not know
    EXPECT_TRUE(asked("/3/person/7305"));  // an editor, whom only the full crew names
    EXPECT_FALSE(asked("/3/person/7101")); // Ann Lead: the table's year
    EXPECT_FALSE(asked("/3/person/1001")); // Ann Actor: the table's year

    // TMDb knows none of the season's people here: their answers fail and are asked again, but
    // the documents need nobody the preparation did not ask for.
    const auto prepared = m_server.requests();
    m_server.reset();
    for (const Arguments& document :
         {Arguments{"cast-xml", "--tv", "4401", "1", "--birth-years"},
          Arguments{"crew-xml", "--tv", "4401", "1", "--full-crew", "--birth-years"},
          Arguments{"cast-xml", "4321", "--birth-years"},
          Arguments{"crew-xml", "4321", "--birth-years"}}) {
        const CliRun result = run(document);
        EXPECT_EQ(result.status, kSuccess) << document[0] << result.err;
    }
    for (const auto& request : m_server.requests()) {
        EXPECT_TRUE(std::any_of(prepared.begin(), prepared.end(), [&](const auto& first) {
            return first.path == request.path;
        })) << request.path;
    }
    EXPECT_FALSE(asked("/3/person/1001"));
}

} // namespace
} // namespace ravello::cli
