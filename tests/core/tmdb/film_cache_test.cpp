// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/credit_rows.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/tmdb_number.h"
#include "core/tmdb/token_lines.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

namespace fs = std::filesystem;
using testing::fixturePath;
using testing::readFileBytes;
using testing::writeFileBytes;

// The page of a film whose details could not be had: every other box keeps what it shows.
FilmDataPage onlyTheIdentifier(std::int32_t filmId)
{
    FilmDataPage page;
    page.filmId = std::to_string(filmId);
    return page;
}

constexpr const char* kEnglishOverview =
    "A film nobody has translated yet: this is its English overview.";

// Nothing listens there: any request fails at once, so an opening that needs none must come
// back without failures.
FetcherOptions unreachableOptions()
{
    FetcherOptions options;
    options.connectTimeout = std::chrono::milliseconds(500);
    return options;
}

class FilmCacheOffline : public ::testing::Test
{
protected:
    testing::TemporaryFolder m_folder;
    files::ProgramFolders m_folders = files::ProgramFolders::at(m_folder.path());
    Endpoint m_endpoint{"http://127.0.0.1:9", "http://127.0.0.1:9", "0123456789abcdef", "en-US"};
    Fetcher m_fetcher{unreachableOptions()};
    FilmCache m_cache{m_folders, m_endpoint, m_fetcher};

    void cacheAnswer(const fs::path& file, const char* fixture)
    {
        writeFileBytes(file, tokenFileBytes(splitTokens(readFileBytes(fixturePath(fixture)))));
    }
};

TEST_F(FilmCacheOffline, PlacesFilesInBucketsOfAThousand)
{
    const fs::path db = m_folder.path() / "DB";
    EXPECT_EQ(bucketName(4321), "0004");
    EXPECT_EQ(bucketName(123456), "0123");
    EXPECT_EQ(bucketName(999), "0000");
    EXPECT_EQ(m_cache.coverFile(4321), db / "Covers" / "0004" / "0004321.jpg");
    EXPECT_EQ(m_cache.filmDataFile(4321), db / "Movie" / "FilmData" / "0004" / "data_0004321.txt");
    EXPECT_EQ(m_cache.creditsFile(123456), db / "Movie" / "Actors" / "0123" / "data_0123456.txt");
    EXPECT_EQ(m_cache.coverFile(12345678), db / "Covers" / "12345" / "12345678.jpg");
}

TEST_F(FilmCacheOffline, OpensACachedFilmWithoutARequest)
{
    writeFileBytes(m_cache.coverFile(4321), readFileBytes(fixturePath("tmdb/images/abc.jpg")));
    cacheAnswer(m_cache.filmDataFile(4321), "tmdb/movie/4321.json");
    cacheAnswer(m_cache.creditsFile(4321), "tmdb/movie/4321_credits.json");
    const FilmOpening opening =
        m_cache.open("0004321 Sample Film (2004) http://127.0.0.1:9/t/p/original/abc.jpg");
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_EQ(opening.filmId, 4321);
    EXPECT_EQ(opening.coverFile, m_cache.coverFile(4321));
    EXPECT_EQ(opening.dataPage.title, "Sample Film");
    ASSERT_TRUE(opening.credits);
    EXPECT_EQ(opening.credits->cast.size(), 3u);
    EXPECT_EQ(opening.credits->crew.size(), 4u);
}

TEST_F(FilmCacheOffline, ReadsFilesCutInsideStringsByOlderVersions)
{
    writeFileBytes(m_cache.filmDataFile(123456),
                   readFileBytes(fixturePath("tmdb/cache/old_data_0123456.txt")));
    writeFileBytes(m_cache.creditsFile(123456),
                   readFileBytes(fixturePath("tmdb/cache/old_credits_0123456.txt")));
    const FilmOpening opening = m_cache.open(123456, "");
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_FALSE(opening.coverFile);
    EXPECT_EQ(opening.dataPage.title, "Crouching Tiger, Hidden Dragon");
    ASSERT_TRUE(opening.credits);
    EXPECT_EQ(tmdb::readCastRow(opening.credits->cast[2]).character,
              "Jen Yu, the \"Governor's\" daughter");
}

