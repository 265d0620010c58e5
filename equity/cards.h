#pragma once

#include "showdown/card_mask.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::equity {

using showdown::CardMask;

// A card is 0..51, the index of its bit in a CardMask: 13 * suit + (rank - 2), suits 0..3 for s, h, c, d
// and ranks 2..14 with the ace 14.
constexpr int kDeckSize = 52;

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

// "Ah", "Td", "7c": a rank A K Q J T 9..2 (either case) and a suit s h c d (either case).
std::optional<int> readCard(std::string_view text);

// Cards written one after another, with or without blanks or commas between them ("Ah Kh", "AhKh");
// nullopt for any other text or a card given twice.
std::optional<CardMask> readCardList(std::string_view text);

// "Ah": the rank upper case, the suit lower case.
std::string cardName(int card);

} // namespace tavolin::equity
