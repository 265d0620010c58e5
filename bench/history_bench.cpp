// Reading hand histories: 10,000 text hands from memory, without and with the decisions' exact equity.
#include "history/history_reader.h"
#include "ranges/profiles.h"
#include "tests/history/written_hands.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>

namespace {

namespace history = tavolin::history;

// `count` hands, the two written ones in turn, each with its own number.
std::string handFile(int count) {
    std::string file;
    for (int i = 0; i < count; ++i) {
        std::string hand = i % 2 == 0 ? history::written::kTournament : history::written::kRunTwice;
        const std::size_t number = hand.find('#') + 1;
        hand.replace(number, 12, std::to_string(100000000000 + i));
        file += hand + "\n\n";
    }
    return file;
}

void readHands(benchmark::State& state, const tavolin::equity::HoldingWeights* range) {
    const std::string file = handFile(static_cast<int>(state.range(0)));
    long decisions = 0;
    for (auto _ : state) {
        std::istringstream in(file);
        history::HistoryReader reader(in, range);
        while (auto entry = reader.next()) {
            if (const auto* hand = std::get_if<history::Hand>(&*entry))
                decisions += std::ssize(hand->Decisions);
        }
        benchmark::DoNotOptimize(decisions);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

void BM_HistoryRead(benchmark::State& state) {
    readHands(state, nullptr);
}
BENCHMARK(BM_HistoryRead)->Arg(10000)->Unit(benchmark::kMillisecond);

// Half the hands hold a heads-up flop call, each weighed against the Semiloose range.
void BM_HistoryReadWithEquity(benchmark::State& state) {
    const tavolin::equity::HoldingWeights range = tavolin::ranges::profileRange(1);
    readHands(state, &range);
}
BENCHMARK(BM_HistoryReadWithEquity)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
