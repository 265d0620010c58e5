#pragma once

// Hands ranked the plain way: rank counts and shapes compared as tuples, the best of every five cards, and
// every holding against every runout. The oracle of the tests and the baseline of the benchmark.

#include "equity/exact_equity.h"

#include <array>
#include <utility>

namespace tavolin::equity::reference {

// The category, then the ranks by group size and rank (a straight: its top card only).
using HandKey = std::array<int, 6>;

HandKey fiveCardKey(const std::array<int, 5>& cards);
std::pair<HandKey, CardMask> bestFive(CardMask cards); // the best key and five cards that make it
EquityResult plainEquity(CardMask hero, CardMask board, const HoldingWeights& villain);

} // namespace tavolin::equity::reference
