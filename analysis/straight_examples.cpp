#include "analysis/straight_examples.h"

#include "cards/card_text.h"

namespace tavolin {

std::vector<Card> exampleCards(std::string_view example) {
    std::vector<Card> cards;
    // Cards stand three characters apart; the character between them (a blank or "-") is never read.
    for (std::size_t position = 0; position + 1 < example.size(); position += 3) {
        const auto card = readCard(example.substr(position, 2), LetterCase::kExact);
        if (!card) break;
        cards.push_back(*card);
    }
    return cards;
}

} // namespace tavolin
