#include "practice/answer_check.h"

#include "analysis/number_format.h"
#include "analysis/report.h"

#include <array>
#include <cmath>

namespace tavolin::practice {
namespace {

constexpr std::array<std::string_view, kQuestionKindCount> kQuestionNames{"Strength", "Outs", "Equity",
                                                                          "Call or fold", "Straight outs"};

// Answers and equities are decimal fractions that binary doubles only approximate.
constexpr double kNoise = 1e-9;

std::string number(double value) {
    return formatShortest(static_cast<float>(value), ".");
}

std::string percent(double fraction) {
    return formatFixed(100.0 * fraction, 1, ".") + "%";
}

std::string decisionName(Decision decision) {
    return decision == Decision::kCall ? "call" : "fold";
}

Verdict verdict(QuestionKind kind, bool right, std::string answer, std::string truth) {
    return Verdict{kind, right, std::move(answer), std::move(truth), {}};
}

} // namespace

std::string_view questionName(QuestionKind kind) {
    return kQuestionNames[static_cast<std::size_t>(kind)];
}

Verdict checkTier(std::optional<Tier> answer, std::string_view strengthLabel) {
    const std::optional<Tier> truth = tierOfLabel(strengthLabel);
    Verdict result =
        verdict(QuestionKind::kTier, answer && answer == truth, answer ? std::string(tierName(*answer)) : "",
                truth ? std::string(tierName(*truth)) : std::string(strengthLabel));
    result.Explanation = "The report reads " + std::string(strengthLabel) + ".";
    return result;
}

Verdict checkOuts(std::optional<double> answer, float outs, std::string_view outsText) {
    Verdict result = verdict(QuestionKind::kOuts, answer && std::abs(*answer - outs) < kNoise,
                             answer ? number(*answer) : "", number(outs));
    result.Explanation = "The report counts " + number(outs) + " outs:\n" + withPlainLineEnds(outsText);
    return result;
}

Verdict checkEquity(std::optional<double> answerPercent, double equity, std::string_view rangeName) {
    const double off = answerPercent ? std::abs(*answerPercent - 100.0 * equity) : 0.0;
    Verdict result = verdict(QuestionKind::kEquity, answerPercent && off <= kEquityPoints + kNoise,
                             answerPercent ? number(*answerPercent) + "%" : "", percent(equity));
    result.Explanation = "Exact equity against the " + std::string(rangeName) + " range: " + percent(equity);
    if (answerPercent) result.Explanation += "; you were " + formatFixed(off, 1, ".") + " points off";
    result.Explanation += " (within 5 points is right).";
    return result;
}

Decision rightDecision(double equity, float price) {
    return equity >= static_cast<double>(price) ? Decision::kCall : Decision::kFold;
}

Verdict checkDecision(std::optional<Decision> answer, double equity, float price) {
    const Decision truth = rightDecision(equity, price);
    Verdict result = verdict(QuestionKind::kDecision, answer == truth, answer ? decisionName(*answer) : "",
                             decisionName(truth));
    result.Explanation = "Calling needs " + percent(price) + " equity; the exact equity is " +
                         percent(equity) +
                         (truth == Decision::kCall ? ", enough: call." : ", too little: fold.");
    return result;
}

Verdict checkStraightOuts(std::optional<double> answer, int statedOuts, std::string_view solution,
                          std::string_view outsText) {
    Verdict result = verdict(QuestionKind::kStraightOuts, answer && std::abs(*answer - statedOuts) < kNoise,
                             answer ? number(*answer) : "", std::to_string(statedOuts));
    result.Explanation = "Sol: " + std::string(solution) + "\nThe analysis:\n" + withPlainLineEnds(outsText);
    return result;
}

} // namespace tavolin::practice
