// What a board change costs the hero range's grid: every one of the 1,326 hero holdings against the top
// quarter, the 169 cells and one drawing of the grid, on a dry, a two-tone and a monotone flop. The target is
// 20 ms.

#include "cards/card_text.h"
#include "ranges/starting_hands.h"
#include "ui/hero_range_panel.h"
#include "ui/range_grid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void heroGrid(benchmark::State& state, const char* flop) {
    const tavolin::CardMask board = *tavolin::readCardList(flop);
    const tavolin::equity::HoldingWeights villain = tavolin::ranges::topPercent(25);
    tavolin::HeroRangePanel panel;
    panel.resize(420, 520);
    panel.setRange(tavolin::equity::anyTwoCards());
    auto* grid = panel.findChild<tavolin::RangeGrid*>();
    for (auto _ : state) {
        panel.clear(); // forgets the figures, as a new board does
        panel.showSpot(board, villain);
        benchmark::DoNotOptimize(grid->grab());
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("heroGrid/quarter/dry", heroGrid, "Qs 7c 2h")->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("heroGrid/quarter/twotone", heroGrid, "9h 8c 2h")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("heroGrid/quarter/monotone", heroGrid, "Ks 7s 3s")
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
