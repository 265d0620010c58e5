#include "equity/exact_equity.h"
#include "practice/practice_session.h"
#include "practice/straight_drill.h"
#include "ranges/profiles.h"

#include <gtest/gtest.h>
#include <set>

namespace tavolin::practice {
namespace {

SessionSettings riverSpots(std::uint64_t seed, std::vector<QuestionKind> questions) {
    SessionSettings settings;
    settings.Seed = seed;
    settings.Questions = std::move(questions);
    settings.Filter.OnStreet = Street::kRiver;
    return settings;
}

Answers outsOnly(float outs) {
    Answers answers;
    answers.Outs = outs;
    return answers;
}

// One pass of the drill shows every worked example once, and the analysis' own outs are the stated answer.
TEST(PracticeSession, StraightDrillPassesEveryExampleOnce) {
    SessionSettings drill;
    drill.Seed = 3;
    drill.StraightDrill = true;
    PracticeSession session(drill);
    std::set<int> shown;
    for (int i = 0; i < kStraightExampleCount; ++i) {
        const Deal& deal = session.deal();
        shown.insert(deal.Example);
        EXPECT_EQ(deal.Cards, straightExample(deal.Example).Cards);
        EXPECT_TRUE(session.reveal(outsOnly(session.reading().Outs))[0].Right) << describeSpot(deal.Cards);
    }
    EXPECT_EQ(shown.size(), 96u);
    EXPECT_EQ(session.score().of(QuestionKind::kStraightOuts).Right, 96);
    EXPECT_EQ(session.score().streak(), 96);
    EXPECT_TRUE(session.missed().empty());
}

// A spot answered wrongly waits on the missed list; retried and answered with the truth, it leaves it.
TEST(PracticeSession, MissedSpotsComeBackUntilAnsweredRight) {
    PracticeSession session(riverSpots(11, SessionSettings{}.Questions));
    const Spot first = session.deal().Cards;
    EXPECT_EQ(session.reveal({}).size(), 4u);
    EXPECT_EQ(session.missed().size(), 1u);
    EXPECT_EQ(session.score().streak(), 0);
    session.deal();

    EXPECT_EQ(session.retry().Cards, first);
    EXPECT_TRUE(session.missed().empty());
    const SpotReading& reading = session.reading();
    PracticeSession oracle(riverSpots(11, {QuestionKind::kEquity}));
    oracle.deal();
    oracle.reveal({});
    const double equity = *oracle.equity();
    const Answers right{tierOfLabel(reading.StrengthLabel), reading.Outs, 100.0 * equity,
                        rightDecision(equity, priceOfCall(first))};
    for (const Verdict& verdict : session.reveal(right))
        EXPECT_TRUE(verdict.Right) << questionName(verdict.Kind) << ": " << verdict.Explanation;
    EXPECT_TRUE(session.missed().empty());
    // The spot was scored when first answered; the retry does not score it again.
    EXPECT_EQ(session.score().of(QuestionKind::kEquity).Wrong, 1);
    EXPECT_EQ(session.score().of(QuestionKind::kEquity).Right, 0);
}

// Facing a bet, the equity and the call are judged against the part of the villain's range that bets, worked
// out here from the model directly, and every verdict says which range that is.
TEST(PracticeSession, BetsAreJudgedAgainstTheRangeThatBets) {
    SessionSettings settings;
    settings.Seed = 5;
    settings.Betting.LowestValue = equity::BoardClass::kSecondPair;
    PracticeSession session(settings);
    int narrowed = 0;
    for (int i = 0; i < 12; ++i) {
        const Spot spot = session.deal().Cards;
        const auto betting =
            equity::bettingRange(holeMask(spot), boardMask(spot), ranges::profileRange(spot.PreflopProfile),
                                 spot.Pot, spot.VillainBet, settings.Betting);
        const double truth = equity::exactEquity(holeMask(spot), boardMask(spot), betting.Weights).Equity;
        const std::string words =
            equity::bettingRangeWords(betting, std::string(ranges::profileName(spot.PreflopProfile)));
        narrowed += betting.Narrowed ? 1 : 0;
        const std::vector<Verdict>& verdicts = session.reveal({});
        ASSERT_TRUE(session.equity());
        EXPECT_NEAR(*session.equity(), truth, 1e-12) << describeSpot(spot);
        EXPECT_EQ(session.against(), words);
        for (const Verdict& verdict : verdicts) {
            // On the river there are no true outs to set beside the rule's.
            if (verdict.Kind == QuestionKind::kOuts && spot.BoardCount == 5) continue;
            EXPECT_NE(verdict.Explanation.find(words), std::string::npos) << verdict.Explanation;
        }
        const std::string& call = verdicts.back().Explanation;
        EXPECT_EQ(call.find("on average") != std::string::npos, spot.VillainBet > 0) << call;
        EXPECT_EQ(verdicts.back().Truth,
                  rightDecision(truth, priceOfCall(spot)) == Decision::kCall ? "call" : "fold");
    }
    EXPECT_GT(narrowed, 6);
}

} // namespace
} // namespace tavolin::practice
