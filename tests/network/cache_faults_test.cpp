// SPDX-License-Identifier: MIT
// Cache files the program did not write, or that were damaged: a file that holds no film
// document is fetched again and replaced; one that does is shown however big or long its
// values are, without a request.
#include "core/output/credit_documents.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/token_lines.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;

class CacheFaults : public NetworkTest
{
protected:
    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::FilmCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};

    void store(const fs::path& file, std::string_view bytes)
    {
        fs::create_directories(file.parent_path());
        writeFileBytes(file, bytes);
    }
};

TEST_F(CacheFaults, DamagedFilesAreFetchedAgainAndReplaced)
{
    const std::string details = readFileBytes(fixturePath("tmdb/movie/4321.json"));
    const std::string damaged[] = {
        "",
        std::string(4096, '\0'),
        std::string("\x89PNG\r\n\x1A\n\xFF\xD8\xFF", 11),
        details.substr(0, details.size() / 2),                          // cut short
        "{\"id\":4321,\"title\":\"Unbalanced\",\"genres\":[{\"id\":1}", // braces left open
        "}}}}{{{{" + std::string(10000, '{'),
        "{\"status_code\":34,\"status_message\":\"Not found\"}",
        "{\"id\":\"4321\",\"title\":\"Identifier as text\"}",
        std::string(50u << 20, 'g'), // 50 MB on one line, no JSON
    };
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(bytes.substr(0, 40));
        server().reset();
        store(m_cache.filmDataFile(4321), bytes);
        store(m_cache.creditsFile(4321), bytes);
        const tmdb::FilmOpening opening = m_cache.open(4321, "");
        EXPECT_TRUE(opening.failures.empty());
        EXPECT_EQ(opening.dataPage.title, "Sample Film");
        ASSERT_TRUE(opening.credits);
        EXPECT_EQ(opening.credits->cast.size(), 3u);
        EXPECT_EQ(server().requestCount(), 2u);
        EXPECT_EQ(
            tmdb::joinTokenLines(tmdb::tokenLinesOfFile(readFileBytes(m_cache.filmDataFile(4321)))),
            details);
    }
}

// A film document of 50 MB on one line: shown, not fetched.
TEST_F(CacheFaults, HugeDetailsOnOneLineAreShown)
{
    const std::string overview(50u << 20, 'o');
    store(m_cache.filmDataFile(4321),
          "{\"id\":4321,\"title\":\"Huge\",\"overview\":\"" + overview + "\"}");
    store(m_cache.creditsFile(4321), readFileBytes(fixturePath("tmdb/movie/4321_credits.json")));
    const tmdb::FilmOpening opening = m_cache.open(4321, "");
    EXPECT_EQ(server().requestCount(), 0u);
    EXPECT_EQ(opening.dataPage.title, "Huge");
    EXPECT_EQ(opening.dataPage.overview, overview);
}

std::string creditsWith(int cast, int crew, const std::string& name)
{
    std::string document = "{\"id\":4321,\"cast\":[";
    for (int i = 0; i < cast; ++i)
        document += (i ? "," : "") + std::string("{\"id\":") + std::to_string(i + 1) +
                    ",\"name\":\"" + name + "\",\"character\":\"" + name +
                    "\",\"profile_path\":\"/" + name + ".jpg\"}";
    document += "],\"crew\":[";
    for (int i = 0; i < crew; ++i)
        document += (i ? "," : "") + std::string("{\"id\":") + std::to_string(i + 1) +
                    ",\"name\":\"" + name + "\",\"department\":\"Directing\",\"job\":\"" + name +
                    "\",\"profile_path\":null}";
    return document + "]}";
}

TEST_F(CacheFaults, HundredThousandCreditsAreListed)
{
    store(m_cache.filmDataFile(4321), readFileBytes(fixturePath("tmdb/movie/4321.json")));
    store(m_cache.creditsFile(4321), creditsWith(100000, 100000, "Ann Actor"));
    const tmdb::FilmOpening opening = m_cache.open(4321, "");
    EXPECT_EQ(server().requestCount(), 0u);
    ASSERT_TRUE(opening.credits);
    EXPECT_EQ(opening.credits->cast.size(), 100000u);
    EXPECT_EQ(opening.credits->crewPhoto.size(), 100000u);
    const output::CreditDocuments documents(
        {"Sample Film", opening.credits->castMembers, opening.credits->crewMembers},
        {output::CrewMapping::builtIn(), {}});
    EXPECT_FALSE(documents.cast().empty());
}

// Names and roles of 100,000 characters push the columns to the right but keep every row and
// document whole.
TEST_F(CacheFaults, ValuesFarLongerThanAnyFieldKeepTheRowsWhole)
{
    const std::string name(100000, 'N');
    store(m_cache.filmDataFile(4321), readFileBytes(fixturePath("tmdb/movie/4321.json")));
    store(m_cache.creditsFile(4321), creditsWith(2, 2, name));
    const tmdb::FilmOpening opening = m_cache.open(4321, "");
    ASSERT_TRUE(opening.credits);
    ASSERT_EQ(opening.credits->cast.size(), 2u);
    const output::CreditDocuments documents(
        {*opening.dataPage.title, opening.credits->castMembers, opening.credits->crewMembers},
        {output::CrewMapping::builtIn(), {}});
    const std::string cast = documents.cast();
    const std::string crew = documents.crew().text;
    EXPECT_NE(cast.find(name.substr(0, 50)), std::string::npos) << cast.substr(0, 400);
    EXPECT_FALSE(crew.empty());
}

} // namespace
} // namespace ravello::testing
