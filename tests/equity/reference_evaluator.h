#pragma once

// Hands ranked the plain way: sorted ranks and shape counts compared as tuples, the best of every five
// cards, and every holding against every runout. The oracle of the tests and the baseline of the benchmark.

#include "equity/exact_equity.h"

#include <array>

namespace tavolin::equity::reference {

// The category, then the ranks by group size and rank (a straight: its top card only).
using HandKey = std::array<int, 6>;

HandKey fiveCardKey(const std::array<int, 5>& cards);
HandKey bestKey(CardMask cards);
EquityResult plainEquity(CardMask hero, CardMask board, const HoldingWeights& villain);

} // namespace tavolin::equity::reference
