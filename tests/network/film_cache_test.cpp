// SPDX-License-Identifier: MIT
#include "core/tmdb/film_cache.h"
#include "core/tmdb/token_lines.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using tmdb::FetchProblem;
using tmdb::FilmOpening;
using tmdb::OpeningStep;

constexpr const char* kEnglishOverview =
    "A film nobody has translated yet: this is its English overview.";

// The page of a film whose details could not be had: every other box keeps what it shows.
tmdb::FilmDataPage onlyTheIdentifier(std::int32_t filmId)
{
    tmdb::FilmDataPage page;
    page.filmId = std::to_string(filmId);
    return page;
}

std::size_t filesUnder(const fs::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

class FilmCache : public NetworkTest
{
protected:
    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::FilmCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};

    std::string posterUrl(const std::string& name) const
    {
        return fakeTmdb().url() + "/t/p/original/" + name;
    }

    // Stores a fixture answer in a cache file, as an earlier opening would have.
    static void cacheAnswer(const fs::path& file, const char* fixture)
    {
        writeFileBytes(
            file, tmdb::tokenFileBytes(tmdb::splitTokens(readFileBytes(fixturePath(fixture)))));
    }

    // Opens film 4321, poster included, through a fetcher of its own.
    FilmOpening openWith(tmdb::Fetcher& fetcher)
    {
        tmdb::FilmCache cache(files::ProgramFolders::at(m_folder.path()), m_endpoint, fetcher);
        return cache.open(4321, posterUrl("abc.jpg"));
    }
};

TEST_F(FilmCache, FetchesAFilmOnceAndOpensItAgainWithoutARequest)
{
    const FilmOpening first = m_cache.open(4321, posterUrl("abc.jpg"));
    EXPECT_TRUE(first.failures.empty());
    EXPECT_EQ(server().requestCount(), 3u);
    EXPECT_EQ(first.coverFile, m_cache.coverFile(4321));
    EXPECT_EQ(readFileBytes(m_cache.coverFile(4321)),
              readFileBytes(fixturePath("tmdb/images/abc.jpg")));
    EXPECT_TRUE(fs::exists(m_folder / "DB/Movie/FilmData/0004/data_0004321.txt"));
    EXPECT_TRUE(fs::exists(m_folder / "DB/Movie/Actors/0004/data_0004321.txt"));
    EXPECT_EQ(filesUnder(m_folder.path()), 3u);

    const FilmOpening second = m_cache.open(4321, posterUrl("abc.jpg"));
    EXPECT_EQ(server().requestCount(), 3u);
    EXPECT_EQ(second.dataPage, first.dataPage);
    EXPECT_EQ(second.credits, first.credits);
    EXPECT_EQ(second.coverFile, first.coverFile);
}

// Each answer waits until the server has seen all three requests: only an opening that sends
// them side by side gets any.
TEST_F(FilmCache, SendsItsThreeRequestsBeforeTheFirstAnswer)
{
    server().holdAnswersUntil(3);
    const FilmOpening opening = m_cache.open(4321, posterUrl("abc.jpg"));
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_EQ(opening.coverFile, m_cache.coverFile(4321));
    EXPECT_EQ(opening.dataPage.title, "Sample Film");
    EXPECT_EQ(filesUnder(m_folder.path()), 3u);
}

// Three requests that stall cost one time-out together, not one each, and leave nothing.
TEST_F(FilmCache, StalledOpeningEndsWithinOneTimeOut)
{
    tmdb::FetcherOptions options = quickOptions();
    options.lowSpeedTime = std::chrono::seconds(2);
    tmdb::Fetcher fetcher(options);
    server().setDelay(std::chrono::seconds(60));
    const auto start = std::chrono::steady_clock::now();
    const FilmOpening opening = openWith(fetcher);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(opening.failures.size(), 3u);
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        EXPECT_EQ(failure.fetch.problem, FetchProblem::Transport);
        EXPECT_EQ(failure.fetch.timeLimit, options.lowSpeedTime);
    }
    EXPECT_EQ(filesUnder(m_folder.path()), 0u);
}

