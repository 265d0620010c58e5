#include "practice/practice_session.h"
#include "practice/spot_kind_dealer.h"

#include <gtest/gtest.h>

namespace tavolin::practice {
namespace {

SessionSettings turnSpots(std::uint64_t seed) {
    SessionSettings settings;
    settings.Seed = seed;
    settings.Filter.OnStreet = Street::kTurn;
    return settings;
}

// Spots due for review come first, in order; then the session deals exactly what it would have without.
TEST(PracticeSession, ReviewSpotsComeFirstThenTheUsualDeals) {
    PracticeSession plain(turnSpots(4));
    const Spot a = plain.deal().Cards;
    const Spot b = plain.deal().Cards;
    PracticeSession reviewing(turnSpots(4));
    reviewing.queueReview({b, a});
    EXPECT_EQ(reviewing.reviewLeft(), 2u);
    EXPECT_EQ(reviewing.deal().Cards, b);
    EXPECT_EQ(reviewing.current().Source, DealSource::kReview);
    EXPECT_EQ(reviewing.deal().Cards, a);
    EXPECT_EQ(reviewing.deal().Cards, a);
    EXPECT_EQ(reviewing.current().Source, DealSource::kDealt);
    EXPECT_EQ(reviewing.deal().Cards, b);
}

// A drill deals what the kind's own dealer deals; a kind too rare to deal falls back to the usual spots.
TEST(PracticeSession, DrillDealsTheKindsSpotsAndFallsBackWhenNoneCanBeFound) {
    const auto kind = readSpotKind("flop", "flush", "", "within 5");
    ASSERT_TRUE(kind);
    PracticeSession drilling(turnSpots(8));
    drilling.drill(*kind);
    SpotKindDealer reference(8, *kind);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(drilling.deal().Cards, *reference.next());
        EXPECT_EQ(drilling.current().Source, DealSource::kDrill);
    }
    PracticeSession impossible(turnSpots(8));
    impossible.drill(*readSpotKind("river", "", "NUTS", "fold by 15+"));
    EXPECT_EQ(impossible.deal().Cards, PracticeSession(turnSpots(8)).deal().Cards);
    EXPECT_EQ(impossible.current().Source, DealSource::kDealt);
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
            const double tolerance = verdicts[q].Kind == QuestionKind::kEquity ? kEquityPoints : 0.0;
            EXPECT_EQ(verdicts[q].Right, *error <= tolerance)
                << questionName(verdicts[q].Kind) << " " << *error;
        }
    }
}

} // namespace
} // namespace tavolin::practice
