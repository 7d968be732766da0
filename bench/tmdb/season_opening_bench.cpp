// SPDX-License-Identifier: MIT
// Opening a TV season against the fake TMDb answering every request after 150 ms, on one
// fetcher as the window does, each compared with one search of the same run
// (opening_per_search). The documents' opening asks for the show and the season side by side:
// at most 1.4 searches. So does the window's opening of a season of a show already opened,
// its season's poster going out with them. The first opening of a show whose season has a
// poster of its own learns that poster's address only from the answers: the poster then costs
// a second round trip (about 2 searches).
#include <benchmark/benchmark.h>
#include <chrono>

#include "core/tmdb/result_ranking.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/show_search.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr std::chrono::milliseconds kRoundTrip{150};

enum class Opening
{
    ForDocuments,      // openCredits: the show and the season
    KnownShow,         // open, the show cached: the season and its poster
    FirstOpeningOfShow // open from the search's line, nothing cached
};

SeasonOpening openSeason(Opening kind, SeasonCache& cache, const std::string& line)
{
    switch (kind) {
    case Opening::ForDocuments:
        return cache.openCredits(4401, 1);
    case Opening::KnownShow:
    case Opening::FirstOpeningOfShow:
        return cache.open(line, 1);
    }
    return {};
}

// Each iteration searches, then opens season 1 of the best show into an empty cache; the time
// is the opening's.
void BM_OpenUncachedSeasonAgainstSlowServer(benchmark::State& state)
{
    const auto kind = static_cast<Opening>(state.range(0));
    testing::FakeTmdbServer server;
    server.setDelay(kRoundTrip);
    const Endpoint endpoint(server.url(), server.url(), "0123456789abcdef", "en-US");
    Fetcher fetcher;
    Seconds searching{0};
    Seconds opening{0};
    for (auto _ : state) {
        testing::TemporaryFolder folder;
        SeasonCache cache(files::ProgramFolders::at(folder.path()), endpoint, fetcher);
        if (kind == Opening::KnownShow)
            cache.openCredits(4401, 2);
        const auto searchStart = Clock::now();
        const SearchOutcome search = searchShows(endpoint, fetcher, "Night Desk");
        const auto openingStart = Clock::now();
        const auto ranked = rankFoundFilms(search.films, {"Night Desk", "", 2009});
        const SeasonOpening season = openSeason(kind, cache, ranked.empty() ? "" : ranked[0].line);
        const Seconds thisOpening = Clock::now() - openingStart;
        if (!season.failures.empty() || !season.content ||
            (kind != Opening::ForDocuments && !season.coverFile)) {
            state.SkipWithError("the season did not open");
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
BENCHMARK(BM_OpenUncachedSeasonAgainstSlowServer)
    ->ArgName("kind")
    ->Arg(static_cast<int>(Opening::ForDocuments))
    ->Arg(static_cast<int>(Opening::KnownShow))
    ->Arg(static_cast<int>(Opening::FirstOpeningOfShow))
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ravello::tmdb
