// SPDX-License-Identifier: MIT
// Speed of the text normaliser on one long text (20 MB): plain English, and text where every
// word carries a character the rules replace. The normaliser makes one forward pass, so both
// should run at hundreds of MB/s, not the 1 MB/s of erasing each replaced byte in place.
#include <benchmark/benchmark.h>
#include <string>

#include "core/text/text_normaliser.h"

namespace {

constexpr std::size_t kTextBytes = 20u << 20;

std::string repeated(const std::string& piece)
{
    std::string text;
    text.reserve(kTextBytes + piece.size());
    while (text.size() < kTextBytes)
        text += piece;
    return text;
}

void normaliseLongText(benchmark::State& state, const std::string& piece)
{
    const std::string source = repeated(piece);
    for (auto _ : state) {
        state.PauseTiming();
        std::string text = source;
        state.ResumeTiming();
        ravello::text::normaliseText(text);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void BM_NormalisePlainText(benchmark::State& state)
{
    normaliseLongText(state, "A retired thief takes one last job in a city of rain. ");
}
BENCHMARK(BM_NormalisePlainText)->Unit(benchmark::kMillisecond);

void BM_NormaliseDenseText(benchmark::State& state)
{
    normaliseLongText(state, "Caf\xC3\xA9 \xE2\x80\x9C"
                             "d\xC5\xA1\xE2\x80\x9D &amp; \\\"e\xCC\x80\\\" \xD0\x90z ");
}
BENCHMARK(BM_NormaliseDenseText)->Unit(benchmark::kMillisecond);

} // namespace
