#include "equity/next_card.h"
#include "equity/range_on_board.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// One spot against independent computations: the plain enumeration (best of seven by the reference, every
// holding x every runout), the symmetry between two holdings, each next card against the spot with it dealt,
// and the range on the board against the reference's own ranking.
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
    const RangeOnBoard range = rangeOnBoard(hero, board, weights);
    const reference::HandKey heroKey = reference::bestFive(hero | board).first;
    double beating = 0, rows = 0, rowsBeating = 0;
    for (int index = 0; index < kHoldingCount; ++index) {
        if ((holdingMask(index) & (hero | board)) == 0 &&
            reference::bestFive(holdingMask(index) | board).first > heroKey)
            beating += weights[static_cast<std::size_t>(index)];
    }
    for (std::size_t row = 0; row < kMadeClassCount; ++row) {
        rows += range.Rows[row].Holdings;
        rowsBeating += range.Rows[row].BeatHero;
    }
    EXPECT_NEAR(fast.Weight, liveWeight(weights, hero | board), 1e-9);
    EXPECT_NEAR(rows, fast.Weight, 1e-9);
    EXPECT_NEAR(rowsBeating, beating, 1e-9);
}

TEST(Enumeration, AgreesWithIndependentCountsOnRandomSpots) {
    std::mt19937_64 random(7);
    for (int round = 0; round < 330; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask villain = drawCards(random, 2, hero);
        // Thirty flops, the first two monotone and the first three against the plain enumeration too.
        const CardMask offSuit = round < 2 ? ~(CardMask{0x1FFF} << (13 * round)) : 0;
        const int boardCount = round < 30 ? 3 : round < 70 ? 4 : 5;
        const CardMask board = drawCards(random, boardCount, hero | villain | offSuit);
        checkSpot(hero, villain, board, round % 2 == 0 ? anyTwoCards() : randomWeights(random),
                  round >= 30 || round < 3);
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

// One villain holding: the rows it lands in, its made row and its draw row if any.
TEST(RangeOnBoard, SortsAHoldingIntoItsRows) {
    using enum BoardClass;
    for (const auto& [board, villain, made, draw] :
         std::initializer_list<std::tuple<const char*, const char*, BoardClass, BoardClass>>{
             {"Ks7d2c", "AhAd", kOverpair, kOverpair},     // the made row twice: no draw
             {"Ks7d2c", "QhQd", kWeakerPair, kWeakerPair}, // a pocket pair below the top card
             {"Qs9d8c", "QhJd", kTopPair, kGutshot},       // only a ten
             {"Ks7s2s", "7hAs", kSecondPair, kFlushDraw},
             {"Ks7d7c", "AhQd", kNoPair, kNoPair},    // the pair lies on the board alone
             {"7s6d3c", "9h5h", kNoPair, kOpenEnded}, // 8 and 4: a double gutshot
             {"Ks7s6c", "8s5s", kNoPair, kComboDraw},
             {"9s8s7s6d", "Ah2h", kNoPair, kNoPair},       // straights and flushes on the board alone
             {"9s8s7s6dKh", "Th2h", kStraight, kStraight}, // the river holds no draws
         }) {
        const RangeOnBoard range =
            rangeOnBoard(*readCardList("Jc4c"), *readCardList(board), onlyHolding(*readCardList(villain)));
        for (std::size_t row = 0; row < kBoardClassCount; ++row)
            EXPECT_EQ(range.Rows[row].Holdings, row == std::size_t(made) || row == std::size_t(draw))
                << board << ' ' << villain << ' ' << row;
    }
}

} // namespace
} // namespace tavolin::equity
