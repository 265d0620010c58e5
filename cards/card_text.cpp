#include "cards/card_text.h"

namespace tavolin {
namespace {

char upper(char letter) {
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}
char lower(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

} // namespace

std::optional<int> rankOfLetter(char letter, LetterCase letterCase) {
    const char wanted = letterCase == LetterCase::kEither ? upper(letter) : letter;
    const auto at = kRankLetters.find(wanted);
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<int>(at) + 2;
}

std::optional<int> suitOfLetter(char letter, LetterCase letterCase) {
    const char wanted = letterCase == LetterCase::kEither ? lower(letter) : letter;
    const auto at = kSuitLetters.find(wanted);
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<int>(at);
}

std::optional<Card> readCard(std::string_view text, LetterCase letterCase) {
    if (text.size() != 2) return std::nullopt;
    const auto rank = rankOfLetter(text[0], letterCase);
    const auto suit = suitOfLetter(text[1], letterCase);
    if (!rank || !suit) return std::nullopt;
    return Card(*rank, *suit);
}

std::optional<CardMask> readCardList(std::string_view text) {
    CardMask cards = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == ',' || text[at] == '\t') {
            ++at;
            continue;
        }
        const auto card = readCard(text.substr(at, 2));
        if (!card || (cards & card->mask()) != 0) return std::nullopt;
        cards |= card->mask();
        at += 2;
    }
    return cards;
}

std::string cardName(Card card) {
    return {rankLetter(card.rank()), suitLetter(card.suit())};
}

std::string cardNames(CardMask cards) {
    std::string names;
    for (const Card card : cardsIn(cards)) {
        if (!names.empty()) names += ' ';
        names += cardName(card);
    }
    return names;
}

} // namespace tavolin
