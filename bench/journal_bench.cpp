#include "journal/journal.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <sqlite3.h>
#include <streambuf>

namespace {

using namespace tavolin::journal;

constexpr Time kStart = 1'800'000'000;

// A journal file in its own temporary folder, removed afterwards.
class BenchJournal {
public:
    BenchJournal() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavolin-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) Folder = pattern;
        Path = (Folder / "journal.sqlite3").string();
    }
    ~BenchJournal() {
        if (!Folder.empty()) std::filesystem::remove_all(Folder);
    }
    const std::string& path() const { return Path; }

private:
    std::filesystem::path Folder;
    std::string Path;
};

SpotRecord spot(int number) {
    return {"Ah Kh",     "Qh 7h " + std::to_string(number),
            100,         0,
            50,          500,
            "Semiloose", "55+, A2s+",
            "flop",      "dry",
            "dealt",     "WEAK",
            "within 5",  0.45};
}

// Each iteration records one answer, committed to the disk, and is timed alone; the 99th percentile of
// those times is the figure that matters.
void journalRecordAnswer(benchmark::State& state) {
    BenchJournal file;
    auto journal = Journal::open(file.path()).Opened;
    if (!journal) {
        state.SkipWithError("cannot open the journal");
        return;
    }
    const auto session = journal->startSession(kStart, "bench");
    std::vector<double> seconds;
    int number = 0;
    for (auto _ : state) {
        const auto spotId = journal->spotId(spot(++number));
        const AnswerRecord answer{"outs", "8", "9", number % 3 == 0, 1.0, 4.0, kStart + number};
        const auto started = std::chrono::steady_clock::now();
        const Recorded recorded = journal->record(session, spotId, answer);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        if (recorded != Recorded::kNew) state.SkipWithError("an answer was not recorded");
        state.SetIterationTime(took.count());
        seconds.push_back(took.count());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["p50_ms"] = 1000 * seconds[seconds.size() / 2];
    state.counters["p99_ms"] = 1000 * seconds[seconds.size() * 99 / 100];
    state.counters["max_ms"] = 1000 * seconds.back();
}
BENCHMARK(journalRecordAnswer)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMillisecond);

// 100,000 answers: 25,000 spots of four questions each over 1,000 sessions, a seventh of the spots queued.
// The file's path; empty when it could not be made.
std::string largeJournal() {
    static const BenchJournal file;
    static const bool made = [] {
        if (!Journal::open(file.path()).Opened) return false;
        sqlite3* db = nullptr;
        sqlite3_open(file.path().c_str(), &db);
        const int code = sqlite3_exec(db, R"(
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25000)
INSERT INTO spots SELECT i, 'Ah Kh', 'Qh 7h 2c ' || i, 100, 0, 50, 500, 'Semiloose', '55+, A2s+, A5o+, K7s+',
    CASE i % 3 WHEN 0 THEN 'flop' WHEN 1 THEN 'turn' ELSE 'river' END,
    CASE i % 4 WHEN 0 THEN 'dry' WHEN 1 THEN 'coordinated' WHEN 2 THEN 'paired' ELSE 'flush' END, 'dealt' FROM n;
INSERT INTO sessions SELECT id, 1800000000 + id * 600, 'bench' FROM spots WHERE id <= 1000;
INSERT INTO answers (session, spot, question, answer, truth, right, error, seconds, time)
    SELECT (s.id - 1) / 25 + 1, s.id, q.column1, '8', '9', (s.id + q.column2) % 3 != 0, 1.5, 3.25,
           1800000000 + s.id * 24 + q.column2
    FROM spots s, (VALUES ('tier', 0), ('outs', 1), ('equity', 2), ('decision', 3)) q;
INSERT INTO reviews SELECT id, 1 + id % 5, 1800000000 + id * 100 FROM spots WHERE id % 7 = 0;
COMMIT;)",
                                      nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return code == SQLITE_OK;
    }();
    return made ? file.path() : std::string();
}

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
public:
    std::size_t Bytes = 0;

protected:
    int overflow(int c) override {
        ++Bytes;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        Bytes += static_cast<std::size_t>(count);
        return count;
    }
};

void journalExport100k(benchmark::State& state) {
    const auto journal = Journal::open(largeJournal(), Access::kReadOnly).Opened;
    if (!journal) {
        state.SkipWithError("cannot make the journal");
        return;
    }
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        if (!journal->exportAnswers(out)) state.SkipWithError("export failed");
        state.counters["MB"] = static_cast<double>(buffer.Bytes) / 1e6;
    }
}
BENCHMARK(journalExport100k)->Unit(benchmark::kMillisecond);

void journalStats100k(benchmark::State& state) {
    const auto journal = Journal::open(largeJournal(), Access::kReadOnly).Opened;
    if (!journal) {
        state.SkipWithError("cannot make the journal");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(journal->stats(kStart + 1'000'000));
}
BENCHMARK(journalStats100k)->Unit(benchmark::kMillisecond);

} // namespace
