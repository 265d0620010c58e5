#pragma once

#include "cards/card.h"
#include "practice/spot.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::practice {

// What the report says about a spot: its text and the items the questions are checked against.
struct SpotReading {
    std::string Report; // the analysis' report, lines ending in CR LF; empty only for a spot with bad cards
    std::string Texture;
    std::string StrengthLabel;
    float Outs = 0.0f;
    // The explanation lines of the outs, separated by CR LF, each followed by the unseen cards it counted
    // (see outsLinesWithCards), so that every outs verdict names them.
    std::string OutsText;
    std::vector<CardMask> OutsCards; // the unseen cards each line counted, one mask per line (0 for none)
    bool HasAmountsBlock = false;
    float PmeNextCard = 0.0f; // the report's price of the call, also computed on the river
};

SpotReading readSpot(const Spot& spot, std::string_view decimalSeparator = ".");

} // namespace tavolin::practice
