#pragma once

#include "equity/holdings.h"

#include <array>
#include <string>

namespace tavolin::ranges {

using equity::HoldingWeights;

// One of the 169 starting hands: a pair (High == Low), suited or offsuit. Ranks 2..14.
struct StartingHand {
    int High = 14;
    int Low = 14;
    bool Suited = false;
    double Equity = 0.0; // all-in preflop against a random hand, heads-up
};

constexpr int kStartingHandCount = 169;

// "AA", "AKs", "72o".
std::string startingHandName(const StartingHand& hand);

// 6 for a pair, 4 suited, 12 offsuit.
int holdingsOf(const StartingHand& hand);

// The 169 hands, best first by their all-in equity against a random hand.
const std::array<StartingHand, kStartingHandCount>& startingHandOrder();

// The grid of the range panel: row and column 0..12 for A down to 2; pairs on the diagonal, suited above it
// (row = higher rank), offsuit below it (column = higher rank).
StartingHand gridHand(int row, int column);

// Every holding of a starting hand at `weight` (others unchanged).
void setStartingHand(HoldingWeights& weights, const StartingHand& hand, double weight);

// Hands taken in the order above until `percent` of the 1,326 holdings (whole hands, at least one when
// percent > 0).
HoldingWeights topPercent(double percent);

} // namespace tavolin::ranges
