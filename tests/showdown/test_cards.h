#pragma once

#include "literal_reference.h"
#include "showdown/card_mask.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::showdown::testing {

struct Card {
    int Suit = 0; // 1..4 for s, h, c, d
    int Rank = 0; // 2..14, ace 14
};

// "Ad 7d" style card texts, one blank apart.
inline std::vector<Card> cardsOf(std::string_view text) {
    const std::string_view ranks = "23456789TJQKA";
    const std::string_view suits = "shcd";
    std::vector<Card> cards;
    for (std::size_t at = 0; at + 1 < text.size(); at += 3) {
        cards.push_back(
            {static_cast<int>(suits.find(text[at + 1])) + 1, static_cast<int>(ranks.find(text[at])) + 2});
    }
    return cards;
}

inline CardMask maskOf(std::string_view text) {
    CardMask mask = 0;
    for (const Card& card : cardsOf(text))
        mask |= cardBit(card.Suit, card.Rank);
    return mask;
}

inline literal::CardMatrix matrixOf(CardMask cards) {
    literal::CardMatrix matrix{};
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if ((cards & cardBit(suit, rank)) != 0) matrix[suit][rank] = 1;
        }
    }
    return matrix;
}

inline std::vector<std::int32_t> codesOf(std::string_view text) {
    std::vector<std::int32_t> codes;
    for (const Card& card : cardsOf(text))
        codes.push_back(literal::cardCode(card.Suit, card.Rank));
    return codes;
}

inline std::int32_t codeOfBit(int bit) {
    return literal::cardCode(bit / kRanksPerSuit + 1, bit % kRanksPerSuit + 2);
}

} // namespace tavolin::showdown::testing
