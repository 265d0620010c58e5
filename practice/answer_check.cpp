#include "practice/answer_check.h"

#include "analysis/number_format.h"
#include "analysis/report.h"
#include "cards/card_text.h"

#include <algorithm>
#include <array>
#include <cctype>
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

// "6 outs (6-2 outs)" in words: "The worked answer is 6 outs; its working reads 6 less 2."
std::string solutionWords(std::string_view solution) {
    const std::size_t open = solution.find(" (");
    std::string words = "The worked answer is " + std::string(solution.substr(0, open));
    const std::size_t close = solution.find(" outs)", open);
    if (open != std::string_view::npos && close != std::string_view::npos) {
        std::string makeUp;
        for (const char c : solution.substr(open + 2, close - open - 2)) {
            if (c == '-')
                makeUp += " less ";
            else if (c == '+')
                makeUp += " and ";
            else
                makeUp += c;
        }
        if (makeUp != solution.substr(0, solution.find(' '))) words += "; its working reads " + makeUp;
    }
    return words + ".";
}

} // namespace

std::string_view questionName(QuestionKind kind) {
    return kQuestionNames[static_cast<std::size_t>(kind)];
}

Verdict checkTier(std::optional<Tier> answer, std::string_view strengthLabel, std::optional<double> equity,
                  std::string_view against) {
    const std::optional<Tier> truth = tierOfLabel(strengthLabel);
    Verdict result =
        verdict(QuestionKind::kTier, answer && answer == truth, answer ? std::string(tierName(*answer)) : "",
                truth ? std::string(tierName(*truth)) : std::string(strengthLabel));
    result.Explanation = "The report reads " + std::string(strengthLabel) + ".";
    if (equity) {
        result.Explanation +=
            " The label is the rule's class of the made hand, not its chances: the exact equity";
        if (!against.empty()) result.Explanation += " against " + std::string(against);
        result.Explanation += " is " + percent(*equity) + ".";
    }
    return result;
}

std::string outsLinesWithCards(std::string_view outsText, const std::vector<CardMask>& lineCards) {
    std::string text;
    std::size_t line = 0;
    for (std::size_t start = 0; start <= outsText.size(); ++line) {
        const std::size_t end = std::min(outsText.find("\r\n", start), outsText.size());
        std::string_view lineText = outsText.substr(start, end - start);
        // The report's last line keeps its CR; the cards go before it.
        const bool keptCr = lineText.ends_with('\r');
        if (keptCr) lineText.remove_suffix(1);
        text += lineText;
        if (const CardMask cards = line < lineCards.size() ? lineCards[line] : 0; cards != 0) {
            const int count = cardCount(cards);
            text +=
                ": " + std::to_string(count) + (count == 1 ? " card (" : " cards (") + cardNames(cards) + ")";
        }
        if (keptCr) text += '\r';
        if (end < outsText.size()) text += "\r\n";
        start = end + 2;
    }
    return text;
}

Verdict checkOuts(std::optional<double> answer, float outs, std::string_view outsText,
                  const std::optional<equity::TrueOuts>& trueOuts, std::string_view against) {
    Verdict result = verdict(QuestionKind::kOuts, answer && std::abs(*answer - outs) < kNoise,
                             answer ? number(*answer) : "", number(outs));
    result.Explanation = "The report counts " + number(outs) + " outs:\n" + withPlainLineEnds(outsText);
    if (trueOuts) {
        const int count = cardCount(trueOuts->Cards);
        const std::string cards = count > 0 ? " (" + cardNames(trueOuts->Cards) + ")" : "";
        result.Explanation += "\nBy exact equity against " + std::string(against) + ": ";
        result.Explanation += trueOuts->Ahead ? "you are ahead now, and " + std::to_string(count) +
                                                    " next cards put you behind" + cards
                                              : std::to_string(count) + " true outs put you ahead" + cards;
        result.Explanation += ".";
    }
    return result;
}

Verdict checkEquity(std::optional<double> answerPercent, double equity, std::string_view rangeName,
                    std::string_view against) {
    const double off = answerPercent ? std::abs(*answerPercent - 100.0 * equity) : 0.0;
    Verdict result = verdict(QuestionKind::kEquity, answerPercent && off <= kEquityPoints + kNoise,
                             answerPercent ? number(*answerPercent) + "%" : "", percent(equity));
    const std::string range =
        against.empty() ? "the " + std::string(rangeName) + " range" : std::string(against);
    result.Explanation = "Exact equity against " + range + ": " + percent(equity);
    if (answerPercent) result.Explanation += "; you were " + formatFixed(off, 1, ".") + " points off";
    result.Explanation += " (within 5 points is right).";
    return result;
}

Decision rightDecision(double equity, float price) {
    // The price comes in single precision, so an equity exactly at the true price, as a bluff-catcher has
    // against a balanced bet, may lie a rounding below it; it still calls.
    constexpr double kRounding = 1e-7;
    return equity + kRounding >= static_cast<double>(price) ? Decision::kCall : Decision::kFold;
}

Verdict checkDecision(std::optional<Decision> answer, double equity, float price, std::string_view against,
                      const equity::CallValue& value) {
    const Decision truth = rightDecision(equity, price);
    Verdict result = verdict(QuestionKind::kDecision, answer == truth, answer ? decisionName(*answer) : "",
                             decisionName(truth));
    result.Explanation = "Calling needs " + percent(price) + " equity; the exact equity" +
                         (against.empty() ? "" : " against " + std::string(against)) + " is " +
                         percent(equity) +
                         (truth == Decision::kCall ? ", enough: call." : ", too little: fold.");
    if (value.Valid) {
        std::string sentence = value.Sentence;
        if (!sentence.empty())
            sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        result.Explanation += "\n" + sentence + ".";
    }
    return result;
}

Verdict checkStraightOuts(std::optional<double> answer, int statedOuts, std::string_view solution,
                          std::string_view outsText) {
    Verdict result = verdict(QuestionKind::kStraightOuts, answer && std::abs(*answer - statedOuts) < kNoise,
                             answer ? number(*answer) : "", std::to_string(statedOuts));
    result.Explanation = solutionWords(solution) + "\nThe analysis counts:\n" + withPlainLineEnds(outsText);
    return result;
}

} // namespace tavolin::practice
