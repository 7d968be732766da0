// SPDX-License-Identifier: MIT
// Refilling the title combo from a 20,000-record index as the user types: under 2 ms a
// keystroke. The worst case is a filter that matches nothing, which reads every record.
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "core/collection/index_record.h"
#include "core/collection/title_index.h"
#include "core/collection/title_list.h"

namespace ravello::collection {
namespace {

constexpr const char* kWords[] = {"Alien", "Night", "Return", "City",   "L'\xE9t\xE9",
                                  "Dark",  "River", "Love",   "Winter", "Stars",
                                  "Home",  "Last",  "Summer", "Fire",   "Paradiso"};

const TitleIndex& twentyThousandTitles()
{
    static const TitleIndex index = [] {
        std::vector<std::string> records;
        unsigned state = 7;
        const auto word = [&] {
            state = state * 1103515245u + 12345u;
            return std::string(kWords[(state >> 16) % std::size(kWords)]);
        };
        for (int n = 1; n <= 20000; ++n) {
            IndexRecord values;
            values.collectionNumber = n;
            values.occurrence = 1;
            values.profileId = std::to_string(5000000000000LL + n) + ".4";
            values.title = word();
            for (int extra = n % 3 == 0 ? 2 : 1; extra > 0; --extra)
                values.title.append(" ").append(word());
            if (n % 4 == 0)
                values.originalTitle.append(word()).append(" ").append(word());
            values.overview = std::string(400, 'o');
            records.push_back(formatIndexRecord(values));
        }
        TitleIndex built;
        built.assign(std::move(records));
        return built;
    }();
    return index;
}

void BM_FillTitleList(benchmark::State& state, const char* filter)
{
    const TitleIndex& index = twentyThousandTitles();
    for (auto _ : state)
        benchmark::DoNotOptimize(fillTitleList(index, filter));
}

BENCHMARK_CAPTURE(BM_FillTitleList, empty, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, one_letter, "e")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, word, "paradiso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, two_words, "fire paradiso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, number, "12345")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, no_match, "alien resurrection")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, no_match_space, " q")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillTitleList, common_bytes_no_match, "e e e e")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ravello::collection
