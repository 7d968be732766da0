// SPDX-License-Identifier: MIT
// A search against the fake TMDb on 127.0.0.1. The program's own share is the search less
// the bare transfer of the same answer: the goal is under 5 ms. Ranking a full page of twenty
// films for a picked title must add well under a millisecond to that.
#include <benchmark/benchmark.h>

#include "core/tmdb/film_search.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/result_ranking.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

testing::FakeTmdbServer& server()
{
    static testing::FakeTmdbServer fake;
    return fake;
}

Endpoint localEndpoint()
{
    return Endpoint(server().url(), server().url(), "0123456789abcdef", "en-US");
}

void BM_SearchLocal(benchmark::State& state)
{
    const Endpoint endpoint = localEndpoint();
    Fetcher fetcher;
    for (auto _ : state) {
        SearchOutcome outcome = searchFilms(endpoint, fetcher, "Sample Film");
        if (outcome.films.size() != 4) {
            state.SkipWithError("the search found the wrong films");
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SearchLocal)->Unit(benchmark::kMicrosecond);

// The same request and answer, without making result lines.
void BM_TransferOnlyLocal(benchmark::State& state)
{
    const Request request = localEndpoint().searchRequest("Sample Film");
    Fetcher fetcher;
    for (auto _ : state)
        benchmark::DoNotOptimize(fetcher.fetchJson(request));
}
BENCHMARK(BM_TransferOnlyLocal)->Unit(benchmark::kMicrosecond);

void BM_ResultLinesOnly(benchmark::State& state)
{
    const Endpoint endpoint = localEndpoint();
    const std::string answer =
        testing::readFileBytes(testing::fixturePath("tmdb/search/sample_film.json"));
    for (auto _ : state)
        benchmark::DoNotOptimize(resultLinesOf(answer, endpoint));
}
BENCHMARK(BM_ResultLinesOnly)->Unit(benchmark::kMicrosecond);

// TMDb's twenty films for "House", ranked for the 1977 film.
void BM_RankTwentyResults(benchmark::State& state)
{
    const std::vector<FoundFilm> films = foundFilmsOf(
        testing::readFileBytes(testing::fixturePath("tmdb/search/house.json")), localEndpoint());
    const WantedFilm wanted{"House", "Hausu", 1977};
    for (auto _ : state)
        benchmark::DoNotOptimize(rankFoundFilms(films, wanted));
}
BENCHMARK(BM_RankTwentyResults)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ravello::tmdb
