// How long the progress view takes to open on a journal of 10,000 answers: reading the journal, building
// the charts and drawing them once. The target is 300 ms.

#include "tests/ui/progress_history.h"
#include "ui/progress_view.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr tavolin::journal::Time kStart = 1796601600;

const QTemporaryDir& historyFolder() {
    static const QTemporaryDir folder = [] {
        QTemporaryDir made;
        const auto opened = tavolin::journal::Journal::open(made.filePath("journal.sqlite3").toStdString());
        if (opened.Opened) tavolin::journal::writeHistory(*opened.Opened, 10000, kStart);
        return made;
    }();
    return folder;
}

std::unique_ptr<tavolin::journal::Journal> openHistory() {
    return tavolin::journal::Journal::open(historyFolder().filePath("journal.sqlite3").toStdString(),
                                           tavolin::journal::Access::kReadOnly)
        .Opened;
}

void progressQuery(benchmark::State& state) {
    const auto journal = openHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(journal->progress(kStart + 20 * tavolin::journal::kDay));
}
BENCHMARK(progressQuery)->Unit(benchmark::kMillisecond);

void openProgressView(benchmark::State& state) {
    historyFolder();
    for (auto _ : state) {
        const auto journal = openHistory();
        tavolin::ui::ProgressView view(nullptr);
        view.showJournal(*journal, kStart + 20 * tavolin::journal::kDay);
        benchmark::DoNotOptimize(view.renderImage({1400, 900}));
    }
}
BENCHMARK(openProgressView)->Unit(benchmark::kMillisecond);

} // namespace
