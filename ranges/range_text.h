#pragma once

#include "equity/holdings.h"

#include <string>
#include <string_view>

namespace tavolin::ranges {

using equity::CardMask;
using equity::HoldingWeights;

// Why a range text could not be read: the offending token as typed, its 1-based place among the
// comma-separated tokens, and a sentence for the player.
struct RangeError {
    std::string Token;
    int Place = 0;
    std::string Message;
};

struct RangeReading {
    bool Ok = false;
    HoldingWeights Weights{}; // when Ok
    RangeError Error;         // when not
};

// Reads the notation players type: "QQ+, AKs, AJo+, 88-55, K9s-K6s, AhKh, AQo:0.5, random". A later token
// overrides an earlier one for the same holding. Runs may be written either way round ("55-88"); "AKs+"
// is just AKs, as the lower card cannot rise further. Weights are plain decimals above 0 and at most 1.
// Empty entries between commas are skipped; a blank text is an empty range. A text longer than a million
// characters is refused whole (Place 0).
RangeReading readRange(std::string_view text);

// The shortest conventional text of a range ("QQ+, AKs, AJo+"); reading it back gives the same weights.
std::string rangeText(const HoldingWeights& weights);

} // namespace tavolin::ranges
