// SPDX-License-Identifier: MIT
#include <algorithm>

#include "core/tmdb/prefetcher.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using tmdb::PrefetchStatus;

std::vector<std::string> targetsOf(const std::vector<RecordedRequest>& requests)
{
    std::vector<std::string> targets;
    for (const RecordedRequest& request : requests)
        targets.push_back(request.path + (request.params.contains("query")
                                              ? " " + request.param("query")
                                              : std::string()));
    std::sort(targets.begin(), targets.end());
    return targets;
}

tmdb::PrefetchProfile withId(tmdb::PrefetchProfile profile, std::string profileId)
{
    profile.profileId = std::move(profileId);
    return profile;
}

class Prefetcher : public NetworkTest
{
protected:
    std::vector<tmdb::PrefetchProfile> profiles() const
    {
        std::vector<tmdb::PrefetchProfile> all;
        for (int number = 1; number <= 12; ++number)
            all.push_back(tmdb::profileToPrepare(number, "Sample Film", "", 2004));
        return all;
    }

    // A certain film, a title with several films and no year, a title TMDb does not know, and
    // the first season of a show that only one result is called.
    std::vector<tmdb::PrefetchProfile> collection() const
    {
        return {withId(tmdb::profileToPrepare(1, "Sample Film", "", 2004), "P1"),
                withId(tmdb::profileToPrepare(2, "House", "", 0), "P2"),
                withId(tmdb::profileToPrepare(3, "Nothing Like It", "", 1990), "P3"),
                withId(tmdb::seasonToPrepare(4, "The Night Desk", 1), "P4")};
    }

    // One run over the profiles with the matches kept in the data folder, as the tool runs it.
    std::vector<PrefetchStatus> prepare(const std::vector<tmdb::PrefetchProfile>& profiles)
    {
        auto matches = tmdb::ProfileMatches::load(m_data.profileMatchesFile());
        tmdb::Prefetcher prefetcher(m_endpoint, m_batch, m_films,
                                    tmdb::seriesPreparation(m_endpoint, m_seasons), &matches);
        std::vector<PrefetchStatus> statuses;
        EXPECT_TRUE(prefetcher.prepare(profiles, [&](const tmdb::PrefetchOutcome& outcome) {
            statuses.push_back(outcome.status);
        }));
        EXPECT_TRUE(matches.save());
        return statuses;
    }

    TemporaryFolder m_folder;
    files::ProgramFolders m_data = files::ProgramFolders::at(m_folder.path());
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::BatchFetcher m_batch{quickOptions()};
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::FilmCache m_films{m_data, m_endpoint, m_fetcher};
    tmdb::SeasonCache m_seasons{m_data, m_endpoint, m_fetcher};
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
    std::vector<PrefetchStatus> statuses;
    ASSERT_TRUE(prefetcher.prepare(profiles(), [&](const tmdb::PrefetchOutcome& outcome) {
        statuses.push_back(outcome.status);
        EXPECT_EQ(outcome.tmdbId, 4321);
    }));
    // The first round's eight open the film side by side; the last four find it cached.
    ASSERT_EQ(statuses.size(), 12u);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), PrefetchStatus::Cached), 4);
    EXPECT_TRUE(fs::exists(m_films.creditsFile(4321)));
    EXPECT_TRUE(fs::exists(m_films.coverFile(4321)));
}

// The first run prepares the season whole, its own poster too, which only the season's answer
// names; the second asks nothing but the searches of the profiles it could not match.
TEST_F(Prefetcher, ASecondRunSearchesOnlyTheProfilesItCouldNotMatch)
{
    EXPECT_EQ(prepare(collection()), (std::vector{PrefetchStatus::Opened, PrefetchStatus::Uncertain,
                                                  PrefetchStatus::None, PrefetchStatus::Opened}));
    EXPECT_TRUE(fs::exists(m_seasons.seasonCoverFile(4401, 1)));
    EXPECT_TRUE(fs::exists(m_seasons.showCoverFile(4401)));

    server().reset();
    EXPECT_EQ(prepare(collection()), (std::vector{PrefetchStatus::Cached, PrefetchStatus::Uncertain,
                                                  PrefetchStatus::None, PrefetchStatus::Cached}));
    EXPECT_EQ(
        targetsOf(server().requests()),
        (std::vector<std::string>{"/3/search/movie House", "/3/search/movie Nothing Like It"}));
}

// A kept match holds only while the profile keeps the titles and year it was matched with; a
// search that is no longer certain forgets it.
TEST_F(Prefetcher, AChangedProfileIsSearchedAgain)
{
    prepare(collection());
    auto changed = collection();
    changed[0].wanted.year = 2010;
    changed[3].season = 2;
    server().reset();
    EXPECT_EQ(prepare(changed), (std::vector{PrefetchStatus::Uncertain, PrefetchStatus::Uncertain,
                                             PrefetchStatus::None, PrefetchStatus::Opened}));
    EXPECT_EQ(targetsOf(server().requests()),
              (std::vector<std::string>{"/3/search/movie House", "/3/search/movie Nothing Like It",
                                        "/3/search/movie Sample Film",
                                        "/3/search/tv The Night Desk", "/3/tv/4401/season/2"}));

    server().reset();
    EXPECT_EQ(prepare(collection())[0], PrefetchStatus::Cached);
    EXPECT_EQ(
        targetsOf(server().requests()),
        (std::vector<std::string>{"/3/search/movie House", "/3/search/movie Nothing Like It",
                                  "/3/search/movie Sample Film", "/3/search/tv The Night Desk"}))
        << "the film's match was forgotten, the season's replaced by the second season's";
}

} // namespace
} // namespace ravello::testing
