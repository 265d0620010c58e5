#include "equity/betting_range.h"
#include "equity/equity_by_part.h"
#include "equity/exact_equity.h"
#include "ranges/starting_hands.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

namespace equity = tavolin::equity;

// Flops of every texture against the top quarter of starting hands, the villain betting half the pot; the
// turn and river benchmarks add cards to the same flops.
constexpr std::array<const char*, 6> kFlops{"AhKd Qs7c2h", "JhTh 9h8c2h", "AsQs Ks7s3s",
                                            "7d6d 7c7h2s", "KcQc JdTs3h", "2c2d Td6h5c"};
constexpr std::array<const char*, 6> kLaterCards{"4h 9d", "Kh 3c", "2s Jd", "Ts 6c", "9c 2d", "Ac Qs"};

template <class Measure> void overStreet(benchmark::State& state, int boardCards, Measure measure) {
    const equity::HoldingWeights range = tavolin::ranges::topPercent(25.0);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string_view spot = kFlops[next];
        const auto hero = tavolin::readCardList(spot.substr(0, 4)).value();
        const std::string_view later =
            std::string_view(kLaterCards[next]).substr(0, boardCards == 3 ? 0 : 3 * boardCards - 10);
        const auto board = tavolin::readCardList(spot.substr(5)).value() |
                           tavolin::readCardList(later).value_or(tavolin::CardMask{0});
        benchmark::DoNotOptimize(measure(hero, board, range));
        next = (next + 1) % kFlops.size();
    }
}

template <class Measure> void overFlops(benchmark::State& state, Measure measure) {
    overStreet(state, 3, measure);
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

// All the window works out against the range with a bet: the betting range, the equity against it and the
// equity against each part, the two equities from one pass over the holdings; beside the equity against the
// whole range on the same street.
auto bettingRangeAndParts(tavolin::CardMask hero, tavolin::CardMask board,
                          const equity::HoldingWeights& range) {
    const equity::EquityByPart parts = equity::equityByPart(hero, board, range);
    const auto betting = equity::bettingRange(hero, board, range, 100, 50);
    return equity::equityAgainst(parts.Shares, betting.Weights).value().Equity + parts.Equity;
}

void flopBettingRangeAndParts(benchmark::State& state) {
    overFlops(state, bettingRangeAndParts);
}
BENCHMARK(flopBettingRangeAndParts)->Unit(benchmark::kMicrosecond);

void turnEquityVsRange(benchmark::State& state) {
    overStreet(state, 4, [](auto hero, auto board, const auto& range) {
        return equity::exactEquity(hero, board, range);
    });
}
BENCHMARK(turnEquityVsRange)->Unit(benchmark::kMicrosecond);

void turnBettingRangeAndParts(benchmark::State& state) {
    overStreet(state, 4, bettingRangeAndParts);
}
BENCHMARK(turnBettingRangeAndParts)->Unit(benchmark::kMicrosecond);

void riverEquityVsRange(benchmark::State& state) {
    overStreet(state, 5, [](auto hero, auto board, const auto& range) {
        return equity::exactEquity(hero, board, range);
    });
}
BENCHMARK(riverEquityVsRange)->Unit(benchmark::kMicrosecond);

void riverBettingRangeAndParts(benchmark::State& state) {
    overStreet(state, 5, bettingRangeAndParts);
}
BENCHMARK(riverBettingRangeAndParts)->Unit(benchmark::kMicrosecond);

} // namespace
