#include "journal/progress.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string_view>

namespace tavolin::journal {
namespace {

// The tiers grouped as a player thinks of them; a bias is named for the group.
struct TierGroup {
    std::string_view Tier;
    std::string_view Group;
};
constexpr std::array<TierGroup, 6> kTierGroups{{
    {"NOTHING", "unmade hands (draws and air)"},
    {"WEAK", "weak and medium made hands"},
    {"MEDIUM", "weak and medium made hands"},
    {"STRONG", "strong made hands"},
    {"VERY STRONG", "strong made hands"},
    {"NUTS", "strong made hands"},
}};

std::string_view groupOf(std::string_view tier) {
    for (const TierGroup& entry : kTierGroups) {
        if (entry.Tier == tier) return entry.Group;
    }
    return {};
}

// Fixed with one decimal whatever the locale: the window sets the C locale from the environment.
std::string oneDecimal(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::string(text, end);
}

} // namespace

std::optional<double> readPercent(std::string_view text) {
    if (text.ends_with('%')) text.remove_suffix(1);
    double value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

EstimateSummary estimateSummary(const std::vector<AnsweredSpot>& answers) {
    EstimateSummary summary;
    struct Bias {
        int Count = 0;
        double Sum = 0;
    };
    std::map<std::string_view, Bias> biases;
    double absoluteSum = 0;
    for (const AnsweredSpot& answer : answers) {
        if (answer.Question != "equity") continue;
        const auto said = readPercent(answer.Answer);
        const auto exact = answer.Equity ? std::optional(100.0 * *answer.Equity) : readPercent(answer.Truth);
        if (!said || !exact) continue;
        summary.Estimates.push_back({*said, *exact, answer.Tier});
        absoluteSum += std::abs(*said - *exact);
        if (const auto group = groupOf(answer.Tier); !group.empty()) {
            ++biases[group].Count;
            biases[group].Sum += *said - *exact;
        }
    }
    if (summary.Estimates.empty()) return summary;
    summary.MeanAbsoluteError = absoluteSum / static_cast<double>(summary.Estimates.size());
    summary.Sentence =
        "Your equity estimates are " + oneDecimal(summary.MeanAbsoluteError) + " points off on average.";
    std::string_view worst;
    double worstBias = 0;
    for (const auto& [group, bias] : biases) {
        const double mean = bias.Sum / bias.Count;
        if (bias.Count >= kBiasMinimumAnswers && std::abs(mean) > std::abs(worstBias)) {
            worst = group;
            worstBias = mean;
        }
    }
    const long points = std::lround(std::abs(worstBias));
    if (points == 0) {
        summary.Sentence += " No kind of hand is guessed a point or more too high or too low.";
    } else {
        summary.Sentence += " You guess " + std::string(worst) + " " + std::to_string(points) +
                            (points == 1 ? " point " : " points ") +
                            (worstBias > 0 ? "too high." : "too low.");
    }
    return summary;
}

} // namespace tavolin::journal
