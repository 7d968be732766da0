// SPDX-License-Identifier: MIT
#include <algorithm>

#include "core/tmdb/season_cache.h"
#include "core/tmdb/shown_season.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using tmdb::FetchProblem;
using tmdb::SeasonOpening;
using tmdb::SeasonStep;

std::vector<std::string> pathsOf(const std::vector<RecordedRequest>& requests)
{
    std::vector<std::string> paths;
    for (const RecordedRequest& request : requests)
        paths.push_back(request.path);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::size_t filesUnder(const fs::path& folder)
{
    std::size_t count = 0;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

class SeasonCache : public NetworkTest
{
protected:
    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::SeasonCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};

    std::string showPoster() const { return fakeTmdb().url() + "/t/p/original/nd.jpg"; }
};

// A first opening is one round trip: the show's poster is its cover, and the season's own
// poster, told only by the answers, comes with the next opening; after it nothing is asked.
TEST_F(SeasonCache, FetchesASeasonOnceAndOpensItAgainWithoutARequest)
{
    const SeasonOpening first = m_cache.open(4401, 1, showPoster());
    EXPECT_TRUE(first.failures.empty());
    ASSERT_TRUE(first.content);
    EXPECT_EQ(first.content->show.name, "Night Desk");
    EXPECT_EQ(first.content->season.episodes.size(), 3u);
    EXPECT_EQ(first.coverFile, m_cache.showCoverFile(4401));
    EXPECT_EQ(server().requestCount(), 3u);
    EXPECT_TRUE(fs::exists(m_folder / "DB/TV/Shows/0004/show_0004401.txt"));
    EXPECT_TRUE(fs::exists(m_folder / "DB/TV/Seasons/0004/season_0004401_01.txt"));

    const SeasonOpening second = m_cache.open(4401, 1, showPoster());
    EXPECT_EQ(server().requestCount(), 4u);
    EXPECT_EQ(second.coverFile, m_cache.seasonCoverFile(4401, 1));
    EXPECT_EQ(readFileBytes(m_folder / "DB/TV/Covers/0004/0004401_01.jpg"),
              readFileBytes(fixturePath("tmdb/images/nd_s1.jpg")));
    const SeasonOpening third = m_cache.open(4401, 1, showPoster());
    EXPECT_EQ(server().requestCount(), 4u);
    EXPECT_EQ(third.coverFile, second.coverFile);
    EXPECT_EQ(tmdb::seasonDataPage(*third.content), tmdb::seasonDataPage(*first.content));
}

TEST_F(SeasonCache, AsksTheShowTheSeasonWithItsCreditsAndThePosterSideBySide)
{
    server().holdAnswersUntil(3);
    const SeasonOpening opening = m_cache.open(4401, 2, showPoster());
    EXPECT_TRUE(opening.failures.empty());
    EXPECT_EQ(
        pathsOf(server().requests()),
        (std::vector<std::string>{"/3/tv/4401", "/3/tv/4401/season/2", "/t/p/original/nd.jpg"}));
    // The three arrive side by side, in any order.
    const auto requests = server().requests();
    const auto season = std::find_if(requests.begin(), requests.end(), [](const auto& request) {
        return request.path == "/3/tv/4401/season/2";
    });
    ASSERT_NE(season, requests.end());
    EXPECT_EQ(season->param("append_to_response"), "credits");
    // Season 2 has no poster of its own: the show's is its cover.
    EXPECT_EQ(opening.coverFile, m_cache.showCoverFile(4401));
}

// The season's own poster is known only from the show or the season: once the show is cached,
// another season's poster goes out with the season.
TEST_F(SeasonCache, TakesTheSeasonsPosterOnceItIsKnown)
{
    ASSERT_TRUE(m_cache.openCredits(4401, 2).content);
    server().reset();
    server().holdAnswersUntil(2);
    const SeasonOpening opening = m_cache.open(4401, 1, "");
    EXPECT_EQ(pathsOf(server().requests()),
              (std::vector<std::string>{"/3/tv/4401/season/1", "/t/p/original/nd_s1.jpg"}));
    EXPECT_EQ(opening.coverFile, m_cache.seasonCoverFile(4401, 1));
}

TEST_F(SeasonCache, ShowsTheShowsPosterWhenTheSeasonsCannotBeHad)
{
    server().queueErrorFor("/t/p/original/nd_s1.jpg", 404);
    const SeasonOpening opening = m_cache.open(4401, 1, showPoster());
    EXPECT_EQ(opening.coverFile, m_cache.showCoverFile(4401));
    EXPECT_TRUE(opening.failures.empty()) << "a cover was shown";
    EXPECT_FALSE(fs::exists(m_cache.seasonCoverFile(4401, 1)));
}

TEST_F(SeasonCache, DocumentsAskForTheShowAndTheSeasonOnly)
{
    const SeasonOpening opening = m_cache.openCredits(4401, 0);
    ASSERT_TRUE(opening.content);
    EXPECT_EQ(opening.content->season.number, 0);
    EXPECT_FALSE(opening.coverFile);
    EXPECT_EQ(pathsOf(server().requests()),
              (std::vector<std::string>{"/3/tv/4401", "/3/tv/4401/season/0"}));
}

// Nothing that failed is kept, and a failed step leaves no season to show.
TEST_F(SeasonCache, CachesNothingBadAndOpensNoPartOfASeason)
{
    server().queueErrorFor("/3/tv/4401/season/9", 404);
    const SeasonOpening missing = m_cache.openCredits(4401, 9);
    EXPECT_FALSE(missing.content);
    ASSERT_EQ(missing.failures.size(), 1u);
    EXPECT_EQ(missing.failures[0].step, SeasonStep::Season);
    EXPECT_EQ(missing.failures[0].fetch.httpStatus, 404);
    EXPECT_FALSE(fs::exists(m_cache.seasonFile(4401, 9)));

    server().queueAnswerFor("/3/tv/4401/season/1",
                            {200,
                             R"({"status_code":34,"status_message":"Gone."})",
                             "application/json",
                             {},
                             0,
                             false,
                             {}});
    const SeasonOpening errorDocument = m_cache.openCredits(4401, 1);
    EXPECT_FALSE(errorDocument.content);
    EXPECT_FALSE(fs::exists(m_cache.seasonFile(4401, 1)));

    writeFileBytes(m_cache.seasonFile(4401, 2), "{\r\n\t\"id\":8802,\r\n");
    const std::size_t asked = server().requestCount();
    EXPECT_TRUE(m_cache.openCredits(4401, 2).content) << "a file cut short is fetched again";
    EXPECT_EQ(server().requestCount(), asked + 1);
}

TEST_F(SeasonCache, CancelEndsTheWaitAndKeepsNothing)
{
    m_fetcher.setProgressCallback([&](std::chrono::milliseconds) {
        return server().requestCount() == 3 ? tmdb::WaitChoice::Cancel
                                            : tmdb::WaitChoice::KeepWaiting;
    });
    server().setDelay(std::chrono::seconds(60));
    const SeasonOpening opening = m_cache.open(4401, 1, showPoster());
    EXPECT_TRUE(opening.wasCancelled());
    EXPECT_FALSE(opening.content);
    EXPECT_EQ(server().requestCount(), 3u) << "no second round after a cancel";
    EXPECT_EQ(filesUnder(m_folder / "DB"), 0u);
}

// A season nobody translated shows the English overview of its translations, which come with
// the season: the opening stays one round trip, and the next asks nothing.
TEST_F(SeasonCache, FillsAnUntranslatedOverviewFromItsTranslations)
{
    m_endpoint.setLanguage("it-IT");
    const SeasonOpening first = m_cache.open(4401, 2, "");
    ASSERT_TRUE(first.content);
    EXPECT_EQ(first.content->season.overview, "The second season, in English.");
    EXPECT_TRUE(first.content->overviewInEnglish);
    // The show's poster, once the show has named it, is the cover of a season without one.
    EXPECT_EQ(
        pathsOf(server().requests()),
        (std::vector<std::string>{"/3/tv/4401", "/3/tv/4401/season/2", "/t/p/original/nd.jpg"}));
    for (const RecordedRequest& request : server().requests()) {
        if (request.path == "/3/tv/4401/season/2") {
            EXPECT_EQ(request.param("append_to_response"), "credits,translations");
        }
    }
    EXPECT_FALSE(fs::exists(m_cache.englishSeasonFile(4401, 2)));

    const std::size_t asked = server().requestCount();
    EXPECT_TRUE(m_cache.open(4401, 2, "").content->overviewInEnglish);
    EXPECT_EQ(server().requestCount(), asked);
    EXPECT_FALSE(m_cache.openCredits(4401, 2).content->overviewInEnglish);
}

// A season an older version cached without its translations asks for its English season in
// the same round as the rest: the show and the English season are answered only once both
// have arrived.
TEST_F(SeasonCache, AsksTheEnglishSeasonOfAnOlderCacheInTheSameRound)
{
    m_endpoint.setLanguage("it-IT");
    writeFileBytes(m_cache.seasonFile(4401, 2),
                   readFileBytes(fixturePath("tmdb/tv/4401_season_2.it-IT.json")));
    server().holdAnswersUntil(2);
    const SeasonOpening opening = m_cache.open(4401, 2, "");
    ASSERT_TRUE(opening.content);
    EXPECT_EQ(opening.content->season.overview, "The second season, in English.");
    EXPECT_EQ(
        pathsOf(server().requests()),
        (std::vector<std::string>{"/3/tv/4401", "/3/tv/4401/season/2", "/t/p/original/nd.jpg"}));
    for (const RecordedRequest& request : server().requests()) {
        if (request.path == "/3/tv/4401/season/2") {
            EXPECT_EQ(request.param("language"), "en-US");
        }
    }
    EXPECT_TRUE(fs::exists(m_cache.englishSeasonFile(4401, 2)));
}

// Cancelling the wait for the English season ends the opening, so the window keeps the season
// it showed.
TEST_F(SeasonCache, CancellingTheEnglishSeasonCancelsTheOpening)
{
    m_endpoint.setLanguage("it-IT");
    ASSERT_TRUE(m_cache.openCredits(4401, 2).content); // the show is cached
    writeFileBytes(m_cache.seasonFile(4401, 2),
                   readFileBytes(fixturePath("tmdb/tv/4401_season_2.it-IT.json")));
    m_fetcher.setProgressCallback(
        [](std::chrono::milliseconds) { return tmdb::WaitChoice::Cancel; });
    server().setDelay(std::chrono::seconds(60));
    const SeasonOpening opening = m_cache.open(4401, 2, "");
    EXPECT_TRUE(opening.wasCancelled());
    EXPECT_FALSE(opening.content);
    EXPECT_FALSE(fs::exists(m_cache.englishSeasonFile(4401, 2)));
}

TEST_F(SeasonCache, ShownSeasonRedrawsAnotherRangeWithoutARequest)
{
    tmdb::ShownSeason shown;
    ASSERT_TRUE(shown.take(m_cache.open(4401, 1, showPoster()), tmdb::EpisodeRange{5, 6}));
    EXPECT_EQ(shown.range, (tmdb::EpisodeRange{1, 3}));
    const std::size_t asked = server().requestCount();
    ASSERT_TRUE(shown.showRange({2, 2}));
    EXPECT_EQ(shown.credits.cast.size(), 5u);
    EXPECT_FALSE(shown.showRange({4, 4}));
    EXPECT_EQ(shown.range, (tmdb::EpisodeRange{2, 2}));
    EXPECT_EQ(server().requestCount(), asked);

    server().queueErrorFor("/3/tv/4401/season/2", 500);
    EXPECT_FALSE(shown.take(m_cache.open(4401, 2, showPoster())));
    EXPECT_EQ(shown.content.season.number, 1) << "a failed opening leaves the season shown";
}

} // namespace
} // namespace ravello::testing
