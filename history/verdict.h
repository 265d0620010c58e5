#pragma once

#include "history/hand_record.h"

#include <optional>
#include <string>

namespace tavolin::history {

struct Verdict {
    std::string Words; // "called short of the price by 9 points"
    bool Flagged = false;
};

// How a call, raise or fold facing a bet stands against its price, by all-in equity; nullopt for other
// actions. Points are whole percentage points of equity above or below the price.
std::optional<Verdict> verdictOf(Move action, double equity, double price);

} // namespace tavolin::history
