#pragma once

#include "equity/holding_equities.h"
#include "equity/range_equity.h"
#include "equity/range_on_board.h"

#include <array>

namespace tavolin::equity {

// The hero's exact equity against each part of the villain's range: each live holding, each row of the
// range on the board and each cell of the 13 x 13 grid, all from one pass over the holdings (see
// holding_equities.h), which also answers for any other part, such as the range that bets.
struct EquityByPart {
    HoldingEquities Shares;                             // the hero's against each live holding alone
    std::array<double, kBoardClassCount> RowEquity{};   // the hero's, weighted by the row's holdings
    std::array<double, kBoardClassCount> RowHoldings{}; // as rangeOnBoard counts them
    double Equity = 0.0;                                // against the whole live range
    double Holdings = 0.0;                              // the live range's summed weight
};

// Holdings 0 for input exactEquity would refuse or a range without live holdings.
EquityByPart equityByPart(CardMask hero, CardMask board, const HoldingWeights& villain);

// The hero's equity against one cell of the grid (a pair when high == low), as the grid's heat map shows it:
// Holdings the cell's live villain weight, Win / Tie / Equity the hero's.
CellEquity heroCellEquity(const EquityByPart& parts, int highRank, int lowRank, bool suited);

} // namespace tavolin::equity
