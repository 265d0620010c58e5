#include "ranges/hand_notation.h"

namespace tavolin::ranges {

HandHoldings handHoldings(int high, int low, bool suited) {
    HandHoldings holdings;
    for (int highSuit = 0; highSuit < 4; ++highSuit) {
        for (int lowSuit = 0; lowSuit < 4; ++lowSuit) {
            // A pair's two cards are taken once each way round, so only one order counts.
            const bool wanted = high == low ? lowSuit < highSuit : (lowSuit == highSuit) == suited;
            if (wanted) {
                holdings.Index[static_cast<std::size_t>(holdings.Count++)] =
                    equity::holdingIndex(Card(high, highSuit).index(), Card(low, lowSuit).index());
            }
        }
    }
    return holdings;
}

std::string holdingName(int holding) {
    const equity::Holding cards = equity::holdingAt(holding);
    const Card high = Card::fromIndex(cards.High);
    const Card low = Card::fromIndex(cards.Low);
    // The higher rank first; within a pair the card order decides.
    const bool swap = low.rank() > high.rank();
    return cardName(swap ? low : high) + cardName(swap ? high : low);
}

void setHandWeight(equity::HoldingWeights& weights, int high, int low, bool suited, double weight) {
    const HandHoldings holdings = handHoldings(high, low, suited);
    for (int i = 0; i < holdings.Count; ++i)
        weights[static_cast<std::size_t>(holdings.Index[static_cast<std::size_t>(i)])] = weight;
}

} // namespace tavolin::ranges
