#pragma once

#include "history/hand_record.h"
#include "history/skip.h"

#include <string_view>
#include <variant>

namespace tavolin::history {

// One Open Hand History object, {"ohh": {...}}. Its pots settle how raises are counted: a raise's amount
// is read as the chips it adds, or else as the player's whole bet on the street, whichever makes the
// bets add up to the pots; a hand for which neither does is skipped.
std::variant<HandRecord, Skip> readOhhHand(std::string_view text);

} // namespace tavolin::history
