#include "equity/equity_by_part.h"

namespace tavolin::equity {

EquityByPart equityByPart(CardMask hero, CardMask board, const HoldingWeights& villain) {
    EquityByPart parts;
    parts.Shares = holdingEquities(hero, board, villain);
    const HoldingEquities& shares = parts.Shares;
    if (shares.Holdings == 0) return parts;
    double weighted = 0.0;
    for (int high = 1, index = 0; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low, ++index) {
            const double weight = shares.Weights[static_cast<std::size_t>(index)];
            if (weight == 0.0) continue;
            const HoldingClasses classes = *classifyHolding(maskOf(high) | maskOf(low), board);
            const HoldingShare& share = shares.Shares[static_cast<std::size_t>(index)];
            const double equity = share.Win + share.Tie / 2;
            weighted += weight * equity;
            for (const auto row : {std::optional(classes.Made), classes.Draw}) {
                if (!row) continue;
                const auto at = static_cast<std::size_t>(*row);
                parts.RowEquity[at] += weight * equity;
                parts.RowHoldings[at] += weight;
            }
        }
    }
    for (std::size_t row = 0; row < parts.RowEquity.size(); ++row)
        if (parts.RowHoldings[row] > 0.0) parts.RowEquity[row] /= parts.RowHoldings[row];
    parts.Holdings = shares.Weight;
    parts.Equity = weighted / parts.Holdings;
    return parts;
}

CellEquity heroCellEquity(const EquityByPart& parts, int highRank, int lowRank, bool suited) {
    CellEquity cell;
    if (!Card::isCard(highRank, 0) || !Card::isCard(lowRank, 0)) return cell;
    double win = 0.0, tie = 0.0;
    for (int highSuit = 0; highSuit < kSuitCount; ++highSuit) {
        for (int lowSuit = 0; lowSuit < kSuitCount; ++lowSuit) {
            const Card high(highRank, highSuit);
            const Card low(lowRank, lowSuit);
            // A pair's holdings once each; suited or offsuit as asked.
            if (high == low || (highRank == lowRank && high < low) ||
                (highRank != lowRank && suited != (highSuit == lowSuit)))
                continue;
            const auto index = static_cast<std::size_t>(holdingIndex(high.index(), low.index()));
            const double weight = parts.Shares.Weights[index];
            cell.Holdings += weight;
            win += weight * parts.Shares.Shares[index].Win;
            tie += weight * parts.Shares.Shares[index].Tie;
        }
    }
    if (cell.Holdings > 0.0) {
        cell.Win = win / cell.Holdings;
        cell.Tie = tie / cell.Holdings;
        cell.Equity = cell.Win + cell.Tie / 2;
    }
    return cell;
}

} // namespace tavolin::equity
