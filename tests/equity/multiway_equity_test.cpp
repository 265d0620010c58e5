#include "equity/multiway_equity.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>
#include <vector>

namespace tavolin::equity {
namespace {

// Every runout and every choice of villain holdings without a shared card, ranked by the reference.
MultiwayEquity bruteForce(CardMask hero, CardMask board, const std::vector<HoldingWeights>& villains) {
    double total = 0, win = 0, tie = 0, equity = 0;
    const auto visit = [&](CardMask fullBoard) {
        const reference::HandKey heroKey = reference::bestFive(hero | fullBoard).first;
        const auto deal = [&](const auto& self, std::size_t villain, CardMask used, double weight, int above,
                              int level) -> void {
            if (villain == villains.size()) {
                total += weight;
                win += above == 0 && level == 0 ? weight : 0;
                tie += above == 0 && level > 0 ? weight : 0;
                equity += above == 0 ? weight / (level + 1) : 0;
                return;
            }
            for (int index = 0; index < kHoldingCount; ++index) {
                const double w = villains[villain][static_cast<std::size_t>(index)];
                if (w <= 0 || (holdingMask(index) & used) != 0) continue;
                const reference::HandKey key = reference::bestFive(holdingMask(index) | fullBoard).first;
                self(self, villain + 1, used | holdingMask(index), weight * w, above + (key > heroKey),
                     level + (key == heroKey));
            }
        };
        deal(deal, 0, hero | fullBoard, 1.0, 0, 0);
    };
    if (std::popcount(board) == 5) visit(board);
    for (int card = 0; card < kDeckSize && std::popcount(board) == 4; ++card)
        if (((hero | board) & maskOf(card)) == 0) visit(board | maskOf(card));
    return {equity / total, win / total, tie / total, true};
}

// Small pots counted every way: the exact path against the brute force, the sampled path within three of
// its standard errors of it, and one villain against the heads-up enumeration.
TEST(MultiwayEquity, AgreesWithBruteForceAndSamplesWithinTheirError) {
    std::mt19937_64 random(3);
    for (int round = 0; round < 8; ++round) {
        const int villainCount = 2 + round % 2;
        const int boardCount = round < 4 ? 5 : 4;
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, boardCount, hero);
        std::vector<HoldingWeights> villains;
        for (int villain = 0; villain < villainCount; ++villain)
            villains.push_back(sparseWeights(random, boardCount == 5 ? 25 : villainCount == 2 ? 40 : 90));
        SCOPED_TRACE(cardNames(hero) + " " + cardNames(board));
        const MultiwayEquity plain = bruteForce(hero, board, villains);
        const MultiwayEquity exact = multiwayEquity(hero, board, villains);
        ASSERT_TRUE(exact.Exact);
        EXPECT_NEAR(exact.Equity, plain.Equity, 1e-12);
        EXPECT_NEAR(exact.Win, plain.Win, 1e-12);
        EXPECT_NEAR(exact.Tie, plain.Tie, 1e-12);
        const MultiwayEquity sampled =
            multiwayEquity(hero, board, villains, {round + 1ULL, 0.004, 10.0, 0.0});
        ASSERT_FALSE(sampled.Exact);
        EXPECT_LE(sampled.StdError, 0.004);
        EXPECT_NEAR(sampled.Equity, plain.Equity, 3 * sampled.StdError);
    }
    for (int round = 0; round < 6; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const CardMask board = drawCards(random, 3 + round % 3, hero);
        const std::vector<HoldingWeights> villain{round % 2 ? anyTwoCards() : randomWeights(random)};
        const EquityResult headsUp = exactEquity(hero, board, villain[0]);
        const MultiwayEquity exact = multiwayEquity(hero, board, villain, {1, 0.001, 10.0, 1e9});
        EXPECT_NEAR(exact.Equity, headsUp.Equity, 1e-12);
        EXPECT_NEAR(exact.Tie, headsUp.Tie, 1e-12);
        const MultiwayEquity sampled = multiwayEquity(hero, board, villain, {7, 0.004, 10.0, 0.0});
        EXPECT_NEAR(sampled.Equity, headsUp.Equity, 3 * sampled.StdError);
    }
}

TEST(MultiwayEquity, RefusesBadInputAndImpossibleDeals) {
    const CardMask hero = *readCardList("AsAh");
    const CardMask board = *readCardList("Kd7c2h");
    const std::vector<HoldingWeights> four(4, anyTwoCards());
    EXPECT_EQ(multiwayEquity(hero, board, std::span(four).first(0)).Villains, 0);
    EXPECT_EQ(multiwayEquity(hero, board, four).Villains, 0);
    EXPECT_EQ(multiwayEquity(hero, hero | board, std::span(four).first(2)).Villains, 0);
    // Both villains on the last two aces: no deal gives them both, sampled or counted.
    const std::vector<HoldingWeights> aces(2, onlyHolding(*readCardList("AcAd")));
    for (const double limit : {0.0, 1e9}) {
        const MultiwayEquity none = multiwayEquity(hero, board, aces, {1, 0.001, 0.02, limit});
        EXPECT_EQ(none.Villains, 2);
        EXPECT_EQ(none.Samples, 0);
    }
}

} // namespace
} // namespace tavolin::equity
