// SPDX-License-Identifier: MIT
// Opening a cached film with 100 cast and 300 crew entries, from the result line to the rows
// of the four lists and the data page: the goal is under 10 ms.
#include <benchmark/benchmark.h>

#include "core/tmdb/film_cache.h"
#include "core/tmdb/token_lines.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

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

} // namespace
} // namespace ravello::tmdb
