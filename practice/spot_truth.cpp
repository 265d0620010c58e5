#include "practice/spot_truth.h"

#include "equity/exact_equity.h"

#include <algorithm>

namespace tavolin::practice {

SpotTruth spotTruth(const Spot& spot, const equity::HoldingWeights& wholeRange, std::string_view rangeName,
                    const equity::BettingModel& model, bool withTrueOuts) {
    SpotTruth truth;
    truth.Betting =
        equity::bettingRange(holeMask(spot), boardMask(spot), wholeRange, spot.Pot, spot.VillainBet, model);
    truth.RangeName = rangeName;
    truth.Against = equity::bettingRangeWords(truth.Betting, rangeName);
    // Holdings 0: cards the model refuses, where the whole range still gives exactEquity's answer.
    const equity::HoldingWeights& faced = truth.Betting.Holdings > 0.0 ? truth.Betting.Weights : wholeRange;
    truth.Equity = equity::exactEquity(holeMask(spot), boardMask(spot), faced).Equity;
    const int call = std::min(spot.VillainBet, spot.Stack);
    truth.Call = equity::callValue(call, spot.Pot + call, truth.Equity);
    if (withTrueOuts && spot.BoardCount < 5)
        truth.TrueOuts = equity::trueOuts(equity::nextCardEquities(holeMask(spot), boardMask(spot), faced));
    return truth;
}

Verdict judge(QuestionKind kind, const Answers& answers, const SpotReading& reading, const Spot& spot,
              const SpotTruth& truth) {
    switch (kind) {
    case QuestionKind::kTier:
        return checkTier(answers.Strength, reading.StrengthLabel, truth.Equity, truth.Against);
    case QuestionKind::kOuts:
        return checkOuts(answers.Outs, reading.Outs, reading.OutsText, truth.TrueOuts, truth.Against);
    case QuestionKind::kEquity:
        return checkEquity(answers.EquityPercent, truth.Equity, truth.RangeName, truth.Against);
    case QuestionKind::kDecision:
        return checkDecision(answers.Call, truth.Equity, priceOfCall(spot), truth.Against, truth.Call);
    case QuestionKind::kStraightOuts:
        break;
    }
    Verdict unjudged;
    unjudged.Kind = kind;
    return unjudged;
}

} // namespace tavolin::practice
