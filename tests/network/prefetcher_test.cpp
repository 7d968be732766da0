// SPDX-License-Identifier: MIT
#include "core/tmdb/prefetcher.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;

class Prefetcher : public NetworkTest
{
protected:
    std::vector<tmdb::PrefetchProfile> profiles() const
    {
        std::vector<tmdb::PrefetchProfile> all;
        for (int number = 1; number <= 12; ++number)
            all.push_back({number, "Sample Film", {"Sample Film", "", 2004}});
        return all;
    }

    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::BatchFetcher m_batch{quickOptions()};
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::FilmCache m_films{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};
};

// Stopped while its first answers are on their way, a run reports nothing more and leaves no
// file behind but whole ones: the next run simply goes on.
TEST_F(Prefetcher, StoppedMidwayLeavesOnlyWholeFiles)
{
    server().setDelay(std::chrono::milliseconds(300));
    tmdb::Prefetcher prefetcher(m_endpoint, m_batch, m_films);
    const auto start = std::chrono::steady_clock::now();
    std::vector<int> reported;
    const bool complete = prefetcher.prepare(
        profiles(),
        [&](const tmdb::PrefetchOutcome& outcome) { reported.push_back(outcome.number); },
        [&] { return std::chrono::steady_clock::now() - start < std::chrono::milliseconds(100); });
    EXPECT_FALSE(complete);
    EXPECT_TRUE(reported.empty());
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(m_folder.path(), error))
        EXPECT_FALSE(entry.is_regular_file()) << entry.path();

    server().setDelay(std::chrono::milliseconds(0));
    std::vector<tmdb::PrefetchStatus> statuses;
    ASSERT_TRUE(prefetcher.prepare(profiles(), [&](const tmdb::PrefetchOutcome& outcome) {
        statuses.push_back(outcome.status);
        EXPECT_EQ(outcome.tmdbId, 4321);
    }));
    // The first round's eight open the film side by side; the last four find it cached.
    ASSERT_EQ(statuses.size(), 12u);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), tmdb::PrefetchStatus::Cached), 4);
    EXPECT_TRUE(fs::exists(m_films.creditsFile(4321)));
    EXPECT_TRUE(fs::exists(m_films.coverFile(4321)));
}

} // namespace
} // namespace ravello::testing
