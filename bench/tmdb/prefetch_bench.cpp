// SPDX-License-Identifier: MIT
// ravello-cli prefetch's work: 200 profiles, each a certain match whose details and credits are
// not cached, against the fake TMDb answering each request after 50 ms. That is 600 requests:
// at the limiter's 40 a second the first run takes about 15 s, bound by that ceiling and not by
// the waiting; the counter says the requests a second reached. The second run of the same
// profiles finds their matches kept and their files cached: it asks nothing, and its time is
// that of reading the kept matches and looking at the cache (the goal: well under a second).
#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>

#include "core/tmdb/prefetcher.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

constexpr int kProfiles = 200;
constexpr int kFirstFilm = 7000;

std::string filmFields(int film)
{
    return R"("id":)" + std::to_string(film) + R"(,"title":"Film )" + std::to_string(film) +
           R"(","original_title":"Film )" + std::to_string(film) +
           R"(","release_date":"2000-01-01","poster_path":null)";
}

// A search answer, details and credits for each film.
const testing::TemporaryFolder& filmFixtures()
{
    static const testing::TemporaryFolder folder;
    static const bool written = [] {
        for (int film = kFirstFilm; film < kFirstFilm + kProfiles; ++film) {
            const std::string id = std::to_string(film);
            testing::writeFileBytes(folder / "search" / ("film_" + id + ".json"),
                                    R"({"page":1,"results":[{)" + filmFields(film) + "}]}");
            testing::writeFileBytes(folder / "movie" / (id + ".json"),
                                    "{" + filmFields(film) + R"(,"overview":"A film."})");
            testing::writeFileBytes(folder / "movie" / (id + "_credits.json"),
                                    R"({"id":)" + id + R"(,"cast":[],"crew":[]})");
        }
        return true;
    }();
    (void)written;
    return folder;
}

std::vector<PrefetchProfile> benchProfiles()
{
    std::vector<PrefetchProfile> profiles;
    for (int film = kFirstFilm; film < kFirstFilm + kProfiles; ++film)
        profiles.push_back(profileToPrepare(film, "Film " + std::to_string(film), "", 2000));
    return profiles;
}

// Prepares the profiles with the matches kept in the folder; the statuses it reported.
std::vector<PrefetchStatus> prepareKeepingMatches(const Endpoint& endpoint,
                                                  const files::ProgramFolders& folders,
                                                  const std::vector<PrefetchProfile>& profiles)
{
    BatchFetcher batch;
    Fetcher unused;
    const FilmCache films(folders, endpoint, unused);
    auto matches = ProfileMatches::load(folders.profileMatchesFile());
    Prefetcher prefetcher(endpoint, batch, films, {}, &matches);
    std::vector<PrefetchStatus> statuses;
    prefetcher.prepare(profiles,
                       [&](const PrefetchOutcome& outcome) { statuses.push_back(outcome.status); });
    matches.save();
    return statuses;
}

void BM_PrefetchProfiles(benchmark::State& state)
{
    testing::FakeTmdbServer server(filmFixtures().path());
    server.setDelay(std::chrono::milliseconds(50));
    const Endpoint endpoint(server.url(), server.url(), "0123456789abcdef", "en-US");
    const std::vector<PrefetchProfile> profiles = benchProfiles();
    double seconds = 0;
    for (auto _ : state) {
        testing::TemporaryFolder cacheFolder;
        BatchFetcher batch;
        Fetcher unused;
        const FilmCache films(files::ProgramFolders::at(cacheFolder.path()), endpoint, unused);
        Prefetcher prefetcher(endpoint, batch, films);
        int opened = 0;
        const auto start = std::chrono::steady_clock::now();
        prefetcher.prepare(profiles, [&](const PrefetchOutcome& outcome) {
            opened += outcome.status == PrefetchStatus::Opened ? 1 : 0;
        });
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (opened != kProfiles)
            state.SkipWithError("a profile was not opened");
    }
    state.counters["requests"] = static_cast<double>(server.requestCount());
    state.counters["requests_per_second"] = static_cast<double>(server.requestCount()) / seconds;
}
BENCHMARK(BM_PrefetchProfiles)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_PrefetchPreparedAgain(benchmark::State& state)
{
    testing::FakeTmdbServer server(filmFixtures().path());
    const Endpoint endpoint(server.url(), server.url(), "0123456789abcdef", "en-US");
    const std::vector<PrefetchProfile> profiles = benchProfiles();
    const testing::TemporaryFolder cacheFolder;
    const auto folders = files::ProgramFolders::at(cacheFolder.path());
    prepareKeepingMatches(endpoint, folders, profiles);
    server.reset();
    for (auto _ : state) {
        const std::vector<PrefetchStatus> statuses =
            prepareKeepingMatches(endpoint, folders, profiles);
        if (std::count(statuses.begin(), statuses.end(), PrefetchStatus::Cached) != kProfiles) {
            state.SkipWithError("a profile was not cached");
            break;
        }
    }
    state.counters["requests"] = static_cast<double>(server.requestCount());
}
BENCHMARK(BM_PrefetchPreparedAgain)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ravello::tmdb
