#include "ranges/range_text.h"
#include "ranges/starting_hands.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavolin::ranges;

// A range as a player types it, with every kind of token.
constexpr const char* kTypedRange = "QQ+, 88-55, A9s+, K9s-K6s, QJs, AJo+, KQo, AhKh, AQo:0.5, T9s:0.75";

void readTypedRange(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(readRange(kTypedRange));
}
BENCHMARK(readTypedRange);

void writeTopQuarterText(benchmark::State& state) {
    const HoldingWeights weights = topPercent(25.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(rangeText(weights));
}
BENCHMARK(writeTopQuarterText);

void takeTopQuarter(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(topPercent(25.0));
}
BENCHMARK(takeTopQuarter);

} // namespace
