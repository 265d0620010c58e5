#pragma once

#include <cstdint>

namespace tavolin::showdown {

// A set of cards, one bit per card: bit 13·(suit − 1) + (rank − 2), suit 1..4 for s, h, c, d and rank
// 2..14 with the ace 14.
using CardMask = std::uint64_t;

constexpr CardMask cardBit(int suit, int rank) {
    return CardMask{1} << (13 * (suit - 1) + (rank - 2));
}

struct VillainCount {
    int Better = 0; // holdings whose best hand outweighs the hero's
    int Tried = 0;  // every holding of two unseen cards
};

// Weighs the hero's best hand against every two-card holding the villain could hold on this board.
VillainCount countBetterVillainHands(CardMask hero, CardMask board);

} // namespace tavolin::showdown