// An error answer stored by an older version is no film: it is fetched again, and when that
// fails the page keeps what it showed.
TEST_F(FilmCacheOffline, DoesNotTrustACachedErrorDocument)
{
    const fs::path stored = m_cache.filmDataFile(4321);
    writeFileBytes(stored, readFileBytes(fixturePath("tmdb/cache/old_error_document.txt")));
    cacheAnswer(m_cache.creditsFile(4321), "tmdb/movie/4321_credits.json");
    const FilmOpening opening = m_cache.open(4321, "");
    ASSERT_EQ(opening.failures.size(), 1u);
    EXPECT_EQ(opening.failures[0].step, OpeningStep::Details);
    EXPECT_EQ(opening.failures[0].fetch.problem, FetchProblem::Transport);
    EXPECT_EQ(opening.dataPage, onlyTheIdentifier(4321));
    EXPECT_TRUE(opening.credits);
}

TEST_F(FilmCacheOffline, KeepsTheListsWhenTheCreditsCannotBeHad)
{
    cacheAnswer(m_cache.filmDataFile(4321), "tmdb/movie/4321.json");
    const FilmOpening opening = m_cache.open(4321, "");
    ASSERT_EQ(opening.failures.size(), 1u);
    EXPECT_EQ(opening.failures[0].step, OpeningStep::Credits);
    EXPECT_FALSE(opening.credits);
    EXPECT_FALSE(fs::exists(m_cache.creditsFile(4321)));
    EXPECT_TRUE(fs::is_empty(m_cache.creditsFile(4321).parent_path()));
}

// Details in Italian without an overview show the English one that the cache holds, in their
// translations or beside them; when there is none and it cannot be had, the overview stays
// empty and the opening whole.
TEST_F(FilmCacheOffline, ShowsTheCachedEnglishOverviewOfUntranslatedDetails)
{
    m_endpoint.setLanguage("it-IT");
    cacheAnswer(m_cache.creditsFile(4325), "tmdb/movie/4325_credits.json");
    cacheAnswer(m_cache.filmDataFile(4325), "tmdb/movie/4325.it-IT.json");
    const FilmOpening unreachable = m_cache.open(4325, "");
    EXPECT_TRUE(unreachable.failures.empty());
    EXPECT_EQ(unreachable.dataPage.overview, "");
    EXPECT_FALSE(unreachable.dataPage.overviewInEnglish);
    EXPECT_FALSE(fs::exists(m_cache.englishDetailsFile(4325)));

    cacheAnswer(m_cache.englishDetailsFile(4325), "tmdb/movie/4325.json");
    const FilmOpening beside = m_cache.open(4325, "");
    EXPECT_TRUE(beside.failures.empty());
    EXPECT_EQ(beside.dataPage.title, "Campione non tradotto");
    EXPECT_EQ(beside.dataPage.overview, kEnglishOverview);
    EXPECT_TRUE(beside.dataPage.overviewInEnglish);

    fs::remove(m_cache.englishDetailsFile(4325));
    writeFileBytes(m_cache.filmDataFile(4325),
                   tokenFileBytes(splitTokens(testing::withAppended(
                       readFileBytes(fixturePath("tmdb/movie/4325.it-IT.json")), "translations",
                       readFileBytes(fixturePath("tmdb/movie/4325_translations.json"))))));
    EXPECT_EQ(m_cache.open(4325, "").dataPage, beside.dataPage);
}

TEST_F(FilmCacheOffline, ForgetsACoverThatIsNoPicture)
{
    writeFileBytes(m_cache.coverFile(4321), "<html>not a picture</html>");
    m_cache.forgetCover(4321);
    EXPECT_FALSE(fs::exists(m_cache.coverFile(4321)));
}

} // namespace
} // namespace ravello::tmdb
