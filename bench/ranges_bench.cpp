#include "equity/cards.h"
#include "equity/exact_equity.h"
#include "equity/range_on_board.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"

#include <array>
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

struct Flop {
    const char* Hero;
    const char* Board;
};

// Flops of every texture, the hero ahead, behind and drawing; the villain on the top quarter of hands.
constexpr std::array<Flop, 8> kFlops{{
    {"Ah Kd", "Qs 7c 2h"},
    {"9h 8h", "Th 7c 2h"},
    {"5s 5d", "Kh Kc 5c"},
    {"Qc Jc", "As Kc Tc"},
    {"7d 6d", "8s 5h 4c"},
    {"Ks 2s", "Js 9s 3d"},
    {"As Ad", "Jh Td 9h"},
    {"Tc 3h", "6s 6d 6h"},
}};

template <typename Measure> void perFlop(benchmark::State& state, Measure measure) {
    const HoldingWeights villain = topPercent(25.0);
    std::size_t at = 0;
    for (auto _ : state) {
        const Flop& flop = kFlops[at++ % kFlops.size()];
        benchmark::DoNotOptimize(measure(*tavolin::equity::readCardList(flop.Hero),
                                         *tavolin::equity::readCardList(flop.Board), villain));
    }
}

// Target: at most 0.3 ms.
void flopEquityAgainstTopQuarter(benchmark::State& state) {
    perFlop(state, tavolin::equity::exactEquity);
}
BENCHMARK(flopEquityAgainstTopQuarter)->Unit(benchmark::kMicrosecond);

// Target: at most 0.2 ms.
void flopRangeOnBoardOfTopQuarter(benchmark::State& state) {
    perFlop(state, tavolin::equity::rangeOnBoard);
}
BENCHMARK(flopRangeOnBoardOfTopQuarter)->Unit(benchmark::kMicrosecond);

} // namespace
