#include "equity/equity_by_part.h"

namespace tavolin::equity {

EquityByPart equityByPart(CardMask hero, CardMask board, const HoldingWeights& villain) {
    EquityByPart parts{holdingEquities(hero, board, villain)};
    const HoldingEquities& shares = parts.Shares;
    if (shares.Holdings == 0) return parts;
    // Wins and ties summed apart and divided as equityAgainst divides them, so that a row kept alone gives
    // the same figure to the last bit.
    std::array<double, kBoardClassCount> rowWin{}, rowTie{};
    BoardClassifier classifier(board);
    for (int high = 1, index = 0; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low, ++index) {
            const double weight = shares.Weights[static_cast<std::size_t>(index)];
            if (weight == 0.0) continue;
            const HoldingClasses classes = classifier.classify(maskOf(high) | maskOf(low));
            const HoldingShare& share = shares.Shares[static_cast<std::size_t>(index)];
            for (const auto row : {std::optional(classes.Made), classes.Draw}) {
                if (!row) continue;
                const auto at = static_cast<std::size_t>(*row);
                rowWin[at] += weight * share.Win;
                rowTie[at] += weight * share.Tie;
                parts.RowHoldings[at] += weight;
            }
        }
    }
    for (std::size_t row = 0; row < parts.RowEquity.size(); ++row) {
        const double weight = parts.RowHoldings[row];
        if (weight > 0.0) parts.RowEquity[row] = rowWin[row] / weight + rowTie[row] / weight / 2;
    }
    parts.Holdings = shares.Weight;
    parts.Equity = equityAgainst(shares, villain).value_or(EquityResult{}).Equity;
    return parts;
}

CellEquity heroCellEquity(const EquityByPart& parts, int highRank, int lowRank, bool suited) {
    CellEquity cell;
    double win = 0.0, tie = 0.0;
    const CellHoldings holdings = cellHoldings(highRank, lowRank, suited);
    for (int i = 0; i < holdings.Count; ++i) {
        const auto index = static_cast<std::size_t>(holdings.Index[static_cast<std::size_t>(i)]);
        const double weight = parts.Shares.Weights[index];
        cell.Holdings += weight;
        win += weight * parts.Shares.Shares[index].Win;
        tie += weight * parts.Shares.Shares[index].Tie;
    }
    if (cell.Holdings > 0.0) {
        cell.Win = win / cell.Holdings;
        cell.Tie = tie / cell.Holdings;
        cell.Equity = cell.Win + cell.Tie / 2;
    }
    return cell;
}

} // namespace tavolin::equity
