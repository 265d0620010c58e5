#include "equity/exact_equity.h"
#include "tests/equity/random_spots.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// The per-rank-pair enumeration against every holding x every runout, best of seven by the reference:
// random turns and rivers, and flops of one, two and three suits.
TEST(ExactEquity, EqualsThePlainEnumeration) {
    std::mt19937_64 random(7);
    const auto compare = [](CardMask hero, CardMask board, const HoldingWeights& villain) {
        const EquityResult fast = exactEquity(hero, board, villain);
        const EquityResult plain = reference::plainEquity(hero, board, villain);
        ASSERT_NEAR(fast.Win, plain.Win, 1e-12) << std::hex << hero << ' ' << board;
        ASSERT_NEAR(fast.Tie, plain.Tie, 1e-12) << std::hex << hero << ' ' << board;
        int live = 0;
        for (int index = 0; index < kHoldingCount; ++index)
            live +=
                (holdingMask(index) & (hero | board)) == 0 && villain[static_cast<std::size_t>(index)] > 0;
        ASSERT_EQ(fast.Holdings, live);
        const int boardCount = std::popcount(board);
        ASSERT_EQ(fast.Runouts, boardCount == 3 ? 990 : boardCount == 4 ? 44 : 1);
    };
    for (int round = 0; round < 300; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        compare(hero, drawCards(random, round < 40 ? 4 : 5, hero),
                round % 2 == 0 ? anyTwoCards() : randomWeights(random));
    }
    compare(*readCardList("KhQd"), *readCardList("Ah7h2h"), anyTwoCards());
    compare(*readCardList("9s8s"), *readCardList("Ts7d2s"), randomWeights(random));
    compare(*readCardList("AcAd"), *readCardList("JcTh9s"), randomWeights(random));
}

// The hero's win against one holding is that holding's loss against the hero.
TEST(ExactEquity, IsSymmetricBetweenTwoHoldings) {
    std::mt19937_64 random(11);
    for (int round = 0; round < 200; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask villain = drawCards(random, 2, hero);
        const CardMask board = drawCards(random, 3 + round % 3, hero | villain);
        HoldingWeights onlyVillain{}, onlyHero{};
        onlyVillain[static_cast<std::size_t>(
            holdingIndex(std::countr_zero(villain), std::bit_width(villain) - 1))] = 1;
        onlyHero[static_cast<std::size_t>(holdingIndex(std::countr_zero(hero), std::bit_width(hero) - 1))] =
            1;
        const EquityResult forward = exactEquity(hero, board, onlyVillain);
        const EquityResult backward = exactEquity(villain, board, onlyHero);
        EXPECT_NEAR(forward.Win, backward.Lose, 1e-12);
        EXPECT_NEAR(forward.Tie, backward.Tie, 1e-12);
    }
}

TEST(ExactEquity, ReasonedSpots) {
    struct Case {
        const char *Hero, *Board;
        double Win, Tie;
        int Holdings;
    };
    for (const Case& c : {
             Case{"2c3d", "AsKsQsJsTs", 0, 1, 990}, // a royal flush on the board ties every holding
             Case{"AhAd", "AsAcKd7h2c", 1, 0, 990}, // the river nuts win every holding
             Case{"Ah5h", "KhQhJhTh", 1, 0, 1035},  // the royal flush made on the turn
             Case{"AhKh", "QhJh", 0, 0, 0},         // two board cards: refused
             Case{"AhKh", "QhJhAh", 0, 0, 0},       // a card given twice: refused
         }) {
        const EquityResult result = exactEquity(*readCardList(c.Hero), *readCardList(c.Board), anyTwoCards());
        EXPECT_EQ(result.Holdings, c.Holdings) << c.Hero << c.Board;
        EXPECT_NEAR(result.Win, c.Win, 1e-12) << c.Hero << c.Board;
        EXPECT_NEAR(result.Tie, c.Tie, 1e-12) << c.Hero << c.Board;
    }
}

} // namespace
} // namespace tavolin::equity
