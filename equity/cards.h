#pragma once

#include "cards/card.h"
#include "cards/card_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::equity {

using tavolin::CardMask;
using tavolin::kDeckSize;

// A card is 0..51, the index of its bit in a CardMask: 13 * suit + (rank - 2), suits 0..3 for s, h, c, d
// and ranks 2..14 with the ace 14.

constexpr int cardOf(int suit, int rank) {
    return 13 * suit + (rank - 2);
}
constexpr int cardRank(int card) {
    return card % 13 + 2;
}
constexpr int cardSuit(int card) {
    return card / 13;
}
constexpr CardMask maskOf(int card) {
    return CardMask{1} << card;
}

// The card's index, or nullopt, for exactly two letters of either case.
std::optional<int> readCard(std::string_view text);

// "Ah": the rank upper case, the suit lower case.
std::string cardName(int card);

} // namespace tavolin::equity
