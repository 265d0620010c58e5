#pragma once

#include "equity/holdings.h"

#include <random>

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
