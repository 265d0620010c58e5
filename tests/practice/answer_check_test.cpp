#include "practice/answer_check.h"
#include "practice/spot.h"

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

} // namespace
} // namespace tavolin::practice
