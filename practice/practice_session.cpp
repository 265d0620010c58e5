#include "practice/practice_session.h"

#include "equity/exact_equity.h"
#include "practice/answer_error.h"
#include "practice/straight_drill.h"
#include "ranges/profiles.h"

#include <algorithm>
#include <numeric>

namespace tavolin::practice {

PracticeSession::PracticeSession(SessionSettings settings)
    : Settings(std::move(settings)), Dealer(Settings.Seed, Settings.Filter), DrillOrder(Settings.Seed) {
    // The drill's question needs a worked example to check against.
    std::erase(Settings.Questions, QuestionKind::kStraightOuts);
    std::iota(Examples.begin(), Examples.end(), 0);
    DrillOrder.shuffle(Examples, kStraightExampleCount);
}

const std::vector<QuestionKind>& PracticeSession::questions() const {
    return Settings.StraightDrill ? DrillQuestions : Settings.Questions;
}

const Deal& PracticeSession::deal() {
    // The drill asks about its worked examples only.
    if (!Review.empty() && !Settings.StraightDrill) {
        const Spot due = Review.front();
        Review.pop_front();
        return start(Deal{due, -1, DealSource::kReview});
    }
    if (KindDealer) {
        if (const auto spot = KindDealer->next()) return start(Deal{*spot, -1, DealSource::kDrill});
        KindDealer.reset(); // too rare to deal: fresh spots of any kind instead
    }
    if (!Settings.StraightDrill) return start(Deal{Dealer.next(), -1});
    // Each pass over the examples takes a new order.
    if (NextExample == kStraightExampleCount) {
        NextExample = 0;
        DrillOrder.shuffle(Examples, kStraightExampleCount);
    }
    const int example = Examples[static_cast<std::size_t>(NextExample++)];
    Deal next{straightExample(example).Cards, example};
    next.Cards.PreflopProfile = std::clamp(Settings.Filter.PreflopProfile.value_or(1), 0, 3);
    return start(next);
}

const Deal& PracticeSession::retry() {
    if (Missed.empty()) return deal();
    Deal oldest = Missed.front();
    Missed.erase(Missed.begin());
    oldest.Retry = true;
    return start(oldest);
}

void PracticeSession::queueReview(const std::vector<Spot>& spots) {
    Review.assign(spots.begin(), spots.end());
}

void PracticeSession::drill(const SpotKind& kind) {
    KindDealer.emplace(Settings.Seed, kind);
    Settings.StraightDrill = false;
}

const Deal& PracticeSession::start(Deal deal) {
    Current = deal;
    Reading = readSpot(Current.Cards);
    Revealed = false;
    Verdicts.clear();
    Errors.clear();
    Equity.reset();
    Against.clear();
    TrueOuts.reset();
    return Current;
}

const std::vector<Verdict>& PracticeSession::reveal(const Answers& answers) {
    if (Revealed) return Verdicts;
    Revealed = true;
    const std::vector<QuestionKind>& asked = questions();
    const Spot& spot = Current.Cards;
    const equity::HoldingWeights& whole = villainRange(spot.PreflopProfile);
    if (Settings.StraightDrill) {
        // The journal keeps every spot's exact equity, asked about or not. The drill asks its one question.
        Equity = equity::exactEquity(holeMask(spot), boardMask(spot), whole).Equity;
        const StraightExample example = straightExample(Current.Example);
        Verdicts.push_back(
            checkStraightOuts(answers.Outs, example.StatedOuts, example.Solution, Reading.OutsText));
    } else {
        const bool asksOuts = std::find(asked.begin(), asked.end(), QuestionKind::kOuts) != asked.end();
        const SpotTruth truth = spotTruth(spot, whole, rangeName(), Settings.Betting, asksOuts);
        Equity = truth.Equity;
        Against = truth.Against;
        TrueOuts = truth.TrueOuts;
        for (const QuestionKind kind : asked)
            Verdicts.push_back(judge(kind, answers, Reading, spot, truth));
    }
    for (const Verdict& verdict : Verdicts) {
        if (!Current.Retry) Score.record(verdict);
        Errors.push_back(answerError(verdict.Kind, answers, Reading, Current, *Equity));
    }
    const bool allRight =
        std::all_of(Verdicts.begin(), Verdicts.end(), [](const Verdict& v) { return v.Right; });
    if (!allRight) Missed.push_back(Current);
    return Verdicts;
}

const equity::HoldingWeights& PracticeSession::villainRange(int preflopProfile) {
    auto& range = ProfileRanges[static_cast<std::size_t>(preflopProfile)];
    if (!range) range = ranges::profileRange(preflopProfile);
    return *range;
}

std::string PracticeSession::rangeName() const {
    return std::string(ranges::profileName(Current.Cards.PreflopProfile));
}

} // namespace tavolin::practice
