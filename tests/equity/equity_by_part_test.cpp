#include "equity/equity_by_part.h"
#include "equity/exact_equity.h"
#include "equity/kept_classes.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>

namespace tavolin::equity {
namespace {

// On random spots: the rows' holdings are the range on the board's; each row's equity is exactEquity against
// that row kept alone; the made rows, which split the range, and the grid's cells, averaged by their
// holdings, give the equity against the whole range.
TEST(EquityByPart, PartsAgreeWithTheWholeAndWithEachPartAlone) {
    std::mt19937_64 random(24);
    for (int round = 0; round < 9; ++round) {
        const int count = 3 + round % 3;
        const CardMask board = boardOfKind(random, count, round / 3, 0);
        const CardMask hero = drawCards(random, 2, board);
        const HoldingWeights villain = round % 2 == 0 ? anyTwoCards() : randomWeights(random);
        SCOPED_TRACE(cardNames(hero) + " | " + cardNames(board));
        const EquityByPart parts = equityByPart(hero, board, villain);
        const EquityResult whole = exactEquity(hero, board, villain);
        ASSERT_NEAR(parts.Equity, whole.Equity, 1e-9);
        const RangeOnBoard rows = rangeOnBoard(hero, board, villain);
        double made = 0.0;
        for (int row = 0; row < kBoardClassCount; ++row) {
            const auto at = static_cast<std::size_t>(row);
            ASSERT_NEAR(parts.RowHoldings[at], rows.Rows[at].Holdings, 1e-9) << row;
            if (row < kMadeClassCount) made += parts.RowEquity[at] * parts.RowHoldings[at];
            if (parts.RowHoldings[at] <= 0.0 || (count == 3 && row % 3 != round % 3)) continue;
            KeptClasses alone;
            alone.set(at);
            const double truth = exactEquity(hero, board, keepClasses(hero, board, villain, alone)).Equity;
            EXPECT_NEAR(parts.RowEquity[at], truth, 1e-9) << boardClassName(static_cast<BoardClass>(row));
        }
        EXPECT_NEAR(made / parts.Holdings, whole.Equity, 1e-9);
        double cells = 0.0, cellHoldings = 0.0;
        for (int high = 2; high <= 14; ++high) {
            for (int low = 2; low <= high; ++low) {
                for (const bool suited : {false, true}) {
                    if (high == low && suited) continue;
                    const CellEquity cell = heroCellEquity(parts, high, low, suited);
                    cells += cell.Equity * cell.Holdings;
                    cellHoldings += cell.Holdings;
                    if (cell.Holdings > 0.0) {
                        EXPECT_NEAR(cell.Equity, cell.Win + cell.Tie / 2.0, 1e-9);
                    }
                }
            }
        }
        EXPECT_NEAR(cellHoldings, parts.Holdings, 1e-9);
        EXPECT_NEAR(cells / cellHoldings, whole.Equity, 1e-9);
    }
    EXPECT_EQ(equityByPart(0, 0, anyTwoCards()).Holdings, 0.0);
}

} // namespace
} // namespace tavolin::equity
