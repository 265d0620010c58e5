#pragma once

#include "history/hand_record.h"

#include <optional>
#include <string_view>

namespace tavolin::history {

struct TextHeader {
    std::string Id;
    std::string Game; // "Hold'em No Limit", "Omaha Pot Limit", "Tournament #1, $1+$0.10 USD Hold'em No Limit"
    bool Holdem = false;
    Limit BetLimit = Limit::kNoLimit;
    bool Tournament = false;
    std::optional<Money> BigBlind;
    std::string Stakes; // the blinds as written: "$1/$2 USD", "100/200"
    std::string Played; // the date and time as written: "2024/01/05 20:00:00 ET"
};

// The first line of a text hand: "<site> Hand #<digits>: <game> (<blinds>) - <date>" (or "Game #", or a
// site name of several words); nullopt for any other line.
std::optional<TextHeader> readTextHeader(std::string_view line);

} // namespace tavolin::history
