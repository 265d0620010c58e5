#include "equity/next_card.h"
#include "tests/equity/random_spots.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// Each card's equity is the exact equity with that card dealt, and the true outs follow their definition.
TEST(NextCard, EachCardEqualsTheSpotWithItDealt) {
    std::mt19937_64 random(5);
    for (int round = 0; round < 12; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 2, hero);
        const HoldingWeights villain = round % 3 == 0 ? anyTwoCards() : randomWeights(random);
        const NextCardEquities next = nextCardEquities(hero, board, villain);
        ASSERT_EQ(next.Unseen, showdown::kFullDeck & ~(hero | board));
        EXPECT_NEAR(next.Now, exactEquity(hero, board, villain).Equity, 1e-12);
        const TrueOuts outs = trueOuts(next);
        EXPECT_EQ(outs.Ahead, next.Now >= 0.5);
        for (int card = 0; card < kDeckSize; ++card) {
            if ((next.Unseen & maskOf(card)) == 0) continue;
            const double equity = exactEquity(hero, board | maskOf(card), villain).Equity;
            EXPECT_NEAR(next.Equity[static_cast<std::size_t>(card)], equity, 1e-12) << cardName(card);
            EXPECT_EQ((outs.Cards & maskOf(card)) != 0, outs.Ahead ? equity < 0.5 : equity >= 0.5)
                << cardName(card);
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
        HoldingWeights villain = anyTwoCards();
        if (const CardMask only = *readCardList(c.Villain); only != 0) {
            villain = {};
            villain[static_cast<std::size_t>(
                holdingIndex(std::countr_zero(only), std::bit_width(only) - 1))] = 1;
        }
        const TrueOuts outs =
            trueOuts(nextCardEquities(*readCardList(c.Hero), *readCardList(c.Board), villain));
        EXPECT_EQ(outs.Ahead, c.Ahead) << c.Hero << c.Board;
        EXPECT_EQ(outs.Cards, *readCardList(c.Outs)) << c.Hero << c.Board;
    }
}

} // namespace
} // namespace tavolin::equity
