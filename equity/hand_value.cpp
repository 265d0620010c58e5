#include "equity/hand_value.h"

#include "equity/hand_value_parts.h"

namespace tavolin::equity {

HandValue handValue(CardMask cards) {
    const int count = std::popcount(cards);
    if (count < 5 || count > 7 || (cards & ~kFullDeck) != 0) return 0;
    const std::array<unsigned, 4> suits{suitRanks(cards, 0), suitRanks(cards, 1), suitRanks(cards, 2),
                                        suitRanks(cards, 3)};
    // With five of a suit among seven cards, the other two cannot make a full house or four of a kind.
    for (const unsigned suit : suits) {
        if (parts::rankCount(suit) >= 5) return parts::flushValue(suit);
    }
    return parts::rankValue(parts::layersOfSuits(suits[0], suits[1], suits[2], suits[3]));
}

HandCategory categoryOf(HandValue value) {
    return static_cast<HandCategory>(value >> parts::kCategoryShift);
}

} // namespace tavolin::equity
