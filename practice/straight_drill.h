#pragma once

#include "practice/spot.h"

#include <string>

namespace tavolin::practice {

// The worked straight-draw examples as a drill: "How many outs?".
constexpr int kStraightExampleCount = 96;

struct StraightExample {
    Spot Cards;           // the hole cards and the flop or turn; no amounts
    int StatedOuts = 0;   // the example's stated total
    std::string Solution; // the text after "Sol: ", such as "6 outs (6-2 outs)"
};

// Example 0..95 in the list's order.
StraightExample straightExample(int index);

} // namespace tavolin::practice
