#include "equity/betting_range.h"
#include "equity/call_value.h"
#include "equity/hand_value.h"
#include "equity/kept_classes.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

CardMask cards(const char* text) {
    return readCardList(text).value();
}

std::size_t slotOf(const char* holding) {
    const CardMask mask = cards(holding);
    return static_cast<std::size_t>(holdingIndex(std::countr_zero(mask), std::bit_width(mask) - 1));
}

HoldingWeights liveRange(const HoldingWeights& weights, CardMask dead) {
    HoldingWeights live{};
    for (int index = 0; index < kHoldingCount; ++index)
        if ((holdingMask(index) & dead) == 0)
            live[static_cast<std::size_t>(index)] = usableWeight(weights[index]);
    return live;
}

double sum(const HoldingWeights& weights) {
    double total = 0.0;
    for (const double weight : weights)
        total += weight;
    return total;
}

// The parts against the range-on-board table, counted its own way; draws bet whole or not at all, never as
// bluffs; and the bluffs are taken weakest first: every other holding left out is at least as strong as every
// bluff.
TEST(BettingRange, SplitsTheRangeAsTheBoardTableDoesAndBluffsWeakestFirst) {
    std::mt19937_64 random(11);
    for (int round = 0; round < 60; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 3, hero);
        const HoldingWeights villain = round % 2 ? anyTwoCards() : randomWeights(random);
        const BettingModel model{static_cast<BoardClass>(round % kMadeClassCount), round % 4 != 0};
        const BettingRange range = bettingRange(hero, board, villain, 100, 10 + round * 3, model);
        SCOPED_TRACE(cardNames(hero) + " | " + cardNames(board) + " | " + range.Model);
        const RangeOnBoard table = rangeOnBoard(hero, board, villain);
        double value = 0.0;
        for (int row = 0; row <= static_cast<int>(model.LowestValue); ++row)
            value += table.Rows[static_cast<std::size_t>(row)].Holdings;
        EXPECT_NEAR(range.Value, value, 1e-9);
        EXPECT_NEAR(range.Holdings, sum(range.Weights), 1e-9);
        if (!range.Narrowed) continue;
        EXPECT_NEAR(range.Value + range.Draws + range.Bluffs, range.Holdings, 1e-9);
        HandValue strongestBluff = 0, weakestLeft = ~HandValue{0};
        for (int index = 0; index < kHoldingCount; ++index) {
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

// Reasoned spots: a monotone flop bets every flush; the bluffs grow with the bet so that bluffs : value =
// bet : pot + bet and the bluff share is the call's price; no bet, or a model under which nothing bets, keeps
// the whole range; the river has no draws; a range short of weak holdings bluffs with all of them.
TEST(BettingRange, FollowsTheBetOnReasonedSpots) {
    const CardMask hero = cards("Ac Qd"), monotone = cards("Ks 8s 4s");
    const HoldingWeights all = anyTwoCards(), live = liveRange(all, hero | monotone);
    double lastBluffs = 0.0;
    for (const double bet : {10.0, 33.0, 50.0, 75.0, 100.0, 150.0, 250.0}) {
        const BettingRange range = bettingRange(hero, monotone, all, 100, bet);
        for (int index = 0; index < kHoldingCount; ++index) {
            const auto classes = classifyHolding(holdingMask(index), monotone);
            if (classes && classes->Made == BoardClass::kFlush) {
                ASSERT_EQ(range.Weights[index], live[index]);
            }
        }
        EXPECT_NEAR(range.Bluffs / range.Value, bet / (100 + bet), 1e-9);
        EXPECT_NEAR(range.BluffShare, bet / (100 + 2 * bet), 1e-9);
        EXPECT_GT(range.Bluffs, lastBluffs);
        lastBluffs = range.Bluffs;
    }
    for (const double bet : {0.0, -5.0, std::nan("")})
        EXPECT_EQ(bettingRange(hero, monotone, all, 100, bet).Weights, live);
    EXPECT_FALSE(bettingRange(hero, monotone, all, std::nan(""), 50).Narrowed);

    const CardMask river = cards("Ks 8s 4s 2h 9c");
    EXPECT_EQ(bettingRange(hero, river, all, 100, 50).Draws, 0.0);
    HoldingWeights weakOnly{};
    weakOnly[slotOf("7d 3h")] = 1.0;
    EXPECT_FALSE(bettingRange(hero, river, weakOnly, 100, 50).Narrowed);
    EXPECT_EQ(bettingRange(hero, river, weakOnly, 100, 50).Weights, weakOnly);
    HoldingWeights shortOfBluffs{};
    shortOfBluffs[slotOf("Kd Kh")] = 1.0;
    shortOfBluffs[slotOf("7d 3h")] = 0.1;
    const BettingRange shortRange = bettingRange(hero, river, shortOfBluffs, 100, 100);
    EXPECT_NEAR(shortRange.Bluffs, 0.1, 1e-12);
    EXPECT_LT(shortRange.BluffShare, 1.0 / 3.0);
    EXPECT_EQ(bettingRange(hero, cards("Ac Ks 8s"), all, 100, 50).Holdings, 0.0);
}

// Every row of the table kept one at a time gives that row's holdings; every made row together, or every
// row, gives back the whole live range.
TEST(KeptClasses, RowsMatchTheTableAndTheirUnionIsTheRange) {
    std::mt19937_64 random(5);
    for (int round = 0; round < 30; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 3, hero);
        const HoldingWeights villain = randomWeights(random);
        const RangeOnBoard table = rangeOnBoard(hero, board, villain);
        for (int row = 0; row < kBoardClassCount; ++row)
            EXPECT_NEAR(sum(keepClasses(hero, board, villain, KeptClasses{}.set(row))),
                        table.Rows[row].Holdings, 1e-9);
        KeptClasses made;
        for (int row = 0; row < kMadeClassCount; ++row)
            made.set(row);
        EXPECT_EQ(keepClasses(hero, board, villain, made), liveRange(villain, hero | board));
        EXPECT_EQ(keepClasses(hero, board, villain, everyClass()), liveRange(villain, hero | board));
    }
    EXPECT_EQ(keptClassesText(KeptClasses{}.set(8).set(12)), "top pair, flush draw");
    EXPECT_EQ(keptClassesText({}), "nothing");
}

// The call's value is above 0 exactly when the equity beats the price, and is the plain
// equity x final pot - call.
TEST(CallValue, SignFollowsThePrice) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    for (int round = 0; round < 10000; ++round) {
        const double call = std::floor(share(random) * 500),
                     win = call + 1 + std::floor(share(random) * 1000);
        const double equity = round % 3 ? share(random) : call / (win + call);
        const CallValue value = callValue(call, win, equity);
        ASSERT_TRUE(value.Valid);
        ASSERT_EQ(value.Chips > 0.0, equity > call / (win + call)) << value.Sentence;
        ASSERT_NEAR(value.Chips, equity * (win + call) - call, 1e-9);
    }
    EXPECT_EQ(callValue(50, 150, 0.41).Sentence, "calling 50 to win 150 with 41% equity: +32 on average");
    for (const double bad : {-1.0, std::nan(""), 2.0})
        EXPECT_FALSE(callValue(50, 150, bad).Valid);
    EXPECT_FALSE(callValue(-50, 150, 0.5).Valid);
}

} // namespace
} // namespace tavolin::equity
