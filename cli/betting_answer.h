#pragma once

#include "cli/equity_answer.h"
#include "equity/betting_range.h"

namespace tavolin::cli {

// The range that bets as range text, its weights rounded to two decimals; empty without a holding.
std::string bettingRangeText(const equity::BettingRange& betting);

// The part of the villain's range that bets `bet` into `pot` by the plain betting model (see
// equity/betting_range.h), and the hero's exact equity against it: {"betting": {"text", "holdings", "equity",
// "win", "tie", "model"}}. The text rounds the weights to two decimals; the holdings are the exact sum. The
// equity comes from `shares`, holdingEquities against `range`.
EquityFigures bettingFigures(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                             const equity::HoldingEquities& shares, double pot, double bet,
                             std::string_view decimalSeparator);

} // namespace tavolin::cli
