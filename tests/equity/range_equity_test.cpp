#include "equity/range_equity.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// Every hero holding's cell against exactEquity for that holding alone; the matchups against the live
// villain weight times the runouts; the range's figure against the weighted mean of its cells; and a grid
// cell against the range made of that cell alone.
TEST(RangeEquity, AgreesWithSingleHoldingEquityOnRandomSpots) {
    std::mt19937_64 random(25);
    for (int round = 0; round < 18; ++round) {
        const int count = 3 + round % 3;
        const CardMask board = boardOfKind(random, count, round / 3 % 3, 0);
        // Small and large ranges on both sides, each against every street and board kind.
        const HoldingWeights hero = round % 2 == 0 ? anyTwoCards() : randomWeights(random);
        const int villainKind = (round / 3 + round) % 3;
        const HoldingWeights villain = villainKind == 0   ? anyTwoCards()
                                       : villainKind == 1 ? randomWeights(random)
                                                          : sparseWeights(random, 40);
        SCOPED_TRACE(cardNames(board));
        const RangeEquity range = rangeEquity(hero, villain, board);
        const int runouts = count == 3 ? 990 : count == 4 ? 44 : 1;
        double win = 0, tie = 0, total = 0;
        for (int index = 0; index < kHoldingCount; ++index) {
            const HoldingEquity& cell = range.Holdings[static_cast<std::size_t>(index)];
            const CardMask holding = holdingMask(index);
            const double live = (holding & board) == 0 ? liveWeight(villain, holding | board) : 0.0;
            ASSERT_NEAR(cell.Matchups, hero[static_cast<std::size_t>(index)] > 0 ? live * runouts : 0.0,
                        1e-6);
            win += cell.Weight * cell.Matchups * cell.Win;
            tie += cell.Weight * cell.Matchups * cell.Tie;
            total += cell.Weight * cell.Matchups;
            // A sample of holdings on the flop, where each single-holding figure costs more.
            if (cell.Matchups == 0 || (count == 3 && random() % 40 != 0)) continue;
            const EquityResult single = exactEquity(holding, board, villain);
            ASSERT_NEAR(cell.Win, single.Win, 1e-9) << cardNames(holding);
            ASSERT_NEAR(cell.Tie, single.Tie, 1e-9) << cardNames(holding);
        }
        EXPECT_NEAR(range.Win, win / total, 1e-9);
        EXPECT_NEAR(range.Equity, (win + tie / 2) / total, 1e-9);
        const int high = 2 + static_cast<int>(random() % 13);
        const int low = 2 + static_cast<int>(random() % (high - 1));
        for (const bool suited : {false, true}) {
            HoldingWeights alone{};
            for (int index = 0; index < kHoldingCount; ++index) {
                const auto [first, second] = holdingAt(index);
                const Card a = Card::fromIndex(first), b = Card::fromIndex(second);
                if (std::max(a.rank(), b.rank()) == high && std::min(a.rank(), b.rank()) == low &&
                    ((a.suit() == b.suit()) == suited || high == low))
                    alone[static_cast<std::size_t>(index)] = hero[static_cast<std::size_t>(index)];
            }
            const RangeEquity only = rangeEquity(alone, villain, board);
            const CellEquity cell = cellEquity(range, high, low, suited);
            EXPECT_NEAR(cell.Equity, only.Equity, 1e-9);
            EXPECT_NEAR(cell.Holdings, only.HeroWeight, 1e-9);
        }
    }
}

TEST(RangeEquity, RefusesBadBoardsAndEmptyRanges) {
    const HoldingWeights all = anyTwoCards();
    for (const CardMask board : {CardMask{0}, CardMask{0x3}, CardMask{0x3F}, ~CardMask{0}})
        EXPECT_EQ(rangeEquity(all, all, board).HeroHoldings, 0);
    EXPECT_EQ(rangeEquity(all, HoldingWeights{}, CardMask{0x7}).HeroHoldings, 0);
    EXPECT_EQ(cellEquity(rangeEquity(all, all, CardMask{0x7}), 15, 1, false).Holdings, 0.0);
}

} // namespace
} // namespace tavolin::equity
