#pragma once

#include "equity/call_value.h"
#include "equity/next_card.h"
#include "practice/strength_tier.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::practice {

enum class QuestionKind { kTier, kOuts, kEquity, kDecision, kStraightOuts };
constexpr int kQuestionKindCount = 5;

// "Strength", "Outs", "Equity", "Call or fold", "Straight outs".
std::string_view questionName(QuestionKind kind);

enum class Decision { kCall, kFold };

// The outcome of one answer. An unanswered question is wrong.
struct Verdict {
    QuestionKind Kind = QuestionKind::kTier;
    bool Right = false;
    std::string Answer;      // what the player said, empty for no answer
    std::string Truth;       // the right answer, short: "STRONG", "8", "37.2%", "call"
    std::string Explanation; // why, in a sentence or a few lines
};

// Right when the tier is the one the report's label begins with. With the exact equity known, the
// explanation sets it beside the label, which grades the made hand, not its chances.
Verdict checkTier(std::optional<Tier> answer, std::string_view strengthLabel,
                  std::optional<double> equity = std::nullopt, std::string_view against = {});

// The report's outs lines (separated by CR LF) with the unseen cards each counted after it, one mask per
// line: "Flush project with 2 cards on hand and no pair on board (9 Outs): 9 cards (2h 3h 4h 5h 6h 8h 9h Jh
// Qh)".
std::string outsLinesWithCards(std::string_view outsText, const std::vector<CardMask>& lineCards);

// Right when the number is the report's outs exactly. With the true outs known (the flop and the turn), the
// explanation names those cards beside the rule's count, against the range `against` names.
Verdict checkOuts(std::optional<double> answer, float outs, std::string_view outsText,
                  const std::optional<equity::TrueOuts>& trueOuts = std::nullopt,
                  std::string_view against = {});

// Right when the answer, in percent, lies within kEquityPoints of the exact equity; exactly that far is
// right. `against` names the range in words ("the 212 holdings of Semiloose that bet here"); empty, the
// explanation names "the <rangeName> range".
constexpr double kEquityPoints = 5.0;
Verdict checkEquity(std::optional<double> answerPercent, double equity, std::string_view rangeName,
                    std::string_view against = {});

// Calling is right when the exact equity is at least the price of the call; at exactly the price, too.
Decision rightDecision(double equity, float price);
// With `against` and a valid `value`, the explanation names the range and the call's value in chips.
Verdict checkDecision(std::optional<Decision> answer, double equity, float price,
                      std::string_view against = {}, const equity::CallValue& value = {});

// The drill's outs: right when the number is the example's stated total.
Verdict checkStraightOuts(std::optional<double> answer, int statedOuts, std::string_view solution,
                          std::string_view outsText);

} // namespace tavolin::practice
