#pragma once

#include "equity/cards.h"

#include <cstdint>

namespace tavolin::equity {

// The true ranking of poker hands: one integer per hand, greater for the better hand and equal for hands
// that split. The five-high straight is the lowest straight; a royal flush is the best straight flush.
using HandValue = std::uint32_t;

enum class HandCategory {
    kHighCard,
    kPair,
    kTwoPair,
    kThreeOfAKind,
    kStraight,
    kFlush,
    kFullHouse,
    kFourOfAKind,
    kStraightFlush,
};

// The value of the best five-card hand among five, six or seven cards; 0 for any other number of cards.
HandValue handValue(CardMask cards);

HandCategory categoryOf(HandValue value);

} // namespace tavolin::equity
