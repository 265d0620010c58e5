#pragma once

// The showdown written the plain, slow way: five cards sorted into rows and read through the string of their
// rank gaps, every five of the cards tried, every villain holding compared on its own. The tests use it as
// the oracle for the fast production path, and the benchmark as its baseline.

#include "cards/card_text.h"

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
    return readCardList(text).value_or(0);
}

} // namespace tavolin::showdown::literal
