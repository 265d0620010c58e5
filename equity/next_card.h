#pragma once

#include "equity/exact_equity.h"

#include <array>

namespace tavolin::equity {

// The hero's exact equity (all-in to the river) with each unseen card added to a flop or turn.
struct NextCardEquities {
    double Now = 0.0; // the equity before the next card
    // The cards that can come: not the hero's, not on the board, and not held by every live holding.
    CardMask Unseen = 0;
    std::array<double, kDeckSize> Equity{}; // by card; 0 for cards not in Unseen
};

// Unseen == 0 for anything but two hero cards and a flop or turn. Allocates nothing.
NextCardEquities nextCardEquities(CardMask hero, CardMask board, const HoldingWeights& villain);

// Behind now (Now < 0.5): the cards after which the hero's equity is at least 0.5 (Ahead == false).
// Ahead now: the cards that put the hero below 0.5 (Ahead == true).
struct TrueOuts {
    bool Ahead = false;
    CardMask Cards = 0;
};
TrueOuts trueOuts(const NextCardEquities& equities);

} // namespace tavolin::equity
