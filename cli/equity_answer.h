#pragma once

#include "equity/equity_by_part.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin::cli {

// The villain's range: the one typed, else the preflop profile's.
struct VillainRange {
    bool Ok = false;
    equity::HoldingWeights Weights{};
    std::string Name;    // "Semiloose" for a profile's range, "typed" for a typed one
    std::string Problem; // when not Ok: the bad token, its place and why
};
VillainRange chooseRange(const std::optional<std::string>& text, int preflopProfile);

// The exact figures beside the report, for scripts and for people.
struct EquityFigures {
    nlohmann::ordered_json
        Json;         // {"random": ..., "range": ..., "board": [...], "nextCard": ..., "trueOuts": ...}
    std::string Text; // the same in lines ending in "\n", numbers with the report's separator
};

// Adds `more`'s keys and lines after those of `figures`.
void appendFigures(EquityFigures& figures, EquityFigures more);

// "41.20%" and "41.20% (win 40.00%, tie 2.40%)" for shares from 0 to 1.
std::string percent(double share, std::string_view separator);
std::string sharesText(double equity, double win, double tie, std::string_view separator);

// `hero` holds two cards and `board` three to five; `parts` is equityByPart against `range`; `ruleOuts` is
// the report's Outs as printed.
EquityFigures equityFigures(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                            const equity::EquityByPart& parts, std::string_view ruleOuts,
                            std::string_view decimalSeparator);

} // namespace tavolin::cli
