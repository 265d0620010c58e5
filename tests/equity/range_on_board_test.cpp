#include "equity/range_on_board.h"
#include "tests/equity/random_spots.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// The made rows partition the live range, and those beating the hero are those the reference ranks above.
TEST(RangeOnBoard, MadeRowsPartitionTheRangeAndCountWhatBeatsTheHero) {
    std::mt19937_64 random(3);
    for (int round = 0; round < 300; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 3, hero);
        const HoldingWeights villain = round % 2 == 0 ? anyTwoCards() : randomWeights(random);
        const RangeOnBoard range = rangeOnBoard(hero, board, villain);
        double beatHero = 0.0;
        for (int index = 0; index < kHoldingCount; ++index) {
            if ((holdingMask(index) & (hero | board)) == 0 &&
                reference::bestFive(holdingMask(index) | board).first >
                    reference::bestFive(hero | board).first)
                beatHero += villain[static_cast<std::size_t>(index)];
        }
        std::array<double, 3> sums{}; // holdings, share, beating the hero
        for (std::size_t row = 0; row < kMadeClassCount; ++row)
            sums = {sums[0] + range.Rows[row].Holdings, sums[1] + range.Rows[row].Share,
                    sums[2] + range.Rows[row].BeatHero};
        EXPECT_NEAR(range.Holdings, liveWeight(villain, hero | board), 1e-9);
        EXPECT_NEAR(sums[0], range.Holdings, 1e-9);
        EXPECT_NEAR(sums[1], 1.0, 1e-9);
        EXPECT_NEAR(sums[2], beatHero, 1e-9);
    }
}

// One villain holding: the rows it lands in, its made row and its draw row if any.
TEST(RangeOnBoard, SortsAHoldingIntoItsRows) {
    using enum BoardClass;
    for (const auto& [board, villain, made, draw] :
         std::initializer_list<std::tuple<const char*, const char*, BoardClass, BoardClass>>{
             {"Ks7d2c", "AhAd", kOverpair, kOverpair},     // the made row twice: no draw
             {"Ks7d2c", "QhQd", kWeakerPair, kWeakerPair}, // a pocket pair below the top card
             {"Ks7d2c", "Kh9d", kTopPair, kTopPair},
             {"Ks7d2c", "7h9d", kSecondPair, kSecondPair},
             {"Ks7d2c", "2h9d", kWeakerPair, kWeakerPair},
             {"Ks7d7c", "AhQd", kNoPair, kNoPair}, // the pair lies on the board alone
             {"Ks7s2c", "As9s", kNoPair, kFlushDraw},
             {"Ks7s2c5d", "8h6h", kNoPair, kOpenEnded}, // 4 and 9 complete it
             {"Ks9s2c5d", "8h6h", kNoPair, kGutshot},   // only a 7
             {"7s6d3c", "9h5h", kNoPair, kOpenEnded},   // 8 and 4: a double gutshot
             {"Ks7s6c", "8s5s", kNoPair, kComboDraw},
             {"9s8s7s6d", "Ah2h", kNoPair, kNoPair},       // straights and flushes on the board alone
             {"9s8s7s6dKh", "Th2h", kStraight, kStraight}, // the river holds no draws
         }) {
        const CardMask holding = *readCardList(villain);
        const RangeOnBoard range =
            rangeOnBoard(*readCardList("Jc4c"), *readCardList(board), onlyHolding(holding));
        for (std::size_t row = 0; row < kBoardClassCount; ++row)
            EXPECT_EQ(range.Rows[row].Holdings, row == std::size_t(made) || row == std::size_t(draw))
                << board << ' ' << villain << ' ' << row;
    }
}

} // namespace
} // namespace tavolin::equity
