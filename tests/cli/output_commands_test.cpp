// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

#include "cli/cli_context.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/output/crew_mapping_text.h"
#include "core/settings/settings_file.h"
#include "core/text/windows1252.h"
#include "core/tmdb/token_lines.h"
#include "tests/cli/cli_run.h"
#include "tests/core/output/golden_document.h"
#include "tests/support/temporary_folder.h"

namespace ravello::cli {
namespace {

namespace fs = std::filesystem;

// Points both TMDb hosts at a closed local port, so that a test that would fetch fails
// instead of reaching the internet.
void keepOffTheNetwork()
{
#ifdef _WIN32
    _putenv_s("RAVELLO_TMDB_API_URL", "http://127.0.0.1:9");
    _putenv_s("RAVELLO_TMDB_IMAGE_URL", "http://127.0.0.1:9");
#else
    setenv("RAVELLO_TMDB_API_URL", "http://127.0.0.1:9", 1);
    setenv("RAVELLO_TMDB_IMAGE_URL", "http://127.0.0.1:9", 1);
#endif
}

class OutputCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        keepOffTheNetwork();
        // Film 603 as an earlier opening left it in the film cache.
        const auto folders = files::ProgramFolders::at(m_folder.path());
        cacheDocument(folders.filmDataFolder() / "0000" / "data_0000603.txt",
                      "output/film_603_details.json");
        cacheDocument(folders.filmCreditsFolder() / "0000" / "data_0000603.txt",
                      "output/film_603_credits.json");
    }

    static void cacheDocument(const fs::path& file, std::string_view fixture)
    {
        const std::string json = testing::readFileBytes(testing::fixturePath(fixture));
        ASSERT_FALSE(json.empty()) << fixture;
        testing::writeFileBytes(file, tmdb::tokenFileBytes(tmdb::splitTokens(json)));
    }

    // Commands that must ask TMDb need a key of the user's in the settings.
    void giveKey()
    {
        settings::Settings settings;
        settings.tmdbKey = "0123456789abcdef0123456789abcdef";
        ASSERT_TRUE(settings::saveSettings(m_folder / "Ravello.INI", settings));
    }

    CliRun run(Arguments arguments, const std::string& input = "")
    {
        arguments.insert(arguments.begin(), {"--data-dir", files::utf8FromPath(m_folder.path())});
        return runCapturing(arguments, input);
    }

    // The collection's people as an import would have left them.
    void givePeople(std::string_view fixture)
    {
        testing::writeFileBytes(files::ProgramFolders::at(m_folder.path()).peopleTableFile(),
                                testing::readFileBytes(testing::fixturePath(fixture)));
    }

    testing::TemporaryFolder m_folder;
};

