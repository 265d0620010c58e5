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

// Calls visit(index, holding, weight) for every holding with a usable weight above 0 that holds no card of
// `dead`, in index order; `holding` is its two cards' mask and `weight` its usable weight.
template <class Visit> void forEachLiveHolding(const HoldingWeights& weights, CardMask dead, Visit&& visit) {
    for (int high = 1, index = 0; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low, ++index) {
            const double weight = usableWeight(weights[static_cast<std::size_t>(index)]);
            const CardMask holding = maskOf(high) | maskOf(low);
            if (weight == 0.0 || (holding & dead) != 0) continue;
            visit(index, holding, weight);
        }
    }
}

// The holdings of one cell of the 13 x 13 grid by index: the 6 of a pair (high == low), the 4 suited or the
// 12 offsuit ones; none when a rank is not a card rank.
struct CellHoldings {
    std::array<int, 12> Index{};
    int Count = 0;
};
CellHoldings cellHoldings(int highRank, int lowRank, bool suited);

// Every holding at weight 1: a random hand.
HoldingWeights anyTwoCards();

// The summed weight of the holdings that share no card with `dead`.
double liveWeight(const HoldingWeights& weights, CardMask dead);

} // namespace tavolin::equity
