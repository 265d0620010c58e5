#pragma once

#include "cards/card.h"

namespace tavolin::showdown {

// A set of cards, one bit per card: bit 13·(suit − 1) + (rank − 2), suit 1..4 for s, h, c, d and rank
// 2..14 with the ace 14.
using tavolin::CardMask;

using tavolin::kFullDeck;
using tavolin::kRanksPerSuit;
using tavolin::kSuitRanks;

constexpr CardMask cardBit(int suit, int rank) {
    return CardMask{1} << (kRanksPerSuit * (suit - 1) + (rank - 2));
}

constexpr unsigned suitRanks(CardMask cards, int suit) {
    return static_cast<unsigned>(cards >> (kRanksPerSuit * (suit - 1))) & kSuitRanks;
}

} // namespace tavolin::showdown
