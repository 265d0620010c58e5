#include "equity/exact_equity.h"
#include "equity/next_card.h"
#include "equity/range_on_board.h"
#include "ranges/starting_hands.h"
#include "tests/equity/reference_evaluator.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

namespace equity = tavolin::equity;
using equity::CardMask;

struct Spot {
    const char* Hero;
    const char* Board; // flop, turn and river
};

// Twelve flops of every texture: rainbow, two-tone, monotone, paired, connected; hero ahead and behind.
constexpr std::array<Spot, 12> kSpots{{
    {"AhKd", "Qs7c2h 9d 4s"},
    {"8c8d", "Ks9h4d 2c Jh"},
    {"JhTh", "9h8c2h Qd 3s"},
    {"AsQs", "Ks7s3s 2d Th"},
    {"7d6d", "7c7h2s As 5d"},
    {"KcQc", "JdTs3h 9c 2c"},
    {"5h4h", "AhKh9c 3d 2s"},
    {"QdJd", "Qh8s8c Jc 6h"},
    {"2c2d", "Td6h5c 2s Ah"},
    {"AdAc", "KdQdJd Ts 4c"},
    {"9s8s", "Ts7d2s 6h Kc"},
    {"KhJs", "4c4d4h Js 2s"},
}};

CardMask heroOf(const Spot& spot) {
    return tavolin::readCardList(spot.Hero).value();
}

CardMask boardOf(const Spot& spot, int cards) {
    const std::string_view text(spot.Board);
    return tavolin::readCardList(text.substr(0, cards == 3 ? 6 : cards == 4 ? 9 : 12)).value();
}

// The villain on the top quarter of starting hands, the "2-Semiloose" profile's range.
equity::HoldingWeights quarterRange() {
    return tavolin::ranges::topPercent(25.0);
}

// Each iteration takes the next spot of the mix, so the time per iteration is the mix's mean.
template <class Measure> void runOverSpots(benchmark::State& state, int boardCards, Measure measure) {
    std::size_t next = 0;
    for (auto _ : state) {
        const Spot& spot = kSpots[next];
        benchmark::DoNotOptimize(measure(heroOf(spot), boardOf(spot, boardCards)));
        next = (next + 1) % kSpots.size();
    }
}

void exactVsRandom(benchmark::State& state) {
    const equity::HoldingWeights random = equity::anyTwoCards();
    runOverSpots(state, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::exactEquity(hero, board, random); });
}
BENCHMARK(exactVsRandom)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void plainVsRandom(benchmark::State& state) {
    const equity::HoldingWeights random = equity::anyTwoCards();
    runOverSpots(state, static_cast<int>(state.range(0)), [&](CardMask hero, CardMask board) {
        return equity::reference::plainEquity(hero, board, random);
    });
}
// One pass over the mix: the plain flop takes about a second per spot.
BENCHMARK(plainVsRandom)->Arg(3)->Iterations(12)->Unit(benchmark::kMillisecond);
BENCHMARK(plainVsRandom)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

void exactVsQuarterRange(benchmark::State& state) {
    const equity::HoldingWeights range = quarterRange();
    runOverSpots(state, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::exactEquity(hero, board, range); });
}
BENCHMARK(exactVsQuarterRange)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void rangeOnBoardQuarterRange(benchmark::State& state) {
    const equity::HoldingWeights range = quarterRange();
    runOverSpots(state, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::rangeOnBoard(hero, board, range); });
}
BENCHMARK(rangeOnBoardQuarterRange)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void nextCardVsRandom(benchmark::State& state) {
    const equity::HoldingWeights random = equity::anyTwoCards();
    runOverSpots(state, static_cast<int>(state.range(0)), [&](CardMask hero, CardMask board) {
        return equity::nextCardEquities(hero, board, random);
    });
}
BENCHMARK(nextCardVsRandom)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void nextCardVsQuarterRange(benchmark::State& state) {
    const equity::HoldingWeights range = quarterRange();
    runOverSpots(state, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::nextCardEquities(hero, board, range); });
}
BENCHMARK(nextCardVsQuarterRange)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
