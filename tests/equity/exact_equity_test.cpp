#include "equity/exact_equity.h"
#include "tests/equity/random_spots.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

CardMask cards(std::string_view text) {
    return readCardList(text).value();
}

void expectSameShares(const EquityResult& fast, const EquityResult& plain, const std::string& spot) {
    EXPECT_NEAR(fast.Win, plain.Win, 1e-12) << spot;
    EXPECT_NEAR(fast.Tie, plain.Tie, 1e-12) << spot;
    EXPECT_NEAR(fast.Lose, plain.Lose, 1e-12) << spot;
}

// The per-rank-pair enumeration against every holding x every runout, best of seven by the reference.
TEST(ExactEquity, EqualsThePlainEnumerationOnRandomSpots) {
    std::mt19937_64 random(7);
    for (int round = 0; round < 300; ++round) {
        const int boardCount = round < 60 ? 4 : 5;
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, boardCount, hero);
        const HoldingWeights villain = round % 2 == 0 ? anyTwoCards() : randomWeights(random);
        const EquityResult fast = exactEquity(hero, board, villain);
        expectSameShares(fast, reference::plainEquity(hero, board, villain), std::to_string(round));
        int live = 0;
        for (int index = 0; index < kHoldingCount; ++index)
            live +=
                (holdingMask(index) & (hero | board)) == 0 && villain[static_cast<std::size_t>(index)] > 0;
        EXPECT_EQ(fast.Holdings, live);
        EXPECT_EQ(fast.Runouts, boardCount == 4 ? 44 : 1);
    }
    const HoldingWeights weighted = randomWeights(random);
    for (const auto& [hero, flop, villain] :
         {std::tuple{"KhQd", "Ah7h2h", anyTwoCards()}, std::tuple{"9s8s", "Ts7d2s", weighted},
          std::tuple{"AcAd", "JcTc9c", weighted}}) {
        const EquityResult fast = exactEquity(cards(hero), cards(flop), villain);
        expectSameShares(fast, reference::plainEquity(cards(hero), cards(flop), villain), flop);
        EXPECT_EQ(fast.Runouts, 990);
    }
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
        EXPECT_EQ(forward.Holdings, 1);
    }
}

TEST(ExactEquity, ReasonedSpots) {
    struct Case {
        const char* Hero;
        const char* Board;
        double Win, Tie;
        int Holdings;
    };
    for (const Case& c : {
             Case{"2c3d", "AsKsQsJsTs", 0, 1, 990}, // a royal flush on the board ties everything
             Case{"AhAd", "AsAcKd7h2c", 1, 0, 990}, // four aces with no straight flush possible
             Case{"Ah5h", "KhQhJhTh", 1, 0, 1035},  // the royal flush made on the turn
             Case{"AhKh", "QhJhTh2c", 1, 0, 1035},  // ditto with a card to come that cannot matter
             Case{"AhKh", "QhJhTh2c2c", 0, 0, 0},   // a card given twice
             Case{"AhKhQh", "JhTh2c", 0, 0, 0},     // three hero cards
             Case{"AhKh", "QhJh", 0, 0, 0},         // two board cards
         }) {
        const auto hero = readCardList(c.Hero);
        const auto board = readCardList(c.Board);
        const EquityResult result = exactEquity(hero.value_or(0), board.value_or(0), anyTwoCards());
        EXPECT_EQ(result.Holdings, c.Holdings) << c.Hero << c.Board;
        EXPECT_NEAR(result.Win, c.Win, 1e-12) << c.Hero << c.Board;
        EXPECT_NEAR(result.Tie, c.Tie, 1e-12) << c.Hero << c.Board;
    }
}

} // namespace
} // namespace tavolin::equity
