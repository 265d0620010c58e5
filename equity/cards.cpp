#include "equity/cards.h"

#include <bit>

namespace tavolin::equity {
namespace {

constexpr std::string_view kRankLetters = "23456789TJQKA";
constexpr std::string_view kSuitLetters = "shcd";

int rankOfLetter(char letter) {
    const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto at = kRankLetters.find(upper);
    return at == std::string_view::npos ? -1 : static_cast<int>(at) + 2;
}

int suitOfLetter(char letter) {
    const char lower = (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
    const auto at = kSuitLetters.find(lower);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::optional<int> readCard(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    const int rank = rankOfLetter(text[0]);
    const int suit = suitOfLetter(text[1]);
    if (rank < 0 || suit < 0) return std::nullopt;
    return cardOf(suit, rank);
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
        if (!card || (cards & maskOf(*card)) != 0) return std::nullopt;
        cards |= maskOf(*card);
        at += 2;
    }
    return cards;
}

std::string cardName(int card) {
    if (card < 0 || card >= kDeckSize) return "??";
    return {kRankLetters[static_cast<std::size_t>(cardRank(card) - 2)],
            kSuitLetters[static_cast<std::size_t>(cardSuit(card))]};
}

} // namespace tavolin::equity
