#include "equity/betting_range.h"
#include "equity/call_value.h"
#include "equity/hand_value.h"
#include "equity/kept_classes.h"
#include "tests/equity/reference_evaluator.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// Random spots and models (liveWeight(weights, 0) sums a range): value as the board table counts it, draws
// whole or not at all, bluffs weakest first; each row kept alone is the table's row, every row together the
// live range.
TEST(BettingRange, AgreesWithTheBoardTableAndBluffsWeakestFirst) {
    std::mt19937_64 random(11);
    for (int round = 0; round < 60; ++round) {
        const CardMask hero = drawCards(random, 2, 0), board = drawCards(random, 3 + round % 3, hero);
        const HoldingWeights villain = round % 2 ? anyTwoCards() : randomWeights(random);
        const BettingModel model{static_cast<BoardClass>(round % kMadeClassCount), round % 4 != 0};
        const BettingRange range = bettingRange(hero, board, villain, 100, 10 + round * 3, model);
        SCOPED_TRACE(cardNames(hero) + " | " + cardNames(board) + " | " + range.Model);
        const RangeOnBoard table = rangeOnBoard(hero, board, villain);
        double value = 0.0;
        for (int row = 0; row < kBoardClassCount; ++row) {
            value += row <= static_cast<int>(model.LowestValue) ? table.Rows[row].Holdings : 0.0;
            EXPECT_NEAR(liveWeight(keepClasses(hero, board, villain, KeptClasses{}.set(row)), 0),
                        table.Rows[row].Holdings, 1e-9);
        }
        EXPECT_NEAR(liveWeight(keepClasses(hero, board, villain, everyClass()), 0),
                    liveWeight(villain, hero | board), 1e-9);
        EXPECT_NEAR(range.Value, value, 1e-9);
        const double parts =
            range.Narrowed ? range.Value + range.Draws + range.Bluffs : liveWeight(villain, hero | board);
        EXPECT_TRUE(std::fabs(range.Holdings - parts) < 1e-9 &&
                    std::fabs(liveWeight(range.Weights, 0) - parts) < 1e-9);
        HandValue strongestBluff = 0, weakestLeft = ~HandValue{0};
        for (int index = 0; index < kHoldingCount && range.Narrowed; ++index) {
            const auto classes = classifyHolding(holdingMask(index), board);
            if (!classes || (holdingMask(index) & hero) || classes->Made <= model.LowestValue) continue;
            if (classes->Draw) {
                EXPECT_EQ(range.Weights[index], model.DrawsBet ? villain[index] : 0.0);
                continue;
            }
            const HandValue strength = handValue(holdingMask(index) | board);
            if (range.Weights[index] > 0.0) strongestBluff = std::max(strongestBluff, strength);
            if (range.Weights[index] < villain[index]) weakestLeft = std::min(weakestLeft, strength);
        }
        EXPECT_LE(strongestBluff, weakestLeft);
    }
}

// A monotone flop bets every flush; bluffs : value = bet : pot + bet; no bet, or nothing that bets, keeps the
// whole range; no draws on the river; a range short of weak holdings bluffs with all it has.
TEST(BettingRange, FollowsTheBetOnReasonedSpots) {
    const CardMask hero = *readCardList("Ac Qd"), monotone = *readCardList("Ks 8s 4s"),
                   river = *readCardList("Ks 8s 4s 2h 9c");
    const HoldingWeights all = anyTwoCards();
    double lastBluffs = 0.0;
    for (const double bet : {10.0, 33.0, 50.0, 75.0, 100.0, 150.0, 250.0}) {
        const BettingRange range = bettingRange(hero, monotone, all, 100, bet);
        for (int index = 0; index < kHoldingCount; ++index) {
            const auto classes = classifyHolding(holdingMask(index), monotone);
            ASSERT_TRUE(!classes || classes->Made != BoardClass::kFlush || range.Weights[index] == 1.0);
        }
        EXPECT_NEAR(range.Bluffs / range.Value, bet / (100 + bet), 1e-9);
        EXPECT_NEAR(range.BluffShare, bet / (100 + 2 * bet), 1e-9);
        EXPECT_GT(range.Bluffs, std::exchange(lastBluffs, range.Bluffs));
    }
    for (const double bet : {0.0, -5.0, std::nan("")})
        EXPECT_EQ(liveWeight(bettingRange(hero, monotone, all, 100, bet).Weights, 0),
                  liveWeight(all, hero | monotone));
    EXPECT_EQ(bettingRange(hero, river, all, 100, 50).Draws, 0.0);
    const HoldingWeights weak = onlyHolding(*readCardList("7d 3h"));
    EXPECT_EQ(bettingRangeWords(bettingRange(hero, river, weak, 100, 50), "Fish!"), "the 1 holding of Fish!");
    HoldingWeights shortOfBluffs{};
    std::ranges::transform(onlyHolding(*readCardList("Kd Kh")), weak, shortOfBluffs.begin(),
                           [](double value, double bluff) { return value + bluff / 10; });
    const BettingRange shortRange = bettingRange(hero, river, shortOfBluffs, 100, 100);
    EXPECT_NEAR(shortRange.Bluffs, 0.1, 1e-12);
    EXPECT_EQ(bettingRangeWords(shortRange, "Nit"), "the 1.1 holdings of Nit that bet here");
    EXPECT_EQ(bettingRange(hero, *readCardList("Ac Ks 8s"), all, 100, 50).Holdings, 0.0);
}

// The call's value is above 0 exactly when the equity beats the price, and is equity x final pot - call.
TEST(CallValue, SignFollowsThePrice) {
    std::mt19937_64 random(3);
    const auto share = [&random] { return static_cast<double>(random() % 100001) / 100000; };
    for (int round = 0; round < 10000; ++round) {
        const double call = std::floor(share() * 500), win = call + 1 + std::floor(share() * 1000);
        const double equity = round % 3 ? share() : call / (win + call);
        const CallValue value = callValue(call, win, equity);
        ASSERT_EQ(value.Chips > 0.0, equity > call / (win + call)) << value.Sentence;
        ASSERT_NEAR(value.Chips, equity * (win + call) - call, 1e-9);
    }
    EXPECT_EQ(callValue(50, 150, 0.41).Sentence, "calling 50 to win 150 with 41% equity: +32 on average");
    EXPECT_FALSE(callValue(50, 150, std::nan("")).Valid || callValue(-50, 150, 0.5).Valid);
}

} // namespace
} // namespace tavolin::equity
