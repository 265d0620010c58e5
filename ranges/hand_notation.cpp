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
                    equity::holdingIndex(equity::cardOf(highSuit, high), equity::cardOf(lowSuit, low));
            }
        }
    }
    return holdings;
}

std::string holdingName(int holding) {
    const equity::Holding cards = equity::holdingAt(holding);
    // The higher rank first; within a pair the card order decides.
    const bool swap = equity::cardRank(cards.Low) > equity::cardRank(cards.High);
    return equity::cardName(swap ? cards.Low : cards.High) + equity::cardName(swap ? cards.High : cards.Low);
}

} // namespace tavolin::ranges
