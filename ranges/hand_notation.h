#pragma once

#include "cards/card_text.h"
#include "equity/holdings.h"

#include <array>
#include <string>
#include <string_view>

namespace tavolin::ranges {

// The holdings of one starting hand, by holding index: 6 for a pair, 4 suited, 12 offsuit.
struct HandHoldings {
    std::array<int, 12> Index{};
    int Count = 0;
};

// `high` >= `low`; `suited` is ignored for a pair.
HandHoldings handHoldings(int high, int low, bool suited);

// Gives every holding of the starting hand `weight`.
void setHandWeight(equity::HoldingWeights& weights, int high, int low, bool suited, double weight);

// "AhKh": the higher card first.
std::string holdingName(int holding);

} // namespace tavolin::ranges