TEST_F(FilmCache, CancelEndsTheWaitAtOnceAndCachesNothing)
{
    tmdb::FetcherOptions options = quickOptions();
    options.lowSpeedTime = std::chrono::seconds(30);
    tmdb::Fetcher fetcher(options);
    std::optional<std::chrono::steady_clock::time_point> cancelled;
    int callsAfterCancel = 0;
    fetcher.setProgressCallback([&](std::chrono::milliseconds) {
        callsAfterCancel += cancelled ? 1 : 0;
        if (!cancelled && server().requestCount() == 3)
            cancelled = std::chrono::steady_clock::now();
        return cancelled ? tmdb::WaitChoice::Cancel : tmdb::WaitChoice::KeepWaiting;
    });
    server().setDelay(std::chrono::seconds(60));
    const FilmOpening opening = openWith(fetcher);
    ASSERT_TRUE(cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - *cancelled, std::chrono::seconds(2));
    EXPECT_EQ(callsAfterCancel, 0);
    EXPECT_TRUE(opening.wasCancelled());
    ASSERT_EQ(opening.failures.size(), 3u);
    for (const tmdb::OpeningFailure& failure : opening.failures)
        EXPECT_EQ(failure.fetch.problem, FetchProblem::Cancelled);
    EXPECT_FALSE(opening.credits);
    EXPECT_EQ(filesUnder(m_folder.path()), 0u);
}

// The cache files are the answers' token lines, CR LF after each, bytes as received.
TEST_F(FilmCache, StoresTheAnswersAsTokenLines)
{
    m_cache.open(123456, posterUrl("ct.jpg"));
    const std::string details = readFileBytes(fixturePath("tmdb/movie/123456.json"));
    EXPECT_EQ(readFileBytes(m_folder / "DB/Movie/FilmData/0123/data_0123456.txt"),
              tmdb::tokenFileBytes(tmdb::splitTokens(details)));
    const std::string credits = readFileBytes(m_folder / "DB/Movie/Actors/0123/data_0123456.txt");
    EXPECT_TRUE(credits.starts_with("{\r\n\t\"cast\":[{\r\n\t\t\"cast_id\":1,\r\n"));
    EXPECT_EQ(tmdb::joinTokenLines(tmdb::tokenLinesOfFile(credits)),
              readFileBytes(fixturePath("tmdb/movie/123456_credits.json")));
    EXPECT_TRUE(fs::exists(m_folder / "DB/Covers/0123/0123456.jpg"));
}

TEST_F(FilmCache, MakesNoRequestForAFilmWithoutPoster)
{
    const FilmOpening opening = m_cache.open("0004322 Sample Film, Part Two (0) ");
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_FALSE(opening.coverFile);
    EXPECT_EQ(server().requestCount(), 2u);
    for (const RecordedRequest& request : server().requests())
        EXPECT_TRUE(request.path.starts_with("/3/movie/4322"));
    EXPECT_EQ(opening.dataPage.year, "");
}

// A film without an overview in the user's language shows the English one of the translations
// that came with its details: no request more, and none at the next opening.
TEST_F(FilmCache, TakesAnUntranslatedOverviewFromTheEnglishTranslation)
{
    m_endpoint.setLanguage("it-IT");
    const FilmOpening first = m_cache.open(4325, "");
    EXPECT_TRUE(first.failures.empty());
    EXPECT_EQ(first.dataPage.title, "Campione non tradotto");
    EXPECT_EQ(first.dataPage.overview, kEnglishOverview);
    EXPECT_TRUE(first.dataPage.overviewInEnglish);
    ASSERT_EQ(server().requestCount(), 2u) << "the details and the credits, nothing more";
    EXPECT_EQ(server().requests()[0].param("append_to_response") +
                  server().requests()[1].param("append_to_response"),
              "translations");
    EXPECT_EQ(tmdb::joinTokenLines(
                  tmdb::tokenLinesOfFile(readFileBytes(m_cache.englishDetailsFile(4325)))),
              std::string(R"({"id":4325,"overview":")") + kEnglishOverview + "\"}");

    EXPECT_EQ(m_cache.open(4325, "").dataPage, first.dataPage);
    EXPECT_EQ(server().requestCount(), 2u) << "the English overview is kept in the cache";

    m_endpoint.setLanguage("en-GB");
    EXPECT_FALSE(m_cache.open(4322, "").dataPage.overviewInEnglish);
    ASSERT_EQ(server().requestCount(), 4u) << "nothing more is asked in English";
    EXPECT_FALSE(server().requests()[2].params.contains("append_to_response"));
    EXPECT_FALSE(server().requests()[3].params.contains("append_to_response"));
}

