#pragma once

#include "equity/holdings.h"

#include <cstdint>
#include <span>

namespace tavolin::equity {

// The hero against one to three villains, each holding a hand from their own range, no two players sharing
// a card. Each deal (the villains' holdings and the runout) counts with the product of the villains'
// weights. A pot the hero ties for with k others gives the hero 1 / (k + 1) of it.
struct MultiwayEquity {
    double Equity = 0.0;   // Win + the hero's shares of the split pots
    double Win = 0.0;      // how often the hero alone holds the best hand
    double Tie = 0.0;      // how often the hero shares the best hand
    bool Exact = false;    // every deal counted; otherwise a Monte Carlo estimate
    double StdError = 0.0; // the estimate's standard error of Equity; 0 when exact
    long long Samples = 0; // deals counted or drawn; 0 when no deal is possible
    int Villains = 0;      // 0 for input refused
};

struct MultiwayOptions {
    std::uint64_t Seed = 1;
    double TargetStdError = 0.001;   // sampling stops here (0.1 equity points) ...
    double TimeLimitSeconds = 0.1;   // ... or here, whichever comes first
    double ExactShowdownLimit = 4e6; // count every deal when the showdowns to value number at most this
};

// `hero` holds two cards and `board` three to five, all different, and 1 to 3 villain ranges; anything
// else gives Villains == 0. The same seed gives the same estimate unless the time limit stops it.
MultiwayEquity multiwayEquity(CardMask hero, CardMask board, std::span<const HoldingWeights> villains,
                              const MultiwayOptions& options = {});

} // namespace tavolin::equity
