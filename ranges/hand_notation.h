#pragma once

#include "equity/holdings.h"

#include <array>
#include <string>
#include <string_view>

namespace tavolin::ranges {

// The rank letters of the notation, index rank - 2.
constexpr std::string_view kRankLetters = "23456789TJQKA";

constexpr char rankLetter(int rank) {
    return kRankLetters[static_cast<std::size_t>(rank - 2)];
}

// 2..14 for a rank letter of either case, 0 for any other byte.
constexpr int rankOfLetter(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto at = kRankLetters.find(upper);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 2;
}

// The holdings of one starting hand, by holding index: 6 for a pair, 4 suited, 12 offsuit.
struct HandHoldings {
    std::array<int, 12> Index{};
    int Count = 0;
};

// `high` >= `low`; `suited` is ignored for a pair.
HandHoldings handHoldings(int high, int low, bool suited);

// "AhKh": the higher card first.
std::string holdingName(int holding);

} // namespace tavolin::ranges
