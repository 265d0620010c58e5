#pragma once

#include "practice/spot.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavolin::practice {

// How close a call or fold is: bands of the exact equity minus the price of the call, in points. A spot
// whose equity sits near its price is the hard one to decide.
struct ClosenessBand {
    std::string_view Name;
    double Low;  // in the band from Low ...
    double High; // ... up to, not including, High
};
constexpr std::array<ClosenessBand, 5> kClosenessBands{{
    {"fold by 15+", -101, -15},
    {"fold by 5-15", -15, -5},
    {"within 5", -5, 5},
    {"call by 5-15", 5, 15},
    {"call by 15+", 15, 101},
}};

// The band of a spot whose exact equity against the villain's range is `equity` (0..1).
const ClosenessBand& closenessOf(const Spot& spot, double equity);
std::optional<ClosenessBand> readCloseness(std::string_view name);

} // namespace tavolin::practice
