#pragma once

#include "practice/spot.h"

#include <string>
#include <string_view>

namespace tavolin::practice {

// What the report says about a spot: its text and the items the questions are checked against.
struct SpotReading {
    std::string Report; // the analysis' report, lines ending in CR LF; empty only for a spot with bad cards
    std::string Texture;
    std::string StrengthLabel;
    float Outs = 0.0f;
    std::string OutsText; // the explanation lines of the outs, separated by CR LF
    bool HasAmountsBlock = false;
    float PmeNextCard = 0.0f; // the report's price of the call, also computed on the river
};

SpotReading readSpot(const Spot& spot, std::string_view decimalSeparator = ".");

} // namespace tavolin::practice