// Translations without an English overview settle it too: the overview stays empty, and no
// opening asks for more.
TEST_F(FilmCache, TranslationsWithoutAnEnglishOverviewLeaveItEmptyForGood)
{
    m_endpoint.setLanguage("it-IT");
    const std::string details =
        withAppended(readFileBytes(fixturePath("tmdb/movie/4325.it-IT.json")), "translations",
                     R"({"translations":[]})");
    server().queueAnswerFor("/3/movie/4325?append_to_response=translations",
                            {200, details, "application/json", {}, 0, false, {}});
    for (int opening = 0; opening < 2; ++opening) {
        const FilmOpening untranslated = m_cache.open(4325, "");
        EXPECT_TRUE(untranslated.failures.empty());
        EXPECT_EQ(untranslated.dataPage.overview, "");
        EXPECT_FALSE(untranslated.dataPage.overviewInEnglish);
        EXPECT_EQ(server().requestCount(), 2u);
    }
}

// Details cached by an older version came without translations: the English details are asked
// for beside the other missing parts, in one round, and kept.
TEST_F(FilmCache, AsksTheEnglishOverviewOfOlderDetailsInTheSameRound)
{
    m_endpoint.setLanguage("it-IT");
    cacheAnswer(m_cache.filmDataFile(4325), "tmdb/movie/4325.it-IT.json");
    server().holdAnswersUntil(2);
    const FilmOpening opening = m_cache.open(4325, "");
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_EQ(opening.dataPage.overview, kEnglishOverview);
    EXPECT_TRUE(opening.credits);
    ASSERT_EQ(server().requestCount(), 2u);
    EXPECT_TRUE(fs::exists(m_cache.englishDetailsFile(4325)));
    EXPECT_EQ(m_cache.open(4325, "").dataPage, opening.dataPage);
    EXPECT_EQ(server().requestCount(), 2u);

    // Without a key of the user's, such a film opens with its own empty overview.
    fs::remove(m_cache.englishDetailsFile(4325));
    const tmdb::Endpoint keyless(fakeTmdb().url(), fakeTmdb().url(), "", "it-IT");
    tmdb::FilmCache withoutKey(files::ProgramFolders::at(m_folder.path()), keyless, m_fetcher);
    const FilmOpening unasked = withoutKey.open(4325, "");
    EXPECT_EQ(unasked.dataPage.overview, "");
    EXPECT_FALSE(unasked.dataPage.overviewInEnglish);
    EXPECT_EQ(server().requestCount(), 2u);
}

// The English overview is no part of the film that can fail, but a wait for it that the user
// cancels cancels the opening.
TEST_F(FilmCache, EnglishOverviewThatFailsIsLeftEmptyAndItsCancelEndsTheOpening)
{
    m_endpoint.setLanguage("it-IT");
    cacheAnswer(m_cache.filmDataFile(4325), "tmdb/movie/4325.it-IT.json");
    cacheAnswer(m_cache.creditsFile(4325), "tmdb/movie/4325_credits.json");
    server().queueErrorFor("/3/movie/4325?language=en-US", 500);
    const FilmOpening failed = m_cache.open(4325, "");
    EXPECT_TRUE(failed.failures.empty());
    EXPECT_EQ(failed.dataPage.overview, "");
    EXPECT_FALSE(failed.dataPage.overviewInEnglish);
    EXPECT_FALSE(fs::exists(m_cache.englishDetailsFile(4325)));

    tmdb::Fetcher fetcher(quickOptions());
    fetcher.setProgressCallback([](std::chrono::milliseconds) { return tmdb::WaitChoice::Cancel; });
    server().setDelay(std::chrono::seconds(60));
    tmdb::FilmCache cache(files::ProgramFolders::at(m_folder.path()), m_endpoint, fetcher);
    const FilmOpening cancelled = cache.open(4325, "");
    EXPECT_TRUE(cancelled.wasCancelled());
    ASSERT_EQ(cancelled.failures.size(), 1u);
    EXPECT_EQ(cancelled.failures[0].step, OpeningStep::Details);
    EXPECT_EQ(cancelled.dataPage.overview, "");
    EXPECT_FALSE(fs::exists(m_cache.englishDetailsFile(4325)));
}

