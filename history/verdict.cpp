#include "history/verdict.h"

#include <array>
#include <cmath>
#include <string_view>

namespace tavolin::history {
namespace {

// A call or a fold is flagged when it goes against the price; a raise is not, as it may win the pot at once.
struct VerdictRule {
    Move Action;
    bool WithPrice; // the equity reaches the price
    std::string_view Before;
    std::string_view After;
    bool Flagged;
};
constexpr std::array<VerdictRule, 6> kVerdictRules{{
    {Move::kCall, true, "called with the price (+", " points)", false},
    {Move::kCall, false, "called short of the price by ", " points", true},
    {Move::kRaise, true, "raised with the price (+", " points)", false},
    {Move::kRaise, false, "raised short of the price by ", " points", false},
    {Move::kFold, true, "folded with the price (+", " points)", true},
    {Move::kFold, false, "folded short of the price by ", " points", false},
}};

} // namespace

std::optional<Verdict> verdictOf(Move action, double equity, double price) {
    const long points = std::lround(std::abs(equity - price) * 100.0);
    const bool withPrice = equity >= price;
    for (const VerdictRule& rule : kVerdictRules) {
        if (rule.Action == action && rule.WithPrice == withPrice)
            return Verdict{std::string(rule.Before) + std::to_string(points) + std::string(rule.After),
                           rule.Flagged};
    }
    return std::nullopt;
}

} // namespace tavolin::history
