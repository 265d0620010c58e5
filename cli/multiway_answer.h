#pragma once

#include "cli/equity_answer.h"

#include <vector>

namespace tavolin::cli {

// The hero against two or three villains at once, each with a range: {"multiway": {"equity", "win", "tie",
// "exact", "stdError", "samples"}}, counted exactly when the deals are few enough, else sampled.
EquityFigures multiwayFigures(equity::CardMask hero, equity::CardMask board,
                              const std::vector<VillainRange>& villains, std::string_view decimalSeparator);

} // namespace tavolin::cli
