#pragma once

// Hands ranked the plain way: rank counts and shapes compared as tuples, the best of every five cards, and
// every holding against every runout: the tests' oracle and the benchmark's baseline. And random spots.

#include "equity/exact_equity.h"

#include <array>
#include <random>
#include <utility>

namespace tavolin::equity::reference {

// The category, then the ranks by group size and rank (a straight: its top card only).
using HandKey = std::array<int, 6>;

HandKey fiveCardKey(const std::array<int, 5>& cards);
std::pair<HandKey, CardMask> bestFive(CardMask cards); // the best key and five cards that make it
EquityResult plainEquity(CardMask hero, CardMask board, const HoldingWeights& villain);

} // namespace tavolin::equity::reference

namespace tavolin::equity {

inline CardMask drawCards(std::mt19937_64& random, int count, CardMask dead) {
    CardMask cards = 0;
    while (std::popcount(cards) < count)
        cards |= maskOf(static_cast<int>(random() % kDeckSize)) & ~dead;
    return cards;
}

// A range-like weighting: half the holdings out, the rest at 1/4, 1/2 or 1.
inline HoldingWeights randomWeights(std::mt19937_64& random) {
    HoldingWeights weights{};
    for (double& weight : weights)
        weight = std::array{0.0, 0.0, 0.0, 0.25, 0.5, 1.0}[random() % 6];
    return weights;
}

inline HoldingWeights onlyHolding(CardMask holding) {
    HoldingWeights weights{};
    weights[static_cast<std::size_t>(holdingIndex(std::countr_zero(holding), std::bit_width(holding) - 1))] =
        1;
    return weights;
}

} // namespace tavolin::equity
