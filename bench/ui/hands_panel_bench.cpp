// Opening a hand history of 10,000 hands on the Hands tab: reading, weighing the heads-up decisions
// against the Semiloose range and listing every hand (multiway ones wait until their hand is chosen); then a
// replay of every street of every hand.
#include "ranges/profiles.h"
#include "tests/history/written_hands.h"
#include "ui/hands_panel.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

namespace history = tavolin::history;

// The two written hands in turn, or only the heads-up one, each with its own number.
QString writeHandFile(const QTemporaryDir& folder, int count, bool multiway = true) {
    const QString path = folder.filePath(QStringLiteral("hands.txt"));
    std::ofstream file(path.toStdString(), std::ios::binary);
    for (int i = 0; i < count; ++i) {
        std::string hand =
            multiway && i % 2 == 0 ? history::written::kTournament : history::written::kRunTwice;
        hand.replace(hand.find('#') + 1, 12, std::to_string(100000000000 + i));
        file << hand << "\n\n";
    }
    return path;
}

void openHandFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = writeHandFile(folder, static_cast<int>(state.range(0)), state.range(1) != 0);
    const tavolin::equity::HoldingWeights range = tavolin::ranges::profileRange(1);
    for (auto _ : state) {
        tavolin::HandsPanel panel;
        QString error;
        benchmark::DoNotOptimize(panel.openFile(path, range, error));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
// Half the hands weigh a raise against two opponents (sampled equity), or none: every hand heads-up.
BENCHMARK(openHandFile)->Args({10000, 1})->Args({10000, 0})->Unit(benchmark::kMillisecond);

void replayEveryStreet(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = writeHandFile(folder, static_cast<int>(state.range(0)));
    std::ifstream file(path.toStdString(), std::ios::binary);
    history::HandList list = history::readHandList(file);
    for (auto _ : state) {
        std::size_t cards = 0;
        for (int i = 0; list.choose(i); ++i)
            do
                cards += list.setup().Board.size();
            while (list.nextStreet());
        benchmark::DoNotOptimize(cards);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(replayEveryStreet)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
