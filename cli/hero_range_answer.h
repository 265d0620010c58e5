#pragma once

#include "cli/equity_answer.h"

namespace tavolin::cli {

// The hero's range against the villain's, every holding and runout counted: {"heroRange": {"text",
// "holdings", "equity", "win", "tie"}, "grid": [{"hand", "holdings", "equity"}, ...]}, the grid holding the
// starting hands with live holdings in the range grid's order (AA, AKs, ..., A2s, AKo, KK, ...).
EquityFigures heroRangeFigures(const equity::HoldingWeights& heroRange, equity::CardMask board,
                               const VillainRange& range, std::string_view decimalSeparator);

} // namespace tavolin::cli
