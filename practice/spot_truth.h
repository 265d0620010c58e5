#pragma once

#include "equity/betting_range.h"
#include "equity/call_value.h"
#include "equity/next_card.h"
#include "practice/answer_check.h"
#include "practice/spot.h"
#include "practice/spot_reading.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::practice {

// The player's answers to the questions of one spot; an empty field is no answer.
struct Answers {
    std::optional<Tier> Strength;
    std::optional<double> Outs;
    std::optional<double> EquityPercent;
    std::optional<Decision> Call;
};

// What the answers to a dealt spot are judged against, the same in every front end: the part of the
// villain's range that bets the spot's bet by the model (the whole live range when he has not bet or
// nothing bets by the model), the words naming it, the hero's exact equity against it, the call's value in
// chips and, when asked for on a flop or turn, the true outs against it.
struct SpotTruth {
    equity::BettingRange Betting;
    std::string RangeName; // the villain's range as the explanations name it: "Semiloose"
    std::string Against;   // "the 212 holdings of Semiloose that bet here"
    double Equity = 0.0;   // 0..1
    equity::CallValue Call;
    std::optional<equity::TrueOuts> TrueOuts;
};

SpotTruth spotTruth(const Spot& spot, const equity::HoldingWeights& wholeRange, std::string_view rangeName,
                    const equity::BettingModel& model, bool withTrueOuts);

// The verdict on the answer to one of a dealt spot's questions: strength, outs, equity or call. The drill's
// straight outs need its worked example, so a kStraightOuts question is judged wrong here.
Verdict judge(QuestionKind kind, const Answers& answers, const SpotReading& reading, const Spot& spot,
              const SpotTruth& truth);

} // namespace tavolin::practice
