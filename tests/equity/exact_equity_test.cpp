#include "equity/exact_equity.h"
#include "equity/next_card.h"
#include "tests/equity/random_spots.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// The per-rank-pair enumeration against every holding x every runout, best of seven by the reference:
// random turns and rivers, flops of one, two and three suits; and the hero's win against one holding is
// that holding's loss against the hero.
TEST(ExactEquity, EqualsThePlainEnumerationAndIsSymmetric) {
    std::mt19937_64 random(7);
    const auto compare = [](CardMask hero, CardMask board, const HoldingWeights& villain) {
        const EquityResult fast = exactEquity(hero, board, villain);
        const EquityResult plain = reference::plainEquity(hero, board, villain);
        ASSERT_NEAR(fast.Win, plain.Win, 1e-12) << std::hex << hero << ' ' << board;
        ASSERT_NEAR(fast.Tie, plain.Tie, 1e-12) << std::hex << hero << ' ' << board;
        ASSERT_DOUBLE_EQ(fast.Weight, liveWeight(villain, hero | board));
        ASSERT_EQ(fast.Runouts, std::popcount(board) == 3 ? 990 : std::popcount(board) == 4 ? 44 : 1);
    };
    for (int round = 0; round < 300; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask villain = drawCards(random, 2, hero);
        const CardMask board = drawCards(random, round < 40 ? 4 : 5, hero | villain);
        compare(hero, board, round % 2 == 0 ? anyTwoCards() : randomWeights(random));
        const EquityResult forward = exactEquity(hero, board, onlyHolding(villain));
        EXPECT_NEAR(forward.Win, exactEquity(villain, board, onlyHolding(hero)).Lose, 1e-12);
    }
    compare(*readCardList("KhQd"), *readCardList("Ah7h2h"), anyTwoCards());
    compare(*readCardList("9s8s"), *readCardList("Ts7d2s"), randomWeights(random));
    compare(*readCardList("AcAd"), *readCardList("JcTh9s"), randomWeights(random));
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

// Each card's equity is the exact equity with that card dealt, and the true outs follow their definition.
TEST(NextCard, EachCardEqualsTheSpotWithItDealt) {
    std::mt19937_64 random(5);
    for (int round = 0; round < 30; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 2, hero);
        const HoldingWeights villain = round % 3 == 0 ? anyTwoCards() : randomWeights(random);
        const NextCardEquities next = nextCardEquities(hero, board, villain);
        const TrueOuts outs = trueOuts(next);
        ASSERT_EQ(next.Unseen, showdown::kFullDeck & ~(hero | board));
        EXPECT_NEAR(next.Now, exactEquity(hero, board, villain).Equity, 1e-12);
        EXPECT_EQ(outs.Ahead, next.Now >= 0.5);
        for (int card = 0; card < kDeckSize; ++card) {
            const bool unseen = (next.Unseen & maskOf(card)) != 0;
            const double equity = unseen ? exactEquity(hero, board | maskOf(card), villain).Equity : 0.0;
            EXPECT_NEAR(next.Equity[static_cast<std::size_t>(card)], equity, 1e-12) << cardName(card);
            EXPECT_EQ((outs.Cards & maskOf(card)) != 0, unseen && (equity < 0.5) == outs.Ahead);
        }
    }
}

TEST(NextCard, ReasonedOuts) {
    struct Case {
        const char *Hero, *Board, *Villain, *Outs;
        bool Ahead;
    };
    for (const Case& c : {
             Case{"9h8h", "7h6h5h", "", "", true}, // a made straight flush: no card puts it behind
             Case{"9c8d", "JsTh2c3d", "2h2d", "QsQhQcQd7s7h7c7d", false}, // open-ended vs a set
             Case{"AhKd", "QsTc3h", "3s3d", "JsJhJcJd", false},           // the nut gutshot vs a set
         }) {
        const CardMask villain = *readCardList(c.Villain);
        const auto next = nextCardEquities(*readCardList(c.Hero), *readCardList(c.Board),
                                           villain == 0 ? anyTwoCards() : onlyHolding(villain));
        EXPECT_EQ(trueOuts(next).Ahead, c.Ahead) << c.Hero << c.Board;
        EXPECT_EQ(trueOuts(next).Cards, *readCardList(c.Outs)) << c.Hero << c.Board;
    }
}

} // namespace
} // namespace tavolin::equity
