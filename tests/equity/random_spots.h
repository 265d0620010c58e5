#pragma once

#include "equity/holdings.h"

#include <random>

namespace tavolin::equity {

inline CardMask drawCards(std::mt19937_64& random, int count, CardMask dead) {
    CardMask cards = 0;
    while (std::popcount(cards) < count) {
        const CardMask card = maskOf(static_cast<int>(random() % kDeckSize));
        if ((card & dead) == 0) cards |= card;
    }
    return cards;
}

// A range-like weighting: about half the holdings out, the rest at 1/4, 1/2 or 1.
inline HoldingWeights randomWeights(std::mt19937_64& random) {
    HoldingWeights weights{};
    for (double& weight : weights)
        weight = std::array{0.0, 0.0, 0.0, 0.25, 0.5, 1.0}[random() % 6];
    return weights;
}

} // namespace tavolin::equity
