#pragma once

// The showdown written the plain, slow way: five cards sorted into rows and read through the string of their
// rank gaps, every five of the cards tried, every villain holding compared on its own. The tests use it as
// the oracle for the fast production path, and the benchmark as its baseline.

#include "showdown/card_mask.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavolin::showdown::literal {

// A card code is 32 × suit + rank (suit 1..4 for s, h, c, d; rank 2..14).
double handWeight(const std::array<std::int32_t, 5>& codes);

// The greatest weight among every five of the codes.
double bestWeight(const std::vector<std::int32_t>& codes);

struct LiteralCount {
    std::int32_t BetterCount = 0;
    std::int32_t PairCount = 0;
};

LiteralCount countBetterVillainHands(CardMask hero, CardMask board);

// "Ad 7d" style card texts, one blank apart.
inline CardMask maskOf(std::string_view text) {
    CardMask mask = 0;
    for (std::size_t at = 0; at + 1 < text.size(); at += 3) {
        const auto suit = static_cast<int>(std::string_view("shcd").find(text[at + 1])) + 1;
        mask |= cardBit(suit, static_cast<int>(std::string_view("23456789TJQKA").find(text[at])) + 2);
    }
    return mask;
}

} // namespace tavolin::showdown::literal
