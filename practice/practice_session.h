#pragma once

#include "equity/betting_range.h"
#include "equity/holdings.h"
#include "practice/answer_check.h"
#include "practice/session_score.h"
#include "practice/spot_dealer.h"
#include "practice/spot_kind_dealer.h"
#include "practice/spot_reading.h"
#include "practice/spot_truth.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace tavolin::practice {

struct SessionSettings {
    std::uint64_t Seed = 1;
    bool StraightDrill = false; // the worked straight-draw examples instead of dealt spots
    std::vector<QuestionKind> Questions{QuestionKind::kTier, QuestionKind::kOuts, QuestionKind::kEquity,
                                        QuestionKind::kDecision}; // asked on each dealt spot, in this order
    SpotFilter Filter;                                            // the drill reads only its profile
    // When the villain has bet, the equity and call questions are judged against the part of his range that
    // bets by this model.
    equity::BettingModel Betting;
};

// Where a deal came from: fresh from the dealer, of a drilled kind, or a spot due for review.
enum class DealSource { kDealt, kDrill, kReview };

struct Deal {
    Spot Cards;
    int Example = -1; // the straight-draw example shown, -1 for a dealt spot
    DealSource Source = DealSource::kDealt;
    bool Retry = false; // a missed spot dealt again: its answers were scored the first time
};

// A practice session: deals spots, asks the chosen questions, checks the answers against the report and
// the spot's truth (see spot_truth.h), and keeps the score and the spots missed. Nothing is written anywhere.
class PracticeSession {
public:
    explicit PracticeSession(SessionSettings settings);

    // A fresh spot, or the next example of the drill.
    const Deal& deal();
    // The oldest missed spot again (it leaves the missed list, and its answers leave the score as it is); a
    // fresh one when none is missed.
    const Deal& retry();
    // These spots come before any fresh one, in order (the spots due for review); not in the drill.
    void queueReview(const std::vector<Spot>& spots);
    // Fresh spots are of this kind from now on, while the kind can be dealt at all.
    void drill(const SpotKind& kind);

    const Deal& current() const { return Current; }
    const SpotReading& reading() const { return Reading; }
    const std::vector<QuestionKind>& questions() const;
    const SessionSettings& settings() const { return Settings; }

    // Checks every question of the current deal once; later calls before the next deal change nothing.
    // Any wrong answer puts the deal on the missed list.
    const std::vector<Verdict>& reveal(const Answers& answers);
    bool revealed() const { return Revealed; }
    const std::vector<Verdict>& verdicts() const { return Verdicts; }
    // The exact equity against the range the spot is judged against (the drill's: the villain's whole range);
    // known once revealed.
    std::optional<double> equity() const { return Equity; }
    // How far each answer was from the truth, by verdict, in the question's unit; none without an answer.
    const std::vector<std::optional<double>>& errors() const { return Errors; }
    // The range that equity is against, in words ("the 212 holdings of Semiloose that bet here").
    const std::string& against() const { return Against; }
    // The true outs against that range; known once revealed when the outs question was asked on a flop or
    // turn.
    const std::optional<equity::TrueOuts>& trueOuts() const { return TrueOuts; }

    const SessionScore& score() const { return Score; }
    const std::vector<Deal>& missed() const { return Missed; }

private:
    const Deal& start(Deal deal);
    const equity::HoldingWeights& villainRange(int preflopProfile);
    std::string rangeName() const;

    SessionSettings Settings;
    SpotDealer Dealer;
    std::optional<SpotKindDealer> KindDealer;
    std::deque<Spot> Review;
    RandomSource DrillOrder;
    std::array<int, 96> Examples{};
    int NextExample = 0;
    std::vector<QuestionKind> DrillQuestions{QuestionKind::kStraightOuts};
    std::array<std::optional<equity::HoldingWeights>, 4> ProfileRanges;

    Deal Current;
    SpotReading Reading;
    bool Revealed = false;
    std::vector<Verdict> Verdicts;
    std::vector<std::optional<double>> Errors;
    std::optional<double> Equity;
    std::string Against;
    std::optional<equity::TrueOuts> TrueOuts;
    SessionScore Score;
    std::vector<Deal> Missed;
};

} // namespace tavolin::practice
