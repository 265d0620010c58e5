#pragma once

#include "journal/progress.h"
#include "journal/review_schedule.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::journal {

// A spot as the journal keeps it. Two spots with the same cards, amounts and range are the same spot.
struct SpotRecord {
    std::string Hole;  // "Ah Kh"
    std::string Board; // "Qh 7h 2c"
    double Pot = 0;
    double HeroBet = 0;
    double VillainBet = 0;
    double Stack = 0;
    std::string RangeName;
    std::string RangeText;
    std::string Street;    // "flop", "turn", "river"
    std::string BoardKind; // "dry", "coordinated", "paired", "flush"
    std::string Source;    // "dealt", "drill", "review", "imported"
    std::string Tier;      // the report's tier, "WEAK"; empty when not known
    std::string Closeness; // the band of the exact equity minus the price, "within 5"; empty when not known
    std::optional<double> Equity; // the exact equity against the range, 0..1
};

struct AnswerRecord {
    std::string Question; // "tier", "outs", "equity", "decision", "straight outs"
    std::string Answer;
    std::string Truth;
    bool Right = false;
    std::optional<double> Error; // in the question's unit: tiers, outs, equity points, chips
    double Seconds = 0;
    Time At = 0;
};

enum class Recorded { kNew, kAlreadyThere, kFailed };

enum class OpenProblem { kNone, kNotAJournal, kDamaged, kNewerVersion, kReadOnly, kCannotWrite, kMissing };

// kReadOnly reads an existing journal (export, stats), even a read-only file, and never writes.
enum class Access { kReadWrite, kReadOnly };

struct DueSpot {
    std::int64_t Id = 0;
    SpotRecord Spot;
    ReviewState State;
};

struct NamedRange {
    std::string Name;
    std::string Text;
};

class Journal;

// A journal, or why there is none: Problem and a sentence for the player in Message.
struct OpenResult {
    std::unique_ptr<Journal> Opened;
    OpenProblem Problem = OpenProblem::kNone;
    std::string Message;
};

// The player's answers, the review queue, named ranges and settings in one SQLite file. Several programs
// may have the same file open. Every write is its own transaction, committed before the call returns.
// A file that cannot be used as a journal is never written to.
class Journal {
public:
    static OpenResult open(const std::string& path, Access access = Access::kReadWrite);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    const std::string& path() const { return Path; }
    // The last write's failure as a sentence; empty after a success.
    const std::string& lastError() const { return LastError; }

    // A new session's id, 0 when it cannot be written.
    std::int64_t startSession(Time now, std::string_view program);
    // The spot's id, adding the spot when it is new; 0 when it cannot be written.
    std::int64_t spotId(const SpotRecord& spot);
    // Records one answer with its effect on the review queue, at most once per session, spot and question:
    // a wrong answer queues the spot, due at once, in box 1; a right answer to a due spot without a wrong
    // answer in this session moves it up a box.
    Recorded record(std::int64_t session, std::int64_t spot, const AnswerRecord& answer);

    // The queued spots due at `now`, the longest due first.
    std::vector<DueSpot> dueSpots(Time now, int limit);
    int dueCount(Time now);
    int queuedCount();
    std::optional<ReviewState> reviewState(std::int64_t spot);

    // Named ranges: saving over an existing name replaces its text; renaming onto a taken name fails.
    bool saveRange(std::string_view name, std::string_view text, Time now);
    std::optional<std::string> loadRange(std::string_view name);
    bool renameRange(std::string_view from, std::string_view to);
    bool removeRange(std::string_view name);
    std::vector<NamedRange> namedRanges();

    bool setSetting(std::string_view key, std::string_view value);
    std::optional<std::string> setting(std::string_view key);

    // One JSON line per answer recorded at `since` or later, oldest first; false when reading failed.
    bool exportAnswers(std::ostream& out, Time since = 0);
    // One JSON object: the answers and right ones in all, by question, street and board kind, and the
    // review queue. nullopt when reading failed.
    std::optional<std::string> stats(Time now);
    // The answers summed up for the progress charts and the leaks; nullopt when reading failed.
    std::optional<Progress> progress(Time now);

private:
    static OpenResult readOnly(const std::string& path, bool mayRecover);
    Journal(sqlite3* db, std::string path) : Db(db), Path(std::move(path)) {}
    bool succeeded(int code);

    sqlite3* Db;
    std::string Path;
    std::string LastError;
};

// A sentence for an SQLite result code met while writing.
std::string writeProblem(int code);

} // namespace tavolin::journal
