#include "equity/betting_range.h"
#include "equity/holding_equities.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// On random flops, turns and rivers, dry, of one suit or paired, against full, weighted and narrow ranges:
// each live holding's shares are exactEquity's against that holding alone (and the plain evaluator's for a
// few), and the weighted means give exactEquity against the whole range and against the part that bets.
TEST(HoldingEquities, EachHoldingAndEveryPartMatchTheEnumeration) {
    std::mt19937_64 random(31);
    for (int round = 0; round < 18; ++round) {
        const int count = 3 + round % 3;
        // A hero of the board's suit now and then, so that both sides make flushes.
        const CardMask board = boardOfKind(random, count, round / 3 % 3, 0);
        const CardMask boardSuit = CardMask{kSuitRanks} << (13 * (std::countr_zero(board) / 13));
        const CardMask hero = drawCards(random, 2, round % 2 == 1 ? board | ~boardSuit : board);
        const HoldingWeights villain = round % 3 == 0   ? anyTwoCards()
                                       : round % 3 == 1 ? randomWeights(random)
                                                        : sparseWeights(random, 40);
        SCOPED_TRACE(cardNames(hero) + " | " + cardNames(board));
        const HoldingEquities equities = holdingEquities(hero, board, villain);
        int checked = 0;
        for (int index = 0; index < kHoldingCount; ++index) {
            const auto slot = static_cast<std::size_t>(index);
            const CardMask holding = holdingMask(index);
            const bool live = (holding & (hero | board)) == 0 && usableWeight(villain[slot]) > 0.0;
            ASSERT_EQ(equities.Weights[slot], live ? usableWeight(villain[slot]) : 0.0);
            if (!live) continue;
            const EquityResult alone = exactEquity(hero, board, onlyHolding(holding));
            ASSERT_NEAR(equities.Shares[slot].Win, alone.Win, 1e-12) << cardNames(holding);
            ASSERT_NEAR(equities.Shares[slot].Tie, alone.Tie, 1e-12) << cardNames(holding);
            ASSERT_EQ(equities.Runouts, alone.Runouts);
            if (random() % 64 != 0 || ++checked > 3) continue;
            const EquityResult plain = reference::plainEquity(hero, board, onlyHolding(holding));
            EXPECT_NEAR(equities.Shares[slot].Win, plain.Win, 1e-12) << cardNames(holding);
            EXPECT_NEAR(equities.Shares[slot].Tie, plain.Tie, 1e-12) << cardNames(holding);
        }
        const EquityResult whole = exactEquity(hero, board, villain);
        const BettingRange betting = bettingRange(hero, board, villain, 100, 75);
        const EquityResult bets = exactEquity(hero, board, betting.Weights);
        for (const auto& [part, truth] : {std::pair{&villain, whole}, std::pair{&betting.Weights, bets}}) {
            const std::optional<EquityResult> derived = equityAgainst(equities, *part);
            ASSERT_TRUE(derived);
            EXPECT_EQ(derived->Holdings, truth.Holdings);
            EXPECT_NEAR(derived->Weight, truth.Weight, 1e-9);
            EXPECT_NEAR(derived->Win, truth.Win, 1e-12);
            EXPECT_NEAR(derived->Tie, truth.Tie, 1e-12);
            EXPECT_NEAR(derived->Equity, truth.Equity, 1e-12);
        }
    }
}

// A part weighing a live holding the range left out has no answer; bad spots and empty ranges have none live.
TEST(HoldingEquities, PartsOutsideTheRangeAndBadInput) {
    const CardMask hero = readCardList("Ah Kh").value();
    const CardMask board = readCardList("Qh 7d 2c").value();
    const HoldingWeights pairs = onlyHolding(readCardList("Qs Qd").value());
    const HoldingEquities equities = holdingEquities(hero, board, pairs);
    EXPECT_EQ(equities.Holdings, 1);
    EXPECT_FALSE(equityAgainst(equities, onlyHolding(readCardList("Js Jd").value())));
    // A holding with a dead card is no part of anything.
    EXPECT_EQ(equityAgainst(equities, onlyHolding(readCardList("Ah Qs").value()))->Holdings, 0);
    EXPECT_EQ(holdingEquities(hero, hero | board, anyTwoCards()).Holdings, 0);
    EXPECT_EQ(holdingEquities(hero, readCardList("Qh 7d").value(), anyTwoCards()).Runouts, 0);
    EXPECT_EQ(holdingEquities(hero, board, HoldingWeights{}).Holdings, 0);
}

} // namespace
} // namespace tavolin::equity
