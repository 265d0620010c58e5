#include "equity/exact_equity.h"
#include "equity/multiway_equity.h"
#include "equity/next_card.h"
#include "equity/range_equity.h"
#include "equity/range_on_board.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"
#include "tests/equity/reference_evaluator.h"

#include <array>
#include <benchmark/benchmark.h>
#include <span>
#include <string>
#include <vector>

namespace {

namespace equity = tavolin::equity;
using equity::CardMask;

struct Spot {
    const char* Hero;
    const char* Board; // flop, turn and river
};

// Twelve flops of every texture: rainbow, two-tone, monotone, paired, connected; hero ahead and behind.
// No turn or river card is one of the hero's.
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
    {"KhJs", "4c4d4h 9s 2s"},
}};

// Flops with a pair, and flops of one suit, each with hands ahead, behind and drawing.
constexpr std::array<Spot, 4> kPairedSpots{{
    {"AhKd", "Ks8c8d"},
    {"JhTh", "9h9c2s"},
    {"5s5c", "QdQs7h"},
    {"AcQd", "3s3h3d"},
}};
constexpr std::array<Spot, 4> kMonotoneSpots{{
    {"AsQd", "Ks7s3s"},
    {"JhTc", "9h8h2h"},
    {"QcQd", "Tc6c4c"},
    {"Ad5d", "KdJd8d"},
}};

CardMask cardsOf(std::string_view text) {
    return tavolin::readCardList(text).value();
}

CardMask boardOf(const Spot& spot, int cards) {
    return cardsOf(std::string_view(spot.Board).substr(0, cards == 3 ? 6 : cards == 4 ? 9 : 12));
}

equity::HoldingWeights rangeOf(const char* text) {
    return tavolin::ranges::readRange(text).Weights;
}

// The villains of the table: any two cards, a narrow range, the top quarter ("2-Semiloose") and a range
// with fractional weights.
const equity::HoldingWeights& villainRange(std::string_view name) {
    static const equity::HoldingWeights random = equity::anyTwoCards();
    static const equity::HoldingWeights narrow = rangeOf("TT+, AQs+, AKo");
    static const equity::HoldingWeights quarter = tavolin::ranges::topPercent(25.0);
    static const equity::HoldingWeights weighted = rangeOf(
        "TT+, AQs+, AKo, 99-55:0.5, ATs-A2s:0.75, KQs:0.5, KJo+:0.25, QJs, JTs:0.5, T9s:0.5, 98s:0.25");
    return name == "random" ? random : name == "narrow" ? narrow : name == "quarter" ? quarter : weighted;
}

// Each iteration takes the next spot of the mix, so the time per iteration is the mix's mean.
template <class Measure>
void runOverSpots(benchmark::State& state, std::span<const Spot> spots, int boardCards, Measure measure) {
    std::size_t next = 0;
    for (auto _ : state) {
        const Spot& spot = spots[next];
        benchmark::DoNotOptimize(measure(cardsOf(spot.Hero), boardOf(spot, boardCards)));
        next = (next + 1) % spots.size();
    }
}

void equityVsRange(benchmark::State& state, std::string range, std::span<const Spot> spots, int boardCards) {
    const equity::HoldingWeights& weights = villainRange(range);
    runOverSpots(state, spots, boardCards,
                 [&](CardMask hero, CardMask board) { return equity::exactEquity(hero, board, weights); });
}

// Every hero holding against the top quarter: the range grid's cells.
void grid(benchmark::State& state, CardMask flop) {
    const equity::HoldingWeights hero = equity::anyTwoCards();
    const equity::HoldingWeights& villain = villainRange("quarter");
    for (auto _ : state)
        benchmark::DoNotOptimize(equity::rangeEquity(hero, villain, flop));
}

// The hero against two or three villains on the top quarter; the counters give the mean standard error
// and the share of spots counted exactly.
void multiway(benchmark::State& state, std::size_t villains, int boardCards) {
    const std::vector<equity::HoldingWeights> ranges(villains, villainRange("quarter"));
    double stdError = 0.0, exact = 0.0, spots = 0.0;
    runOverSpots(state, kSpots, boardCards, [&](CardMask hero, CardMask board) {
        const equity::MultiwayEquity result = equity::multiwayEquity(hero, board, ranges);
        stdError += result.StdError;
        exact += result.Exact;
        spots += 1;
        return result;
    });
    state.counters["stdError"] = stdError / spots;
    state.counters["exact"] = exact / spots;
}

constexpr std::array<std::pair<const char*, int>, 3> kStreets{{{"flop", 3}, {"turn", 4}, {"river", 5}}};

// Registered by name so that figures stay comparable from one change to the next.
const bool kRegistered = [] {
    for (const char* range : {"random", "narrow", "quarter", "weighted"}) {
        for (const auto& [street, cards] : kStreets) {
            benchmark::RegisterBenchmark((std::string("equityVsRange/") + range + "/" + street).c_str(),
                                         equityVsRange, range, std::span<const Spot>(kSpots), cards)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    for (const char* range : {"narrow", "quarter"}) {
        benchmark::RegisterBenchmark((std::string("equityVsRange/") + range + "/paired").c_str(),
                                     equityVsRange, range, std::span<const Spot>(kPairedSpots), 3)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("equityVsRange/") + range + "/monotone").c_str(),
                                     equityVsRange, range, std::span<const Spot>(kMonotoneSpots), 3)
            ->Unit(benchmark::kMicrosecond);
    }
    for (const auto& [texture, flop] :
         {std::pair{"dry", "Qs7c2h"}, {"twotone", "9h8c2h"}, {"monotone", "Ks7s3s"}}) {
        benchmark::RegisterBenchmark((std::string("grid/quarter/") + texture).c_str(), grid, cardsOf(flop))
            ->Unit(benchmark::kMillisecond);
    }
    for (const std::size_t villains : {2, 3}) {
        for (const auto& [street, cards] : kStreets) {
            benchmark::RegisterBenchmark(("multiway/" + std::to_string(villains) + "/" + street).c_str(),
                                         multiway, villains, cards)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

void plainVsRandom(benchmark::State& state) {
    const equity::HoldingWeights random = equity::anyTwoCards();
    runOverSpots(state, kSpots, static_cast<int>(state.range(0)), [&](CardMask hero, CardMask board) {
        return equity::reference::plainEquity(hero, board, random);
    });
}
// One pass over the mix: the plain flop takes about a second per spot.
BENCHMARK(plainVsRandom)->Arg(3)->Iterations(12)->Unit(benchmark::kMillisecond);
BENCHMARK(plainVsRandom)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

void rangeOnBoardQuarterRange(benchmark::State& state) {
    const equity::HoldingWeights& range = villainRange("quarter");
    runOverSpots(state, kSpots, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::rangeOnBoard(hero, board, range); });
}
BENCHMARK(rangeOnBoardQuarterRange)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void nextCardVsRandom(benchmark::State& state) {
    const equity::HoldingWeights& random = villainRange("random");
    runOverSpots(state, kSpots, static_cast<int>(state.range(0)), [&](CardMask hero, CardMask board) {
        return equity::nextCardEquities(hero, board, random);
    });
}
BENCHMARK(nextCardVsRandom)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void nextCardVsQuarterRange(benchmark::State& state) {
    const equity::HoldingWeights& range = villainRange("quarter");
    runOverSpots(state, kSpots, static_cast<int>(state.range(0)),
                 [&](CardMask hero, CardMask board) { return equity::nextCardEquities(hero, board, range); });
}
BENCHMARK(nextCardVsQuarterRange)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
