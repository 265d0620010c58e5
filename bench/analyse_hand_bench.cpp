#include "analysis/analyse_hand.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

struct BenchHand {
    const char* Hole;
    const char* Board;
};

// A fixed mix of flop, turn and river hands: draws, made hands, paired and coordinated boards.
constexpr std::array<BenchHand, 12> kHands{{
    {"Ad 7d", "3s 4c 5h"},
    {"Kh Qh", "Jh 7h 2c"},
    {"8h 8c", "8s Kd 3c"},
    {"As Kc", "7s 4d 2h"},
    {"4d 6d", "3s 5c 8h 9d"},
    {"Tc 9c", "Jc 8d 2c Qs"},
    {"Kh 5d", "Kc 5s 9h 9d"},
    {"2s 2h", "9d 8c 7s Ac"},
    {"Ad Kd", "Qd Jd Td 2s 3h"},
    {"7c 7d", "7h 7s Kc 2d 3h"},
    {"5d 6d", "4s 8c 9h Td 2c"},
    {"Qs Js", "Ks Ts 4s 9h 2d"},
}};

void analyseMix(benchmark::State& state, bool calcVillain) {
    std::size_t i = 0;
    for (auto _ : state) {
        const BenchHand& hand = kHands[i++ % kHands.size()];
        std::string board = hand.Board;
        benchmark::DoNotOptimize(
            tavolin::analyseHand(hand.Hole, board, "100", "0", "50", "500", 1, 1, calcVillain));
    }
}

void BM_analyseHand(benchmark::State& state) {
    analyseMix(state, false);
}
BENCHMARK(BM_analyseHand);

void BM_analyseHandWithVillainCount(benchmark::State& state) {
    analyseMix(state, true);
}
BENCHMARK(BM_analyseHandWithVillainCount);

} // namespace
