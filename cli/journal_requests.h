#pragma once

#include "journal/review_schedule.h"
#include "practice/answer_check.h"
#include "practice/spot_dealer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::cli {

// A practice session in the terminal.
struct PracticeRequest {
    std::optional<int> Count;          // spots to deal; until the end of input when not given
    std::optional<std::uint64_t> Seed; // a fresh one each session when not given
    practice::SpotFilter Filter;
    std::vector<practice::QuestionKind> Questions{
        practice::QuestionKind::kTier, practice::QuestionKind::kOuts, practice::QuestionKind::kEquity,
        practice::QuestionKind::kDecision};
    bool Review = false;                // the spots due for review first
    std::optional<std::string> Journal; // the default journal when not given
};

struct JournalExportRequest {
    journal::Time Since = 0;
    std::optional<std::string> Journal;
};

struct JournalStatsRequest {
    std::optional<std::string> Journal;
};

} // namespace tavolin::cli
