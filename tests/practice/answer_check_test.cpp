#include "practice/answer_check.h"
#include "practice/spot.h"
#include "practice/spot_reading.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavolin::practice {
namespace {

// Within 5 points is right, exactly 5 off included, from either side; no answer is wrong.
TEST(AnswerCheck, EquityIsRightWithinFivePoints) {
    struct Case {
        double Equity;
        std::optional<double> Answer;
        bool Right;
    };
    const Case cases[] = {
        {0.40, 35.0, true},  {0.40, 45.0, true},      {0.40, 34.9, false},
        {0.40, 45.1, false}, {0.07, 2.0, true},       {0.07, 12.1, false},
        {0.40, {}, false},   {1.0 / 3.0, 28.4, true}, {1.0 / 3.0, 38.4, false},
    };
    for (const Case& c : cases) {
        const Verdict verdict = checkEquity(c.Answer, c.Equity, "Loose");
        EXPECT_EQ(verdict.Right, c.Right)
            << c.Equity << " " << c.Answer.value_or(-1) << ": " << verdict.Explanation;
    }
}

// The price is the report's PME(+1Card), with the call capped by the stack; an equity exactly at the price
// calls, the next double below it folds.
TEST(AnswerCheck, CallingIsRightFromExactlyThePrice) {
    struct Case {
        int Pot, Bet, Stack;
        float Price;
    };
    const Case cases[] = {{100, 50, 500, 0.25f}, {120, 90, 30, 30.0f / 180.0f}, {300, 100, 100, 0.2f}};
    for (const Case& c : cases) {
        Spot spot;
        spot.Pot = c.Pot;
        spot.VillainBet = c.Bet;
        spot.Stack = c.Stack;
        const float price = priceOfCall(spot);
        EXPECT_EQ(price, c.Price);
        const double atPrice = price;
        const double below = std::nextafter(atPrice, 0.0);
        EXPECT_TRUE(checkDecision(Decision::kCall, atPrice, price).Right);
        EXPECT_FALSE(checkDecision(Decision::kFold, atPrice, price).Right);
        EXPECT_TRUE(checkDecision(Decision::kFold, below, price).Right);
        EXPECT_FALSE(checkDecision(Decision::kCall, below, price).Right);
        EXPECT_FALSE(checkDecision(std::nullopt, atPrice, price).Right);
    }
}

// Every label prefix the strength rules write has its tier; both nuts labels are the nuts.
TEST(AnswerCheck, TiersAndOutsFollowTheReport) {
    struct Case {
        const char* Label;
        Tier Truth;
    };
    const Case cases[] = {
        {"NOTHING", Tier::kNothing},
        {"WEAK: BOTTOM PAIR", Tier::kWeak},
        {"MEDIUM: MIDDLE PAIR", Tier::kMedium},
        {"STRONG: TOP PAIR TOP KICKER", Tier::kStrong},
        {"VERY STRONG: SET", Tier::kVeryStrong},
        {"NUTS ON HAND: MAX FLUSH", Tier::kNuts},
        {"NUTS ON BOARD: ROYAL FLUSH", Tier::kNuts},
    };
    for (const Case& c : cases) {
        for (int t = 0; t < kTierCount; ++t) {
            const auto tier = static_cast<Tier>(t);
            EXPECT_EQ(tierOfKey(tierKey(tier)), tier);
            EXPECT_EQ(checkTier(tier, c.Label).Right, tier == c.Truth) << c.Label << " " << tierName(tier);
        }
    }
    EXPECT_FALSE(checkTier(std::nullopt, "NOTHING").Right);

    EXPECT_TRUE(checkOuts(1.5, 1.5f, "").Right);
    EXPECT_TRUE(checkOuts(-2.0, -2.0f, "").Right);
    EXPECT_FALSE(checkOuts(2.0, 1.5f, "").Right);
    EXPECT_FALSE(checkOuts(std::nullopt, 0.0f, "No Projects").Right);
}

// The outs verdict names, under each rule line, the cards that line counted, in the terminal and the window
// alike: both ends of the straight draw and the overcards' ranks, never a card on the table.
TEST(AnswerCheck, OutsVerdictNamesTheCardsEachLineCounted) {
    const Spot spot{{Card(9, 1).index(), Card(8, 1).index()},
                    {Card(7, 2).index(), Card(6, 3).index(), Card(2, 0).index(), 0, 0},
                    3};
    const SpotReading reading = readSpot(spot);
    EXPECT_EQ(
        checkOuts(12.0, reading.Outs, reading.OutsText).Explanation,
        "The report counts 12 outs:\n"
        "2 Overcards and dry board (4 Outs): 6 cards (8s 9s 8c 9c 8d 9d)\n"
        "Open straight project with 2 cards on hand and no pair or flush project on board (8 Outs): 8 cards "
        "(5s Ts 5h Th 5c Tc 5d Td)");
    ASSERT_EQ(reading.OutsCards.size(), 2u);
}

} // namespace
} // namespace tavolin::practice
