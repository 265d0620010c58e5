#pragma once

#include "cards/card.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin {

// The one table of card letters: ranks by rank - 2, suits by suit.
inline constexpr std::string_view kRankLetters = "23456789TJQKA";
inline constexpr std::string_view kSuitLetters = "shcd";

enum class LetterCase {
    kExact, // a rank upper case, a suit lower case, as cards are written
    kEither,
};

constexpr char rankLetter(int rank) {
    return kRankLetters[static_cast<std::size_t>(rank - 2)];
}
constexpr char suitLetter(int suit) {
    return kSuitLetters[static_cast<std::size_t>(suit)];
}

// 2..14 for a rank letter, nullopt for any other byte.
std::optional<int> rankOfLetter(char letter, LetterCase letterCase = LetterCase::kEither);
// 0..3 for a suit letter, nullopt for any other byte.
std::optional<int> suitOfLetter(char letter, LetterCase letterCase = LetterCase::kEither);

// Exactly two letters, "Ah", "td": a rank and a suit.
std::optional<Card> readCard(std::string_view text, LetterCase letterCase = LetterCase::kEither);

// Cards written one after another, with or without blanks, tabs or commas between them ("Ah Kh", "AhKh");
// nullopt for any other text or a card given twice.
std::optional<CardMask> readCardList(std::string_view text);

// "Ah": the rank upper case, the suit lower case.
std::string cardName(Card card);

// The cards of a mask by name in index order, one blank apart.
std::string cardNames(CardMask cards);

} // namespace tavolin
