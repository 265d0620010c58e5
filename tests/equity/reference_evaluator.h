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

// A narrow range: one holding in `oneIn` at 1/2 or 1.
inline HoldingWeights sparseWeights(std::mt19937_64& random, int oneIn) {
    HoldingWeights weights{};
    for (double& weight : weights)
        weight = random() % static_cast<unsigned>(oneIn) == 0 ? std::array{0.5, 1.0}[random() % 2] : 0.0;
    return weights;
}

// A board of `count` cards not in `dead`: any (kind 0), of one suit (1) or paired (2).
inline CardMask boardOfKind(std::mt19937_64& random, int count, int kind, CardMask dead) {
    if (kind == 1) return drawCards(random, count, dead | ~(CardMask{kSuitRanks} << (13 * (random() % 4))));
    if (kind == 0) return drawCards(random, count, dead);
    for (;;) {
        const CardMask board = drawCards(random, count - 1, dead);
        const int rank = (*cardsIn(board).begin()).rank();
        for (int suit = 0; suit < kSuitCount; ++suit)
            if (((board | dead) & maskOf(Card(rank, suit))) == 0) return board | maskOf(Card(rank, suit));
    }
}

inline HoldingWeights onlyHolding(CardMask holding) {
    HoldingWeights weights{};
    weights[static_cast<std::size_t>(holdingIndex(std::countr_zero(holding), std::bit_width(holding) - 1))] =
        1;
    return weights;
}

} // namespace tavolin::equity
