#include "equity/equity_by_part.h"

#include <bit>

namespace tavolin::equity {

EquityByPart equityByPart(CardMask hero, CardMask board, const HoldingWeights& villain) {
    EquityByPart parts;
    const int boardCards = std::popcount(board);
    if (std::popcount(hero) != 2 || boardCards < 3 || boardCards > 5 || (hero & board) != 0) return parts;
    HoldingWeights heroAlone{};
    const int low = std::countr_zero(hero);
    const int high = std::countr_zero(hero & (hero - 1));
    heroAlone[static_cast<std::size_t>(holdingIndex(high, low))] = 1.0;
    parts.Villain = rangeEquity(villain, heroAlone, board);
    double weighted = 0.0;
    for (int index = 0; index < kHoldingCount; ++index) {
        const HoldingEquity& holding = parts.Villain.Holdings[static_cast<std::size_t>(index)];
        if (holding.Matchups <= 0.0) continue;
        const auto classes = classifyHolding(holdingMask(index), board);
        if (!classes) continue;
        // Every live holding meets the hero on the same runouts, so its weight alone weighs it.
        const double heroEquity = 1.0 - holding.Equity;
        weighted += holding.Weight * heroEquity;
        parts.Holdings += holding.Weight;
        for (const auto row : {std::optional(classes->Made), classes->Draw}) {
            if (!row) continue;
            const auto at = static_cast<std::size_t>(*row);
            parts.RowEquity[at] += holding.Weight * heroEquity;
            parts.RowHoldings[at] += holding.Weight;
        }
    }
    for (std::size_t row = 0; row < parts.RowEquity.size(); ++row)
        if (parts.RowHoldings[row] > 0.0) parts.RowEquity[row] /= parts.RowHoldings[row];
    if (parts.Holdings > 0.0) parts.Equity = weighted / parts.Holdings;
    return parts;
}

CellEquity heroCellEquity(const EquityByPart& parts, int highRank, int lowRank, bool suited) {
    const CellEquity villain = cellEquity(parts.Villain, highRank, lowRank, suited);
    if (villain.Holdings <= 0.0) return villain;
    return CellEquity{villain.Holdings, 1.0 - villain.Win - villain.Tie, villain.Tie, 1.0 - villain.Equity};
}

} // namespace tavolin::equity
