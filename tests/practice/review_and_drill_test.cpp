#include "practice/practice_session.h"
#include "practice/spot_kind_dealer.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavolin::practice {
namespace {

// A drill deals what the kind's own dealer deals, whatever the session's own filter.
TEST(PracticeSession, DrillDealsWhatTheKindsDealerDeals) {
    const auto kind = readSpotKind("flop", "flush", "", "within 5");
    ASSERT_TRUE(kind);
    PracticeSession drilling(SessionSettings{8, false, {}, {Street::kTurn, {}, {}}, {}});
    drilling.drill(*kind);
    SpotKindDealer reference(8, *kind);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(drilling.deal().Cards, *reference.next());
        EXPECT_EQ(drilling.current().Source, DealSource::kDrill);
    }
    // The straight-draw drill has only its worked examples to ask about: no review spot comes in.
    PracticeSession examples(SessionSettings{8, true, {}, {}, {}});
    examples.queueReview({drilling.current().Cards});
    EXPECT_GE(examples.deal().Example, 0);
}

// Over many spots and answers near the truth, an answer's error is nothing exactly when it is right (for
// the equity: within its tolerance), and a missing answer has no error.
TEST(PracticeSession, AnErrorIsNothingExactlyWhenTheAnswerIsRight) {
    PracticeSession session(SessionSettings{});
    for (int i = 0; i < 60; ++i) {
        session.deal();
        const SpotReading& reading = session.reading();
        const Tier tier = *tierOfLabel(reading.StrengthLabel);
        Answers answers;
        answers.Strength = static_cast<Tier>((static_cast<int>(tier) + i % 3) % kTierCount);
        answers.Outs = reading.Outs + (i % 4 == 0 ? 1 : 0);
        answers.EquityPercent = 40.0 + i % 30;
        if (i % 5 != 0) answers.Call = i % 2 == 0 ? Decision::kCall : Decision::kFold;
        const std::vector<Verdict>& verdicts = session.reveal(answers);
        ASSERT_EQ(session.errors().size(), verdicts.size());
        for (std::size_t q = 0; q < verdicts.size(); ++q) {
            const auto error = session.errors()[q];
            if (verdicts[q].Kind == QuestionKind::kDecision && !answers.Call) {
                EXPECT_FALSE(error);
                continue;
            }
            ASSERT_TRUE(error);
            // At exactly the price a call wins nothing on average, so folding there is wrong at no cost.
            const bool breakEven = verdicts[q].Kind == QuestionKind::kDecision &&
                                   std::abs(*session.equity() - priceOfCall(session.current().Cards)) < 1e-6;
            const double tolerance =
                verdicts[q].Kind == QuestionKind::kEquity ? kEquityPoints : breakEven ? 1e-9 : 0.0;
            EXPECT_EQ(verdicts[q].Right || breakEven, *error <= tolerance)
                << questionName(verdicts[q].Kind) << " " << *error;
        }
    }
}

} // namespace
} // namespace tavolin::practice
