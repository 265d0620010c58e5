#include "equity/holdings.h"

#include <cmath>

namespace tavolin::equity {

Holding holdingAt(int index) {
    if (index < 0 || index >= kHoldingCount) return {};
    // The largest high with high * (high - 1) / 2 <= index.
    int high = static_cast<int>((1.0 + std::sqrt(1.0 + 8.0 * index)) / 2.0);
    while (high * (high - 1) / 2 > index)
        --high;
    while ((high + 1) * high / 2 <= index)
        ++high;
    return {high, index - high * (high - 1) / 2};
}

CellHoldings cellHoldings(int highRank, int lowRank, bool suited) {
    CellHoldings cell;
    if (!Card::isCard(highRank, 0) || !Card::isCard(lowRank, 0)) return cell;
    for (int highSuit = 0; highSuit < kSuitCount; ++highSuit) {
        for (int lowSuit = 0; lowSuit < kSuitCount; ++lowSuit) {
            const Card high(highRank, highSuit);
            const Card low(lowRank, lowSuit);
            // A pair's holdings once each; suited or offsuit as asked.
            if (high == low || (highRank == lowRank && high < low) ||
                (highRank != lowRank && suited != (highSuit == lowSuit)))
                continue;
            cell.Index[static_cast<std::size_t>(cell.Count++)] = holdingIndex(high.index(), low.index());
        }
    }
    return cell;
}

CardMask holdingMask(int index) {
    const Holding holding = holdingAt(index);
    return maskOf(holding.High) | maskOf(holding.Low);
}

HoldingWeights anyTwoCards() {
    HoldingWeights weights{};
    weights.fill(1.0);
    return weights;
}

double liveWeight(const HoldingWeights& weights, CardMask dead) {
    double sum = 0.0;
    for (int index = 0; index < kHoldingCount; ++index)
        if ((holdingMask(index) & dead) == 0) sum += usableWeight(weights[static_cast<std::size_t>(index)]);
    return sum;
}

} // namespace tavolin::equity
