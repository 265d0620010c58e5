#include "equity/cards.h"

namespace tavolin::equity {

std::optional<int> readCard(std::string_view text) {
    const auto card = tavolin::readCard(text);
    if (!card) return std::nullopt;
    return card->index();
}

std::string cardName(int card) {
    if (card < 0 || card >= kDeckSize) return "??";
    return tavolin::cardName(Card::fromIndex(card));
}

} // namespace tavolin::equity
