#include "practice/straight_examples.h"

namespace tavolin {

bool isCardText(std::string_view text) {
    constexpr std::string_view kRanks = "A23456789TJQK";
    constexpr std::string_view kSuits = "shcd";
    return text.size() == 2 && kRanks.find(text[0]) != std::string_view::npos &&
           kSuits.find(text[1]) != std::string_view::npos;
}

std::vector<std::string_view> exampleCards(std::string_view example) {
    std::vector<std::string_view> cards;
    // Cards stand three characters apart; the character between them (a blank or "-") is never read.
    for (std::size_t position = 0; position + 1 < example.size(); position += 3) {
        const std::string_view text = example.substr(position, 2);
        if (!isCardText(text)) break;
        cards.push_back(text);
    }
    return cards;
}

} // namespace tavolin
