#include "practice/answer_error.h"

#include "practice/practice_session.h"
#include "practice/straight_drill.h"

#include <algorithm>
#include <cmath>

namespace tavolin::practice {

std::optional<double> answerError(QuestionKind kind, const Answers& answers, const SpotReading& reading,
                                  const Deal& deal, double equity) {
    switch (kind) {
    case QuestionKind::kTier: {
        const auto truth = tierOfLabel(reading.StrengthLabel);
        if (!answers.Strength || !truth) return std::nullopt;
        return std::abs(static_cast<int>(*answers.Strength) - static_cast<int>(*truth));
    }
    case QuestionKind::kOuts:
        if (!answers.Outs) return std::nullopt;
        return std::abs(*answers.Outs - reading.Outs);
    case QuestionKind::kEquity:
        if (!answers.EquityPercent) return std::nullopt;
        return std::abs(*answers.EquityPercent - 100.0 * equity);
    case QuestionKind::kDecision: {
        if (!answers.Call) return std::nullopt;
        if (*answers.Call == rightDecision(equity, priceOfCall(deal.Cards))) return 0.0;
        // The call's expectation against folding.
        const Spot& spot = deal.Cards;
        const double call = std::min(spot.VillainBet, spot.Stack);
        return std::abs(equity * (spot.Pot + spot.VillainBet + call) - call);
    }
    case QuestionKind::kStraightOuts:
        if (!answers.Outs || deal.Example < 0) return std::nullopt;
        return std::abs(*answers.Outs - straightExample(deal.Example).StatedOuts);
    }
    return std::nullopt;
}

} // namespace tavolin::practice
