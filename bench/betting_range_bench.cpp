#include "equity/betting_range.h"
#include "equity/equity_by_part.h"
#include "equity/exact_equity.h"
#include "ranges/starting_hands.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

namespace equity = tavolin::equity;

// Flops of every texture against the top quarter of starting hands, the villain betting half the pot.
constexpr std::array<const char*, 6> kFlops{"AhKd Qs7c2h", "JhTh 9h8c2h", "AsQs Ks7s3s",
                                            "7d6d 7c7h2s", "KcQc JdTs3h", "2c2d Td6h5c"};

template <class Measure> void overFlops(benchmark::State& state, Measure measure) {
    const equity::HoldingWeights range = tavolin::ranges::topPercent(25.0);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string_view spot = kFlops[next];
        const auto hero = tavolin::readCardList(spot.substr(0, 4)).value();
        const auto board = tavolin::readCardList(spot.substr(5)).value();
        benchmark::DoNotOptimize(measure(hero, board, range));
        next = (next + 1) % kFlops.size();
    }
}

// The baseline: the flop equity against the whole range.
void flopEquityVsRange(benchmark::State& state) {
    overFlops(state, [](auto hero, auto board, const auto& range) {
        return equity::exactEquity(hero, board, range);
    });
}
BENCHMARK(flopEquityVsRange)->Unit(benchmark::kMicrosecond);

void flopBettingRange(benchmark::State& state) {
    overFlops(state, [](auto hero, auto board, const auto& range) {
        return equity::bettingRange(hero, board, range, 100, 50).Holdings;
    });
}
BENCHMARK(flopBettingRange)->Unit(benchmark::kMicrosecond);

// What the equity against the betting range costs in all, to set beside the baseline.
void flopEquityVsBettingRange(benchmark::State& state) {
    overFlops(state, [](auto hero, auto board, const auto& range) {
        return equity::exactEquity(hero, board, equity::bettingRange(hero, board, range, 100, 50).Weights);
    });
}
BENCHMARK(flopEquityVsBettingRange)->Unit(benchmark::kMicrosecond);

// The hero's equity against each holding, row and cell of the range.
void flopEquityByPart(benchmark::State& state) {
    overFlops(state, [](auto hero, auto board, const auto& range) {
        return equity::equityByPart(hero, board, range).Equity;
    });
}
BENCHMARK(flopEquityByPart)->Unit(benchmark::kMicrosecond);

// All the window works out against the range on a flop with a bet: the betting range, the equity against it
// and the equity against each part; to set beside flopEquityVsRange.
void flopBettingRangeAndParts(benchmark::State& state) {
    overFlops(state, [](auto hero, auto board, const auto& range) {
        const auto betting = equity::bettingRange(hero, board, range, 100, 50);
        return equity::exactEquity(hero, board, betting.Weights).Equity +
               equity::equityByPart(hero, board, range).Equity;
    });
}
BENCHMARK(flopBettingRangeAndParts)->Unit(benchmark::kMicrosecond);

} // namespace
