#pragma once

#include "equity/exact_equity.h"

#include <array>
#include <optional>

namespace tavolin::equity {

// The hero's shares of the runouts against one villain holding.
struct HoldingShare {
    double Win = 0.0;
    double Tie = 0.0;
};

// The hero's exact result against each live holding of a range alone. With hero and board fixed every live
// holding meets the hero on the same number of runouts, so the equity against any part of the range is the
// weighted mean of its holdings' shares: one pass answers for the whole range, the part that bets, each row
// and each cell.
struct HoldingEquities {
    std::array<HoldingShare, kHoldingCount> Shares{}; // by holding index; 0 for the holdings left out
    HoldingWeights Weights{}; // the usable weight of each live holding with one; 0 for the rest
    int Holdings = 0;         // live holdings with a weight
    double Weight = 0.0;      // their summed weight
    int Runouts = 0;          // the runouts each of them meets the hero on: 990, 44 or 1; 0 for bad input
    CardMask Dead = 0;        // the hero's and the board's cards
};

// Hero and board as exactEquity takes them; for any other input, or no live holding with a weight, Holdings
// is 0. Allocates nothing.
HoldingEquities holdingEquities(CardMask hero, CardMask board, const HoldingWeights& villain);

// The hero's equity against `part` of the range the shares were worked out for, as exactEquity would give
// it; Holdings 0 when no live holding of `part` has a weight. nullopt when `part` weighs a live holding that
// the range left out, whose share is unknown.
std::optional<EquityResult> equityAgainst(const HoldingEquities& equities, const HoldingWeights& part);

} // namespace tavolin::equity
