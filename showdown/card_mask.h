#pragma once

#include <cstdint>

namespace tavolin::showdown {

// A set of cards, one bit per card: bit 13·(suit − 1) + (rank − 2), suit 1..4 for s, h, c, d and rank
// 2..14 with the ace 14.
using CardMask = std::uint64_t;

constexpr int kRanksPerSuit = 13;
constexpr CardMask kFullDeck = (CardMask{1} << 52) - 1;
// A suit's cards as a 13-bit mask, bit rank − 2.
constexpr unsigned kSuitRanks = (1U << kRanksPerSuit) - 1;

constexpr CardMask cardBit(int suit, int rank) {
    return CardMask{1} << (kRanksPerSuit * (suit - 1) + (rank - 2));
}

constexpr unsigned suitRanks(CardMask cards, int suit) {
    return static_cast<unsigned>(cards >> (kRanksPerSuit * (suit - 1))) & kSuitRanks;
}

} // namespace tavolin::showdown