TEST_F(FilmCache, KeepsNoPosterOfAThousandBytesOrLess)
{
    EXPECT_FALSE(m_cache.open(9001, posterUrl("tiny1000.jpg")).coverFile);
    EXPECT_FALSE(fs::exists(m_cache.coverFile(9001)));
    EXPECT_EQ(m_cache.open(9002, posterUrl("tiny1001.jpg")).coverFile, m_cache.coverFile(9002));
}

// A failed step is reported, caches nothing and leaves the other steps alone.
TEST_F(FilmCache, CachesNothingOfAFailedStep)
{
    server().queueErrorFor("/t/p/original/abc.jpg", 404);
    server().queueErrorFor("/3/movie/4321", 500);
    const FilmOpening opening = m_cache.open(4321, posterUrl("abc.jpg"));
    ASSERT_EQ(opening.failures.size(), 2u);
    EXPECT_EQ(opening.failures[0].step, OpeningStep::Cover);
    EXPECT_EQ(opening.failures[0].fetch.httpStatus, 404);
    EXPECT_EQ(opening.failures[1].step, OpeningStep::Details);
    EXPECT_EQ(opening.failures[1].fetch.httpStatus, 500);
    EXPECT_FALSE(opening.coverFile);
    EXPECT_EQ(opening.dataPage, onlyTheIdentifier(4321));
    ASSERT_TRUE(opening.credits);
    EXPECT_EQ(opening.credits->cast.size(), 3u);
    EXPECT_EQ(filesUnder(m_folder.path()), 1u); // the credits only

    const FilmOpening retried = m_cache.open(4321, posterUrl("abc.jpg"));
    EXPECT_TRUE(retried.failures.empty());
    EXPECT_EQ(retried.dataPage.title, "Sample Film");
}

TEST_F(FilmCache, CachesNothingOfAnAnswerThatIsNotJson)
{
    server().queueAnswerFor("/3/movie/4321",
                            {200, "<html>Maintenance</html>", "text/html", {}, 0, false, {}});
    const FilmOpening opening = m_cache.open(4321, "");
    ASSERT_EQ(opening.failures.size(), 1u);
    EXPECT_EQ(opening.failures[0].fetch.problem, FetchProblem::NotJson);
    EXPECT_FALSE(fs::exists(m_cache.filmDataFile(4321)));
}

TEST_F(FilmCache, ShowsADocumentItCouldNotStore)
{
    fs::create_directories(m_cache.filmDataFile(4321)); // a folder where the file should go
    const FilmOpening opening = m_cache.open(4321, "");
    ASSERT_EQ(opening.failures.size(), 1u);
    EXPECT_EQ(opening.failures[0].fetch.problem, FetchProblem::File);
    EXPECT_EQ(opening.dataPage.title, "Sample Film");
    EXPECT_TRUE(fs::is_directory(m_cache.filmDataFile(4321)));
}

TEST_F(FilmCache, FetchesTheDetailsInTheEndpointsLanguage)
{
    m_endpoint.setLanguage("it-IT");
    m_cache.open(4321, "");
    ASSERT_EQ(server().requestCount(), 2u);
    for (const RecordedRequest& request : server().requests()) {
        if (request.path == "/3/movie/4321")
            EXPECT_EQ(request.param("language"), "it-IT");
        else
            EXPECT_FALSE(request.params.contains("language")) << request.path;
    }
}

} // namespace
} // namespace ravello::testing
