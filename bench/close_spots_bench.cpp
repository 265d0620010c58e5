#include "practice/close_spot_dealer.h"
#include "practice/spot_dealer.h"

#include <benchmark/benchmark.h>

namespace {

namespace practice = tavolin::practice;

// 300 spots from a fixed seed on every street, the villain's bet chosen to make the call close; the
// counters give the shares the dealer reaches: within 5 and 12 points of the price, and calling right.
// The argument is the farthest closeness accepted before dealing again (0 within 5, 1 within 12, 2 any).
void closeSpots(benchmark::State& state) {
    constexpr int kSpots = 300;
    const auto farthest = static_cast<practice::Closeness>(state.range(0));
    double within5 = 0, within12 = 0, callRight = 0, deals = 0;
    for (auto _ : state) {
        practice::SpotDealer dealer(2026, {{}, {}, {}, std::nullopt});
        tavolin::RandomSource random(7);
        within5 = within12 = callRight = deals = 0;
        for (int i = 0; i < kSpots; ++i) {
            const practice::CloseSpot spot =
                practice::dealCloseSpot([&dealer] { return dealer.next(); }, random, farthest);
            within5 += spot.Bet.Close == practice::Closeness::kWithin5;
            within12 += spot.Bet.Close != practice::Closeness::kFar;
            callRight += spot.Bet.Gap > 0.0;
            deals += spot.Deals;
        }
    }
    state.counters["within5"] = within5 / kSpots;
    state.counters["within12"] = within12 / kSpots;
    state.counters["callRight"] = callRight / kSpots;
    state.counters["dealsPerSpot"] = deals / kSpots;
}
BENCHMARK(closeSpots)->Arg(2)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
