// SPDX-License-Identifier: MIT
// Opening a film. Cached, with 100 cast and 300 crew entries, from the result line to the rows
// of the four lists and the data page: the goal is under 10 ms. Uncached, against the fake TMDb
// answering every request after 150 ms: the cover, details and credits go out side by side,
// so the opening should take at most 1.4 times one search in the same run (three requests one
// after the other take three times). Against a server that never answers: one time-out.
#include <benchmark/benchmark.h>
#include <chrono>

#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/token_lines.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;
using testing::fixturePath;
using testing::readFileBytes;
using testing::writeFileBytes;

void cacheAnswer(const std::filesystem::path& file, const char* fixture)
{
    writeFileBytes(file, tokenFileBytes(splitTokens(readFileBytes(fixturePath(fixture)))));
}

void BM_OpenCachedFilm(benchmark::State& state)
{
    testing::TemporaryFolder folder;
    // Nothing listens there: a request would show up as a failure.
    const Endpoint endpoint("http://127.0.0.1:9", "http://127.0.0.1:9", "0123456789abcdef",
                            "en-US");
    Fetcher fetcher;
    FilmCache cache(files::ProgramFolders::at(folder.path()), endpoint, fetcher);
    writeFileBytes(cache.coverFile(550), readFileBytes(fixturePath("tmdb/images/big.jpg")));
    cacheAnswer(cache.filmDataFile(550), "tmdb/movie/550.json");
    cacheAnswer(cache.creditsFile(550), "tmdb/movie/550_credits.json");
    const std::string line = "0000550 Big Film (1999) http://127.0.0.1:9/t/p/original/big.jpg";
    for (auto _ : state) {
        FilmOpening opening = cache.open(line);
        if (!opening.failures.empty() || !opening.credits || opening.credits->crew.size() != 300) {
            state.SkipWithError("the cached film did not open");
            break;
        }
        benchmark::DoNotOptimize(opening);
    }
}
BENCHMARK(BM_OpenCachedFilm)->Unit(benchmark::kMillisecond);

// The reading alone, without the file system.
void BM_ReadBigCredits(benchmark::State& state)
{
    const std::string credits = readFileBytes(fixturePath("tmdb/movie/550_credits.json"));
    for (auto _ : state)
        benchmark::DoNotOptimize(readCreditLists(credits));
}
BENCHMARK(BM_ReadBigCredits)->Unit(benchmark::kMillisecond);

constexpr std::chrono::milliseconds kRoundTrip{150};
constexpr std::chrono::seconds kStallTimeOut{2};

Endpoint endpointOf(const testing::FakeTmdbServer& server)
{
    return Endpoint(server.url(), server.url(), "0123456789abcdef", "en-US");
}

// Each iteration searches, then opens the first result into an empty cache, on one fetcher as
// the window does; the time is the opening's, and opening_per_search compares the two.
void BM_OpenUncachedFilmAgainstSlowServer(benchmark::State& state)
{
    testing::FakeTmdbServer server;
    server.setDelay(kRoundTrip);
    const Endpoint endpoint = endpointOf(server);
    Fetcher fetcher;
    Seconds searching{0};
    Seconds opening{0};
    for (auto _ : state) {
        testing::TemporaryFolder folder;
        FilmCache cache(files::ProgramFolders::at(folder.path()), endpoint, fetcher);
        const auto searchStart = Clock::now();
        const SearchOutcome search = searchFilms(endpoint, fetcher, "Sample Film");
        const auto openingStart = Clock::now();
        const FilmOpening film = cache.open(search.films.empty() ? "" : search.films.front().line);
        const Seconds thisOpening = Clock::now() - openingStart;
        if (!film.failures.empty() || !film.coverFile || !film.credits) {
            state.SkipWithError("the film did not open");
            break;
        }
        searching += openingStart - searchStart;
        opening += thisOpening;
        state.SetIterationTime(thisOpening.count());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["search_ms"] = searching.count() * 1000 / iterations;
    state.counters["opening_ms"] = opening.count() * 1000 / iterations;
    state.counters["opening_per_search"] = opening / searching;
}
BENCHMARK(BM_OpenUncachedFilmAgainstSlowServer)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// A server that accepts and never answers: the three requests end together after one low-speed
// time-out; time_outs is the wait over that time-out.
void BM_OpenFilmAgainstStalledServer(benchmark::State& state)
{
    testing::FakeTmdbServer server;
    const Endpoint endpoint = endpointOf(server);
    FetcherOptions options;
    options.lowSpeedTime = kStallTimeOut;
    Fetcher fetcher(options);
    Seconds waited{0};
    for (auto _ : state) {
        server.setDelay(std::chrono::hours(1));
        testing::TemporaryFolder folder;
        FilmCache cache(files::ProgramFolders::at(folder.path()), endpoint, fetcher);
        const auto start = Clock::now();
        const FilmOpening film = cache.open(4321, server.url() + "/t/p/original/abc.jpg");
        const Seconds thisWait = Clock::now() - start;
        server.reset(); // drops the answers still held
        if (film.failures.size() != 3) {
            state.SkipWithError("the stalled opening did not fail three times");
            break;
        }
        waited += thisWait;
        state.SetIterationTime(thisWait.count());
    }
    state.counters["time_outs"] =
        waited.count() / static_cast<double>(state.iterations()) / Seconds(kStallTimeOut).count();
}
BENCHMARK(BM_OpenFilmAgainstStalledServer)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ravello::tmdb
