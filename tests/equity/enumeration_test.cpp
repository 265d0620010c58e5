#include "equity/next_card.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// One spot against independent computations: the plain enumeration (best of seven by the reference, every
// holding x every runout), the symmetry between two holdings and each next card against the spot with it
// dealt.
void checkSpot(CardMask hero, CardMask villain, CardMask board, const HoldingWeights& weights, bool plain) {
    SCOPED_TRACE(std::to_string(hero) + " " + std::to_string(board));
    const EquityResult fast = exactEquity(hero, board, weights);
    if (plain) {
        const EquityResult slow = reference::plainEquity(hero, board, weights);
        ASSERT_NEAR(fast.Win, slow.Win, 1e-12);
        ASSERT_NEAR(fast.Tie, slow.Tie, 1e-12);
    }
    EXPECT_EQ(fast.Runouts, std::popcount(board) == 3 ? 990 : std::popcount(board) == 4 ? 44 : 1);
    EXPECT_NEAR(exactEquity(hero, board, onlyHolding(villain)).Win,
                exactEquity(villain, board, onlyHolding(hero)).Lose, 1e-12);
    const NextCardEquities next = nextCardEquities(hero, board, weights);
    for (int card = 0; card < kDeckSize && std::popcount(board) < 5; ++card) {
        const bool unseen = ((hero | board) & maskOf(card)) == 0;
        const double equity = unseen ? exactEquity(hero, board | maskOf(card), weights).Equity : 0.0;
        ASSERT_NEAR(next.Equity[static_cast<std::size_t>(card)], equity, 1e-12) << cardName(card);
        ASSERT_EQ((trueOuts(next).Cards & maskOf(card)) != 0,
                  unseen && (equity < 0.5) == (fast.Equity >= 0.5));
    }
    EXPECT_NEAR(fast.Weight, liveWeight(weights, hero | board), 1e-9);
}

TEST(Enumeration, AgreesWithIndependentCountsOnRandomSpots) {
    std::mt19937_64 random(7);
    for (int round = 0; round < 330; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask villain = drawCards(random, 2, hero);
        // Thirty flops, forty turns, the rest rivers; one board in five of one suit, one in five paired; any
        // two cards, a range-like weighting or a narrow range. Every turn and river, the narrow ranges' flops
        // and the first three flops against the plain enumeration too.
        const int boardCount = round < 30 ? 3 : round < 70 ? 4 : 5;
        const CardMask board = boardOfKind(random, boardCount, round % 5 < 2 ? round % 5 : 0, hero | villain);
        const int kind = round % 3;
        const HoldingWeights weights = kind == 0   ? anyTwoCards()
                                       : kind == 1 ? randomWeights(random)
                                                   : sparseWeights(random, 60);
        checkSpot(hero, villain, board, weights, round >= 30 || round < 3 || kind == 2);
    }
}

TEST(Enumeration, ReasonedSpots) {
    for (const auto& [hero, board, villain, win, tie, outs] : {
             std::tuple{"2c3d", "AsKsQsJsTs", "", 0.0, 1.0, ""}, // a royal flush on the board ties all
             std::tuple{"AhAd", "AsAcKd7h2c", "", 1.0, 0.0, ""}, // the river nuts win against all
             std::tuple{"9h8h", "7h6h5h", "", 1.0, 0.0, ""},     // a straight flush: no card puts it behind
             // open-ended and nut gutshot against a set: the completing cards are the outs (-1: unchecked)
             std::tuple{"9c8d", "JsTh2c3d", "2h2d", 8 / 44.0, 0.0, "QsQhQcQd7s7h7c7d"},
             std::tuple{"AhKd", "QsTc3h", "3s3d", -1.0, 0.0, "JsJhJcJd"},
             std::tuple{"AsAc", "2d7c9h", "KsKh", -1.0, 0.0, "KcKd"}, // the villain's own kings cannot come
             // a five or a ten puts a straight on the board and splits the pot: an out when behind, not when
             // ahead
             std::tuple{"Kc2d", "9s8h7s6c", "Ac3d", 6 / 44.0, 8 / 44.0, "KsKhKd2s2h2c5s5h5c5dTsThTcTd"},
             std::tuple{"Ac3d", "9s8h7s6c", "Kc2d", 30 / 44.0, 8 / 44.0, "KsKhKd2s2h2c"},
         }) {
        const CardMask only = *readCardList(villain);
        const HoldingWeights weights = only == 0 ? anyTwoCards() : onlyHolding(only);
        const EquityResult result = exactEquity(*readCardList(hero), *readCardList(board), weights);
        EXPECT_NEAR(result.Win, win < 0 ? result.Win : win, 1e-12) << hero << board;
        EXPECT_NEAR(result.Tie, tie, 1e-12) << hero << board;
        const auto next = nextCardEquities(*readCardList(hero), *readCardList(board), weights);
        EXPECT_EQ(trueOuts(next).Cards, *readCardList(outs)) << hero << board;
    }
}

} // namespace
} // namespace tavolin::equity