TEST_F(OutputCommandsTest, CastXmlWritesTheDocumentOfACachedFilm)
{
    const CliRun result = run({"cast-xml", "603"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    testing::expectGolden("cli_cast_603.xml", result.out);
}

TEST_F(OutputCommandsTest, CrewXmlHonoursTheGroupOptions)
{
    const CliRun all = run({"crew-xml", "603"});
    ASSERT_EQ(all.status, kSuccess) << all.err;
    testing::expectGolden("cli_crew_603.xml", all.out);

    const CliRun none =
        run({"crew-xml", "--no-photography", "603", "--no-sound", "--no-art", "--no-other"});
    ASSERT_EQ(none.status, kSuccess) << none.err;
    testing::expectGolden("cli_crew_603_no_groups.xml", none.out);
}

TEST_F(OutputCommandsTest, CrewXmlReportsTheCreditsLeftOut)
{
    const CliRun result = run({"crew-xml", "603", "--no-other", "--report"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.err, "crew: 7 credits in the document, 2 left out\n"
                          "left out: Crew / Stunts\n"
                          "left out: Lighting / \n");
    EXPECT_EQ(result.out, run({"crew-xml", "603", "--no-other"}).out);
}

TEST_F(OutputCommandsTest, CrewMapPrintsTheRulesInEffectAndTheFile)
{
    const fs::path file = m_folder / "CrewMapping.txt";
    const CliRun path = run({"crew-map", "--path"});
    ASSERT_EQ(path.status, kSuccess) << path.err;
    EXPECT_EQ(fs::path(path.out.substr(0, path.out.size() - 1)), file);
    const CliRun rules = run({"crew-map"});
    EXPECT_EQ(rules.out, output::writeCrewMappingRules(output::CrewMapping::builtIn()));
    EXPECT_TRUE(rules.err.empty()) << rules.err;

    std::string edited = testing::readFileBytes(file);
    edited.replace(edited.find("\n    group art\n"), 15, "\n    group arts\n");
    testing::writeFileBytes(file, edited);
    const CliRun damaged = run({"crew-map"});
    EXPECT_EQ(damaged.status, kSuccess);
    EXPECT_EQ(damaged.out, rules.out);
    const std::string line = std::to_string(
        std::count(edited.begin(), edited.begin() + edited.find("group arts"), '\n') + 1);
    EXPECT_NE(damaged.err.find("CrewMapping.txt line " + line + ": unknown \"arts\""),
              std::string::npos)
        << damaged.err;
    const CliRun crew = run({"crew-xml", "603"});
    EXPECT_EQ(crew.status, kSuccess);
    EXPECT_NE(crew.err.find("the built-in crew mapping is used"), std::string::npos);
    EXPECT_EQ(testing::readFileBytes(file), edited);
}

TEST_F(OutputCommandsTest, WithoutAKeyOnlyWhatIsCachedIsServed)
{
    // No settings file: no key. Film 603 is cached, so its documents need no request; its
    // people's birth years are not.
    EXPECT_EQ(run({"cast-xml", "603"}).status, kSuccess);
    for (const Arguments& arguments :
         {Arguments{"cast-xml", "604"}, Arguments{"crew-xml", "604"}, Arguments{"film", "604"},
          Arguments{"credits", "604"}, Arguments{"search", "Sample Film"},
          Arguments{"cast-xml", "603", "--birth-years"},
          Arguments{"crew-xml", "603", "--birth-years"},
          Arguments{"photo", "cast", "6384", "/4D0PpNI0kmP58hgrwGC3wCjxhnm.jpg"}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kFailure) << arguments[0];
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find("no TMDb key"), std::string::npos) << result.err;
    }
}

// Every actor of film 603 is in the collection's people with one year: the document takes
// their names and years, and no birth year needs TMDb, so no key is needed either.
TEST_F(OutputCommandsTest, PeopleTheCollectionKnowsNeedNoBirthYearFromTmdb)
{
    givePeople("collection/people_film_603.txt");
    const CliRun cast = run({"cast-xml", "603", "--birth-years"});
    ASSERT_EQ(cast.status, kSuccess) << cast.err;
    EXPECT_NE(cast.out.find("FirstName=\"Keanu\" MiddleName=\"\" LastName=\"Reeves\" "
                            "BirthYear=\"1964\""),
              std::string::npos);
    EXPECT_NE(cast.out.find("FirstName=\"Zoe\" MiddleName=\"Jane\" LastName=\"de la Rosa\" "
                            "BirthYear=\"0\" Role=\"Caf\xe9 owner\""),
              std::string::npos);
    EXPECT_EQ(run({"cast-xml", "603"}).out, cast.out);
    // The crew is not in the table: its birth years still need TMDb.
    EXPECT_NE(run({"crew-xml", "603", "--birth-years"}).err.find("no TMDb key"), std::string::npos);
}

TEST_F(OutputCommandsTest, NamePrintsTheAttributesTheDocumentsWrite)
{
    const std::string raw = "FirstName=\"Jos\xe9\" MiddleName=\"\" LastName=\"Garc\xed"
                            "a\" BirthYear=\"1962\"\n";
    const struct
    {
        std::string name;
        std::string line; // UTF-8
    } cases[] = {
        {"Jose Garcia", text::windows1252ToUtf8(raw)},
        {"HARRY DEAN STANTON",
         "FirstName=\"Harry\" MiddleName=\"Dean\" LastName=\"Stanton\" BirthYear=\"1926\"\n"},
        {"Michel Piccoli",
         "FirstName=\"Michel\" MiddleName=\"\" LastName=\"Piccoli\" BirthYear=\"0\"\n"},
        {"Robert De Niro",
         "FirstName=\"Robert\" MiddleName=\"\" LastName=\"De Niro\" BirthYear=\"0\"\n"},
        {"Tom \"T\" & Sons",
         "FirstName=\"Tom\" MiddleName=\"&quot;T&quot; &amp;\" LastName=\"Sons\" "
         "BirthYear=\"0\"\n"},
        {"", "FirstName=\"\" MiddleName=\"\" LastName=\"\" BirthYear=\"0\"\n"},
    };
    givePeople("collection/collection_people.txt");
    std::string input;
    std::string expected;
    for (const auto& c : cases) {
        const CliRun one = run({"name", c.name});
        EXPECT_EQ(one.status, kSuccess) << c.name;
        EXPECT_EQ(one.out, c.line) << c.name;
        input += c.name + "\r\n";
        expected += c.line;
    }
    const CliRun lines = run({"name"}, input);
    EXPECT_EQ(lines.status, kSuccess) << lines.err;
    EXPECT_EQ(lines.out, expected);
    EXPECT_EQ(run({"--raw", "name",
                   "Jos\xc3\xa9 Garc\xc3\xad"
                   "a"})
                  .out,
              raw);
    EXPECT_EQ(run({"name", "Jose", "Garcia"}).out,
              "FirstName=\"Jose\" MiddleName=\"\" LastName=\"\" BirthYear=\"0\"\n"
              "FirstName=\"Garcia\" MiddleName=\"\" LastName=\"\" BirthYear=\"0\"\n");
}

TEST_F(OutputCommandsTest, NameWithoutPeopleSplitsTheName)
{
    EXPECT_EQ(run({"name"}, "Jose Garcia\nSammy Davis Jr.").out,
              "FirstName=\"Jose\" MiddleName=\"\" LastName=\"Garcia\" BirthYear=\"0\"\n"
              "FirstName=\"Sammy\" MiddleName=\"\" LastName=\"Davis Jr.\" BirthYear=\"0\"\n");
}

TEST_F(OutputCommandsTest, FilmThatCannotBeOpenedFails)
{
    giveKey();
    const CliRun result = run({"cast-xml", "604"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("film 604"), std::string::npos) << result.err;
}

TEST_F(OutputCommandsTest, PhotoInTheCacheIsPrintedWithoutDownload)
{
    const fs::path cached = m_folder.path() / "DB" / "Crew" / "000" / "009" / "0009339.jpg";
    testing::writeFileBytes(cached, "\xff\xd8 picture");
    const CliRun result = run({"photo", "crew", "9339", "/abcdefghijklmnop.jpg"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(fs::path(result.out.substr(0, result.out.size() - 1)), cached);
    EXPECT_FALSE(fs::exists(m_folder.path() / "DB" / "Actors" / "000" / "009"));
}

TEST_F(OutputCommandsTest, PhotoOfAPersonWithoutPhotoFails)
{
    const CliRun result = run({"photo", "cast", "2975", "null"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_NE(result.err.find("TMDb has no photo of this person"), std::string::npos);
}

TEST_F(OutputCommandsTest, FailedPhotoDownloadFailsAndLeavesNoFile)
{
    giveKey();
    const CliRun result = run({"photo", "cast", "6384", "/4D0PpNI0kmP58hgrwGC3wCjxhnm.jpg"});
    EXPECT_EQ(result.status, kFailure);
    EXPECT_FALSE(fs::exists(m_folder.path() / "DB" / "Actors" / "000" / "006" / "0006384.jpg"));
}

TEST_F(OutputCommandsTest, BadArgumentsAreUsageErrors)
{
    for (const Arguments& arguments : {
             Arguments{"cast-xml"},
             Arguments{"cast-xml", "603", "604"},
             Arguments{"cast-xml", "0"},
             Arguments{"cast-xml", "-603"},
             Arguments{"cast-xml", "60x"},
             Arguments{"crew-xml"},
             Arguments{"crew-xml", "603", "--no-music"},
             Arguments{"crew-xml", "603", "604"},
             Arguments{"cast-xml", "603", "--birth-year"},
             Arguments{"crew-map", "--paths"},
             Arguments{"crew-map", "--path", "x"},
             Arguments{"photo", "cast", "819"},
             Arguments{"photo", "actors", "819", "/abcdefghijklmnop.jpg"},
             Arguments{"photo", "cast", "abc", "/abcdefghijklmnop.jpg"},
             Arguments{"name", "Jose", "--table"},
         }) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kUsageError) << arguments[0] << ' ' << arguments.size();
        EXPECT_TRUE(result.out.empty());
    }
}

} // namespace
} // namespace ravello::cli
