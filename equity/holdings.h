#pragma once

#include "equity/cards.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavolin::equity {

// The 1,326 two-card holdings, numbered 0..1325 in the order (1,0), (2,0), (2,1), (3,0), ...: holding
// index = high * (high - 1) / 2 + low for cards high > low.
constexpr int kHoldingCount = 1326;

struct Holding {
    int High = 1; // the greater card index
    int Low = 0;
};

constexpr int holdingIndex(int cardA, int cardB) {
    const int high = cardA > cardB ? cardA : cardB;
    const int low = cardA > cardB ? cardB : cardA;
    return high * (high - 1) / 2 + low;
}

Holding holdingAt(int index);
CardMask holdingMask(int index);

// A weight from 0 to 1 for every holding: how often the villain plays it. 0 means never.
using HoldingWeights = std::array<double, kHoldingCount>;

// The weight a holding counts with: 0 for weights below 0 or not numbers, 1 for weights above 1. Inline, as
// every pass over the holdings asks it 1,326 times.
inline double usableWeight(double weight) {
    return weight > 0.0 && std::isfinite(weight) ? std::min(weight, 1.0) : 0.0;
}

// Every holding at weight 1: a random hand.
HoldingWeights anyTwoCards();

// The summed weight of the holdings that share no card with `dead`.
double liveWeight(const HoldingWeights& weights, CardMask dead);

} // namespace tavolin::equity
