#pragma once

#include "equity/holdings.h"

#include <string_view>

namespace tavolin::ranges {

// The window's preflop profiles 0..3: "1-Nit/Tight" top 12%, "2-Semiloose" top 25%, "3-Loose" top 40%,
// "4-Fish!" top 70%.
constexpr int kProfileCount = 4;

double profileTopPercent(int preflopProfile); // 25 for an index outside 0..3

// "Nit/Tight", "Semiloose", "Loose", "Fish!"
std::string_view profileName(int preflopProfile);

equity::HoldingWeights profileRange(int preflopProfile);

} // namespace tavolin::ranges
