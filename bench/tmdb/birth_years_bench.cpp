// SPDX-License-Identifier: MIT
// The birth years of a 187-person crew, none of them cached, from the fake TMDb answering each
// request after 50 ms. The arguments are the requests at once and the requests started a
// second: the program's 8 and 40, then 8 without a per-second ceiling, then one at a time
// (about 9 s). The goal is under 3 s; at 40 a second, though, 187 requests cannot all start
// within 4 s, so the ceiling and not the waiting bounds the program's figure.
#include <benchmark/benchmark.h>
#include <string>

#include "core/tmdb/person_cache.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

constexpr std::int32_t kFirstPerson = 5000;
constexpr std::int32_t kCrewSize = 187;

// A fixtures folder with one person answer for each member of the crew.
const testing::TemporaryFolder& peopleFixtures()
{
    static const testing::TemporaryFolder folder;
    static const bool written = [] {
        for (std::int32_t person = kFirstPerson; person < kFirstPerson + kCrewSize; ++person)
            testing::writeFileBytes(folder / "person" / (std::to_string(person) + ".json"),
                                    R"({"birthday":"1950-01-01","id":)" + std::to_string(person) +
                                        R"(,"name":"Crew Member"})");
        return true;
    }();
    (void)written;
    return folder;
}

void BM_CrewBirthYears(benchmark::State& state)
{
    testing::FakeTmdbServer server(peopleFixtures().path());
    server.setDelay(std::chrono::milliseconds(50));
    const Endpoint endpoint(server.url(), server.url(), "0123456789abcdef", "en-US");
    BatchFetcher fetcher({}, std::make_shared<RequestLimiter>(
                                 RequestLimits{static_cast<std::size_t>(state.range(0)),
                                               static_cast<std::size_t>(state.range(1))}));
    std::vector<std::int32_t> crew;
    for (std::int32_t person = kFirstPerson; person < kFirstPerson + kCrewSize; ++person)
        crew.push_back(person);
    for (auto _ : state) {
        state.PauseTiming();
        auto cacheFolder = std::make_unique<testing::TemporaryFolder>();
        PersonCache cache(files::ProgramFolders::at(cacheFolder->path()), endpoint, fetcher);
        state.ResumeTiming();
        const BirthYears found = cache.birthYears(crew);
        if (found.failed != 0 || found.yearsOf(crew).back() != 1950) {
            state.SkipWithError("a birth year did not arrive");
            break;
        }
        state.PauseTiming();
        cacheFolder.reset();
        state.ResumeTiming();
    }
    state.counters["requests"] = static_cast<double>(server.requestCount());
}
BENCHMARK(BM_CrewBirthYears)
    ->Args({8, 40})
    ->Args({8, 1000})
    ->Args({1, 40})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
} // namespace ravello::tmdb
