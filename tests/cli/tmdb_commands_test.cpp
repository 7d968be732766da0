// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

#include "cli/cli_context.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/settings/settings_file.h"
#include "core/tmdb/credit_rows.h"
#include "tests/cli/cli_run.h"
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

// search, film and credits against the fake TMDb, both hosts on it.
class TmdbCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.isListening());
        setVariable("RAVELLO_TMDB_API_URL", m_server.url());
        setVariable("RAVELLO_TMDB_IMAGE_URL", m_server.url());
        settings::Settings settings;
        settings.tmdbKey = "0123456789abcdef0123456789abcdef";
        ASSERT_TRUE(settings::saveSettings(m_folder / "Ravello.INI", settings));
    }

    CliRun run(Arguments arguments)
    {
        arguments.insert(arguments.begin(), {"--data-dir", files::utf8FromPath(m_folder.path())});
        return runCapturing(arguments);
    }

    testing::FakeTmdbServer m_server;
    testing::TemporaryFolder m_folder;
};

TEST_F(TmdbCommands, SearchWritesTheResultLinesAsUtf8)
{
    const CliRun result = run({"search", "Sample Film"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    const std::string poster = m_server.url() + "/t/p/original/";
    EXPECT_EQ(result.out, "0004321 Sample Film (2004) " + poster + "abc.jpg\n" +
                              "0004322 Sample Film, Part Two (0) \n" +
                              "12345678 Am\xC3\xA9lie's Sample (2001) " + poster + "amelie.jpg\n" +
                              "0004324 Sample (Part 1) here (1999) " + poster + "part.jpg\n");
    const CliRun raw = run({"--raw", "search", "Sample Film"});
    EXPECT_NE(raw.out.find("12345678 Am\xE9lie's Sample (2001) "), std::string::npos);
}

TEST_F(TmdbCommands, SearchUsesTheSettingsLanguageAndKey)
{
    settings::Settings settings;
    settings.tmdbKey = "my-own-key-0123456789";
    settings.tmdbLanguage = "it-IT";
    ASSERT_TRUE(settings::saveSettings(m_folder / "Ravello.INI", settings));
    ASSERT_EQ(run({"search", "Tom & Jerry #1"}).status, kSuccess);
    const auto request = m_server.requests().at(0);
    EXPECT_EQ(request.param("language"), "it-IT");
    EXPECT_EQ(request.param("api_key"), "my-own-key-0123456789");
    EXPECT_EQ(request.param("query"), "Tom & Jerry #1");
}

TEST_F(TmdbCommands, SearchFailsWithTmdbsMessage)
{
    m_server.queueError(401);
    const CliRun result = run({"search", "Sample Film"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("401"), std::string::npos);
    EXPECT_NE(result.err.find("Invalid API key"), std::string::npos);
}

TEST_F(TmdbCommands, MatchWritesTheResultLinesBestFirst)
{
    const std::string poster = m_server.url() + "/t/p/original/";
    const CliRun house = run({"match", "House", "--year", "1977"});
    ASSERT_EQ(house.status, kSuccess) << house.err;
    EXPECT_EQ(house.out.substr(0, house.out.find('\n', house.out.find('\n') + 1) + 1),
              "0025623 House (1977) " + poster + "p25623.jpg\n" + "0011415 House (1986) " + poster +
                  "p11415.jpg\n");
    EXPECT_EQ(std::count(house.out.begin(), house.out.end(), '\n'), 20);

    const CliRun starWars = run({"match", "--original-title", "Star Wars", "Star Wars"});
    ASSERT_EQ(starWars.status, kSuccess) << starWars.err;
    EXPECT_TRUE(starWars.out.starts_with("0000011 La Guerre des \xC3\xA9toiles (1977) "))
        << starWars.out;
    EXPECT_EQ(m_server.requests().at(1).param("query"), "Star Wars");
}

TEST_F(TmdbCommands, FilmWritesTheDataPageOnFiveLines)
{
    const CliRun result = run({"film", "4321"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "Sample Film\nSample Film\n2004\n95\n"
                          "A sample, with commas, braces {like these} and \"quotes\".\\n"
                          "A second paragraph: caf\xC3\xA9, na\xC3\xAFve, 50% off; C:\\path / "
                          "slash.\n");
    EXPECT_EQ(m_server.requestCount(), 2u); // details and credits; the command shows no cover
    EXPECT_EQ(run({"film", "4321"}).out, result.out);
    EXPECT_EQ(m_server.requestCount(), 2u);
}

TEST_F(TmdbCommands, CreditsWritesTheFourListsInTheirColumns)
{
    const CliRun result = run({"credits", "4321"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[0], "# cast");
    EXPECT_EQ(rows[4], "# crew");
    EXPECT_EQ(rows[9], "# castphoto");
    EXPECT_EQ(rows[13], "# crewphoto");
    EXPECT_EQ(rows[1], tmdb::formatCastRow({"Ann Actor", "Lead"}));
    // Zoë is one character: the character column starts at column 101 all the same.
    EXPECT_EQ(rows[3].substr(0, 11), "Zo\xC3\xAB Accent");
    EXPECT_EQ(rows[3].substr(101, 10), "The \"Quote");
    EXPECT_EQ(rows[8], tmdb::formatCrewRow({"Cam Era", "Camera", ""}));
    EXPECT_EQ(rows[11], tmdb::formatCastPhotoRow({"1002", "Bob Host", "Himself, Host", "null"}));

    // Raw, the rows go out as the program holds them.
    const CliRun raw = run({"--raw", "credits", "4321"});
    EXPECT_NE(raw.out.find(
                  tmdb::formatCastRow({"Zo\xC3\xAB Accent", "The \"Quoted\" One {braced}"}) + "\n"),
              std::string::npos);
}

TEST_F(TmdbCommands, DocumentsTakeBirthYearsAndAskForEachPersonOnce)
{
    const CliRun cast = run({"cast-xml", "4321", "--birth-years"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    EXPECT_NE(cast.out.find("LastName=\"Actor\" BirthYear=\"1969\""), std::string::npos);
    EXPECT_TRUE(cast.err.empty()) << cast.err;

    const CliRun crew = run({"crew-xml", "4321", "--birth-years"});
    ASSERT_EQ(crew.status, kSuccess) << crew.err;
    EXPECT_NE(crew.out.find("LastName=\"Writer\" BirthYear=\"1979\""), std::string::npos);
    EXPECT_NE(crew.out.find("LastName=\"Era\" BirthYear=\"0\""), std::string::npos);
    EXPECT_NE(crew.err.find("birth year of 1 of 3 people"), std::string::npos) << crew.err;

    const std::size_t asked = m_server.requestCount();
    EXPECT_EQ(run({"cast-xml", "4321", "--birth-years"}).out, cast.out);
    EXPECT_EQ(m_server.requestCount(), asked);
}

// The collection knows Ann Actor once and Dee Director twice: Ann is not asked and keeps the
// collection's year; Dee is asked, and TMDb's year picks one of the two.
TEST_F(TmdbCommands, BirthYearsAreAskedOnlyForPeopleTheCollectionDoesNotSettle)
{
    testing::writeFileBytes(
        files::ProgramFolders::at(m_folder.path()).peopleTableFile(),
        testing::readFileBytes(testing::fixturePath("collection/people_film_4321.txt")));
    const CliRun cast = run({"cast-xml", "4321", "--birth-years"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    EXPECT_NE(cast.out.find("LastName=\"Actor\" BirthYear=\"1970\""), std::string::npos);
    std::vector<std::string> asked;
    for (const auto& request : m_server.requests())
        if (request.path.starts_with("/3/person/"))
            asked.push_back(request.path);
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{"/3/person/1002", "/3/person/1003"}));

    const CliRun crew = run({"crew-xml", "4321", "--birth-years"});
    ASSERT_EQ(crew.status, kSuccess) << crew.err;
    EXPECT_NE(crew.out.find("LastName=\"Director\" BirthYear=\"1954\""), std::string::npos);
    EXPECT_EQ(crew.out.find("BirthYear=\"1950\""), std::string::npos);
}

TEST_F(TmdbCommands, FilmAndCreditsFailWhenTmdbDoes)
{
    m_server.queueError(404);
    const CliRun film = run({"film", "999"});
    EXPECT_EQ(film.status, kFailure);
    EXPECT_NE(film.err.find("The resource you requested could not be found."), std::string::npos);
    EXPECT_TRUE(film.out.empty());
    EXPECT_EQ(run({"credits", "999"}).status, kFailure);
}

// The cover's address comes from the details, so an uncached film takes the details and credits
// first, then the cover; a cached one makes no request.
TEST_F(TmdbCommands, OpenPrintsTheCacheFilesOfTheFilm)
{
    const CliRun result = run({"open", "4321"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    // One line a file, its path with the system's separators.
    const auto line = [this](const char* inDb) {
        return files::utf8FromPath((m_folder / "DB" / inDb).make_preferred()) + "\n";
    };
    EXPECT_EQ(result.out, line("Covers/0004/0004321.jpg") +
                              line("Movie/FilmData/0004/data_0004321.txt") +
                              line("Movie/Actors/0004/data_0004321.txt"));
    ASSERT_EQ(m_server.requestCount(), 3u);
    EXPECT_EQ(m_server.requests().back().path, "/t/p/original/abc.jpg");
    EXPECT_EQ(run({"open", "4321"}).out, result.out);
    EXPECT_EQ(m_server.requestCount(), 3u);
}

TEST_F(TmdbCommands, OpenTellsTheFailedPartsAndPrintsWhatItHolds)
{
    m_server.queueErrorFor("/3/movie/4321/credits", 500);
    const CliRun result = run({"open", "4321"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.out.find("data_0004321.txt"), std::string::npos);
    EXPECT_NE(result.out.find("0004321.jpg"), std::string::npos);
    EXPECT_NE(result.err.find("credits of film 4321: The Movie Database answered with HTTP "
                              "status 500: Internal error"),
              std::string::npos)
        << result.err;
}

TEST_F(TmdbCommands, FilmNeedsOnlyTheDetailsAndCreditsOnlyTheCredits)
{
    // Film 4324 has details but its credits answer 404; film 123457 the other way round.
    const CliRun film = run({"film", "4324"});
    EXPECT_EQ(film.status, kSuccess) << film.err;
    EXPECT_EQ(film.out.substr(0, film.out.find('\n')), "Sample (Part 1) here");
    EXPECT_NE(film.err.find("warning: credits of film 4324"), std::string::npos) << film.err;
    const CliRun credits = run({"credits", "123457"});
    EXPECT_EQ(credits.status, kSuccess) << credits.err;
    EXPECT_NE(credits.out.find("Dee Sword"), std::string::npos);
    EXPECT_EQ(run({"film", "123457"}).status, kFailure);
    EXPECT_EQ(run({"cast-xml", "4324"}).status, kFailure);
}

// The profiles of a small collection: a certain match, two films of one title without a year, a
// title TMDb does not know, a certain match whose details TMDb lacks, and a year no result has.
// The second run searches only the profiles without a certain match, and asks again only for
// what failed.
TEST_F(TmdbCommands, PrefetchPreparesEachProfileAndASecondRunSearchesOnlyTheUncertain)
{
    ASSERT_EQ(run({"import",
                   files::utf8FromPath(testing::fixturePath("collection/prefetch_collection.xml"))})
                  .status,
              kSuccess);
    const CliRun first = run({"prefetch"});
    EXPECT_EQ(first.status, kSuccess) << first.err;
    EXPECT_EQ(first.out, "1\topened\t4321\tSample Film\n"
                         "2\tuncertain\t11415\tHouse\n"
                         "3\tnone\t0\tNothing Like It\n"
                         "5\tfailed\t25623\tHouse\n"
                         "6\tuncertain\t4321\tSample Film\n");
    EXPECT_NE(first.err.find("5: "), std::string::npos) << first.err;
    EXPECT_NE(first.err.find("5 profiles: 1 opened, 0 already cached, 2 uncertain, 1 not found, "
                             "1 failed\n"),
              std::string::npos)
        << first.err;

    m_server.reset();
    const CliRun second = run({"prefetch"});
    EXPECT_EQ(second.status, kSuccess) << second.err;
    EXPECT_EQ(second.out, "1\tcached\t4321\tSample Film\n"
                          "2\tuncertain\t11415\tHouse\n"
                          "3\tnone\t0\tNothing Like It\n"
                          "5\tfailed\t25623\tHouse\n"
                          "6\tuncertain\t4321\tSample Film\n");
    std::vector<std::string> searches;
    for (const auto& request : m_server.requests()) {
        if (request.path == "/3/search/movie")
            searches.push_back(request.param("query"));
        else
            EXPECT_NE(request.path.find("25623"), std::string::npos) << request.path;
    }
    std::sort(searches.begin(), searches.end());
    EXPECT_EQ(searches, (std::vector<std::string>{"House", "Nothing Like It", "Sample Film"}));
}

TEST_F(TmdbCommands, PrefetchStopsWhenTmdbRefusesTheKey)
{
    ASSERT_EQ(run({"import",
                   files::utf8FromPath(testing::fixturePath("collection/prefetch_collection.xml"))})
                  .status,
              kSuccess);
    for (int request = 0; request < 8; ++request)
        m_server.queueError(401);
    const CliRun result = run({"prefetch"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.err.find("TMDb refused the key"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("5 profiles: 0 opened"), std::string::npos) << result.err;
    EXPECT_EQ(run({"prefetch", "--from"}).status, kUsageError);
    EXPECT_EQ(run({"prefetch", "--to", "x"}).status, kUsageError);
}

TEST_F(TmdbCommands, HelpSaysWhatEachCommandDoes)
{
    const CliRun help = run({"--help"});
    EXPECT_NE(help.out.find("print the film's four credit lists"), std::string::npos);
    EXPECT_NE(help.out.find("TMDb key"), std::string::npos);
}

TEST_F(TmdbCommands, RefusesMalformedArguments)
{
    for (const Arguments& arguments :
         {Arguments{"search"}, Arguments{"search", "a", "b"}, Arguments{"film"},
          Arguments{"film", "12x"}, Arguments{"film", "-4"}, Arguments{"credits", "0"},
          Arguments{"credits", "1", "2"}, Arguments{"open"}, Arguments{"open", "x1"},
          Arguments{"match"}, Arguments{"match", "--year", "1977"},
          Arguments{"match", "House", "--year"}, Arguments{"match", "House", "--year", "0"},
          Arguments{"match", "House", "--year", "19x"}, Arguments{"match", "House", "Party"},
          Arguments{"match", "House", "--colour", "red"}})
        EXPECT_EQ(run(arguments).status, kUsageError) << arguments[0];
    EXPECT_EQ(m_server.requestCount(), 0u);
}

} // namespace
} // namespace ravello::cli
