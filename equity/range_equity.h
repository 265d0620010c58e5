#pragma once

#include "equity/holdings.h"

#include <array>

namespace tavolin::equity {

// One hero holding against the villain's range, over every runout.
struct HoldingEquity {
    double Weight = 0.0; // the holding's usable weight in the hero's range; 0 when it shares a board card
    double Win = 0.0;    // shares of the matchups: Win + Tie + Lose = 1 when Matchups > 0
    double Tie = 0.0;
    double Lose = 0.0;
    double Equity = 0.0; // Win + Tie / 2, the same figure exactEquity gives for this holding alone
    // The summed villain weight the holding meets, once per runout: 0 for a holding outside the hero's
    // range, sharing a card with the board, or meeting no live villain holding.
    double Matchups = 0.0;
};

// The hero's whole range against the villain's. The range's figures weigh each holding by its weight times
// its matchups, i.e. every (hero holding, villain holding, runout) without a shared card counts with the
// product of the two weights.
struct RangeEquity {
    std::array<HoldingEquity, kHoldingCount> Holdings{}; // by holding index
    double Win = 0.0;
    double Tie = 0.0;
    double Lose = 0.0;
    double Equity = 0.0;
    int HeroHoldings = 0;    // hero holdings with Matchups > 0
    double HeroWeight = 0.0; // their summed weight
};

// Exact equity of every hero holding, and of the range, on a board of three to five different cards. Any
// other board, or no hero holding meeting a villain holding, gives HeroHoldings == 0.
RangeEquity rangeEquity(const HoldingWeights& hero, const HoldingWeights& villain, CardMask board);

// One cell of the 13 x 13 starting-hand grid: a pair (high == low), suited or offsuit, ranks 2..14.
struct CellEquity {
    double Holdings = 0.0; // summed weight of the cell's hero holdings with matchups
    double Win = 0.0;
    double Tie = 0.0;
    double Equity = 0.0; // the cell's holdings weighted as in the range's figure
};
CellEquity cellEquity(const RangeEquity& range, int highRank, int lowRank, bool suited);

} // namespace tavolin::equity
