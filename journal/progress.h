#pragma once

#include "journal/review_schedule.h"

#include <array>
#include <cstdint>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::journal {

// A kind of spot needs this many answers before its accuracy means something: one answer then moves the
// accuracy by 10 points at most, and at a usual miss rate of about 30% three misses beyond it stand two
// standard deviations above chance.
constexpr int kLeakMinimumAnswers = 10;
// Accuracy is shown by day once the answers span this many days, by session before.
constexpr int kDaysForDailyAccuracy = 3;
// An estimate group needs this many equity answers before its bias is named.
constexpr int kBiasMinimumAnswers = 5;

// One answer as the progress summary reads it.
struct AnsweredSpot {
    std::string Question;
    std::int64_t Session = 0;
    Time At = 0;
    bool Right = false;
    std::string Answer;
    std::string Truth;
    std::string Street;
    std::string BoardKind;
    std::string Tier;
    std::string Closeness;
    std::optional<double> Equity; // 0..1
};

struct AccuracyPoint {
    int Answers = 0;
    int Right = 0;
};

// Accuracy per question kind over the same periods (days or sessions), oldest first.
struct AccuracySeries {
    bool BySession = false;
    std::vector<std::string> Periods;                                          // "2026-12-07" or "session 3"
    std::vector<std::pair<std::string, std::vector<AccuracyPoint>>> Questions; // one point per period
};

// An equity answer against the exact figure, both in percent.
struct EquityEstimate {
    double Answer = 0;
    double Exact = 0;
    std::string Tier;
};

struct EstimateSummary {
    std::vector<EquityEstimate> Estimates;
    double MeanAbsoluteError = 0;
    std::string Sentence; // the error and the larger bias, for people; empty without estimates
};

// A kind of spot: street x board kind x the hand's tier x how close the call was.
struct LeakRow {
    std::string Street;
    std::string BoardKind;
    std::string Tier;
    std::string Closeness;
    int Answers = 0;
    int Right = 0;
    double ExcessMisses = 0;           // misses beyond the player's usual miss rate for each question
    std::optional<double> MeanError{}; // of the equity answers in points; none without equity answers
};

struct ReviewSummary {
    int Queued = 0;
    int DueNow = 0;
    int DueToday = 0; // by the end of the UTC day
    int DueThisWeek = 0;
    std::array<int, kBoxDays.size()> ByBox{};
};

struct Progress {
    int Answers = 0;
    AccuracySeries Accuracy;
    EstimateSummary Estimates;
    std::vector<LeakRow> Leaks; // worst first
    ReviewSummary Review;
};

// Every answer with its spot, oldest first; the SQLite result code (SQLITE_DONE when all were read).
int readAnsweredSpots(sqlite3* db, std::vector<AnsweredSpot>& into);

// "37.5%" or "37.5" as a number; nullopt for any other text.
std::optional<double> readPercent(std::string_view text);

AccuracySeries accuracySeries(const std::vector<AnsweredSpot>& answers);
EstimateSummary estimateSummary(const std::vector<AnsweredSpot>& answers);
// Kinds with at least kLeakMinimumAnswers answers and a known tier and closeness, the most misses beyond
// the usual first.
std::vector<LeakRow> leakRows(const std::vector<AnsweredSpot>& answers);

} // namespace tavolin::journal
