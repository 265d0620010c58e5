#include "journal/progress.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace tavolin::journal {

std::vector<LeakRow> leakRows(const std::vector<AnsweredSpot>& answers) {
    // "Worst" weighs each miss against the player's own miss rate for that question, so that a kind of
    // spot is not a leak merely because its questions are the hard ones.
    std::map<std::string, AccuracyPoint> byQuestion;
    for (const AnsweredSpot& answer : answers) {
        ++byQuestion[answer.Question].Answers;
        byQuestion[answer.Question].Right += answer.Right ? 1 : 0;
    }
    struct Tally {
        LeakRow Row;
        int Estimates = 0;
        double ErrorSum = 0;
    };
    std::map<std::tuple<std::string, std::string, std::string, std::string>, Tally> kinds;
    for (const AnsweredSpot& answer : answers) {
        if (answer.Tier.empty() || answer.Closeness.empty()) continue;
        Tally& tally = kinds[{answer.Street, answer.BoardKind, answer.Tier, answer.Closeness}];
        const AccuracyPoint& usual = byQuestion[answer.Question];
        ++tally.Row.Answers;
        tally.Row.Right += answer.Right ? 1 : 0;
        tally.Row.ExcessMisses += (answer.Right ? 0.0 : 1.0) - 1.0 + double(usual.Right) / usual.Answers;
        if (answer.Question != "equity" || !answer.Equity) continue;
        if (const auto said = readPercent(answer.Answer)) {
            ++tally.Estimates;
            tally.ErrorSum += std::abs(*said - 100.0 * *answer.Equity);
        }
    }
    std::vector<LeakRow> rows;
    for (auto& [key, tally] : kinds) {
        if (tally.Row.Answers < kLeakMinimumAnswers) continue;
        std::tie(tally.Row.Street, tally.Row.BoardKind, tally.Row.Tier, tally.Row.Closeness) = key;
        if (tally.Estimates > 0) tally.Row.MeanError = tally.ErrorSum / tally.Estimates;
        rows.push_back(std::move(tally.Row));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LeakRow& a, const LeakRow& b) { return a.ExcessMisses > b.ExcessMisses; });
    return rows;
}

} // namespace tavolin::journal
