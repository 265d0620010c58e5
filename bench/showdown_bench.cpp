#include "showdown/best_hand.h"
#include "showdown/villain_count.h"
#include "tests/showdown/literal_reference.h"

#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using tavolin::showdown::CardMask;
using tavolin::showdown::literal::maskOf;
namespace literal = tavolin::showdown::literal;

struct BenchDeal {
    const char* Hero;
    const char* Board;
};

// Rivers of every kind: dry, paired, suited, connected, with the hero far ahead or far behind.
constexpr std::array<BenchDeal, 8> kRivers{{
    {"Ad 7d", "3s 4c 5h 9d Kc"},
    {"Kh Qh", "Jh 7h 2c 9s 3h"},
    {"8h 8c", "8s Kd 3c Kh 2d"},
    {"As Kc", "7s 4d 2h Jc 9h"},
    {"Tc 9c", "Jc 8d 2c Qs 4c"},
    {"2s 2h", "9d 8c 7s Ac 6d"},
    {"7c 7d", "7h 7s Kc 2d 3h"},
    {"Qs Js", "Ks Ts 4s 9h 2d"},
}};

// The board lengths of a flop, a turn and a river, taken from the same deals.
CardMask boardOf(const BenchDeal& deal, int boardCards) {
    return maskOf(std::string_view(deal.Board).substr(0, 3 * boardCards - 1));
}

void setPerHolding(benchmark::State& state, double holdings) {
    state.counters["per_holding"] =
        benchmark::Counter(holdings, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

struct Deal {
    CardMask Hero = 0;
    CardMask Board = 0;
};

// The deals as card masks, parsed before the clock starts.
std::array<Deal, kRivers.size()> dealsWith(int boardCards) {
    std::array<Deal, kRivers.size()> deals{};
    for (std::size_t i = 0; i < kRivers.size(); ++i)
        deals[i] = {maskOf(kRivers[i].Hero), boardOf(kRivers[i], boardCards)};
    return deals;
}

void BM_villainCountFast(benchmark::State& state) {
    const auto deals = dealsWith(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    double holdings = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i++ % deals.size()];
        const auto count = tavolin::showdown::countBetterVillainHands(deal.Hero, deal.Board);
        benchmark::DoNotOptimize(count);
        holdings += count.Tried;
    }
    setPerHolding(state, holdings);
}
BENCHMARK(BM_villainCountFast)->Arg(3)->Arg(4)->Arg(5)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_villainCountLiteral(benchmark::State& state) {
    const auto deals = dealsWith(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    double holdings = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i++ % deals.size()];
        const literal::LiteralCount count = literal::countBetterVillainHands(deal.Hero, deal.Board);
        benchmark::DoNotOptimize(count);
        holdings += count.PairCount;
    }
    setPerHolding(state, holdings);
}
BENCHMARK(BM_villainCountLiteral)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(16)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Building the look-up tables from nothing, as the first count of a run does.
void BM_buildBestHandTables(benchmark::State& state) {
    for (auto _ : state) {
        auto tables = std::make_unique<tavolin::showdown::BestHandTables>();
        benchmark::DoNotOptimize(tables.get());
    }
}
BENCHMARK(BM_buildBestHandTables)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
