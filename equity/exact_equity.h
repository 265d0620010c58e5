#pragma once

#include "equity/holdings.h"

namespace tavolin::equity {

// Heads-up showdown shares over every live villain holding (by its weight) and every runout to five board
// cards. Win + Tie + Lose = 1 whenever Holdings > 0.
struct EquityResult {
    double Win = 0.0;
    double Tie = 0.0;
    double Lose = 0.0;
    double Equity = 0.0; // Win + Tie / 2
    int Holdings = 0;    // live holdings with a weight above 0
    double Weight = 0.0; // their summed weight
    int Runouts = 0;     // ways to complete the board: 990 on the flop, 44 on the turn, 1 on the river
};

// The hero's exact equity. `hero` holds two cards and `board` three to five, all different; any other input,
// or no live holding with a weight, gives a result with Holdings == 0. Allocates nothing.
EquityResult exactEquity(CardMask hero, CardMask board, const HoldingWeights& villain);

} // namespace tavolin::equity
