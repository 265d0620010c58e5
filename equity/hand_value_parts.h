#pragma once

// The pieces of the evaluator that the enumerations reuse: a value from ranks alone, and a flush's value.

#include "equity/hand_value.h"

#include <array>
#include <bit>

namespace tavolin::equity::parts {

constexpr int kRankCount = kRanksPerSuit;
constexpr unsigned kAllRanks = kSuitRanks;
constexpr int kCategoryShift = 20;

constexpr HandValue categoryBits(HandCategory category) {
    return static_cast<HandValue>(category) << kCategoryShift;
}

// For each 13-bit rank mask: 1 + the top rank index (0 = deuce) of its highest straight, or 0.
constexpr std::array<std::uint8_t, kAllRanks + 1> kStraightTop = [] {
    std::array<std::uint8_t, kAllRanks + 1> tops{};
    constexpr unsigned kWheel = (1U << 12) | 0xFU;
    for (unsigned mask = 0; mask <= kAllRanks; ++mask) {
        if ((mask & kWheel) == kWheel) tops[mask] = 4;
        for (int top = 4; top < kRankCount; ++top) {
            const unsigned window = 0x1FU << (top - 4);
            if ((mask & window) == window) tops[mask] = static_cast<std::uint8_t>(top + 1);
        }
    }
    return tops;
}();

// For each rank mask: its five highest rank indices, four bits each, the highest in the top nibble.
constexpr std::array<std::uint32_t, kAllRanks + 1> kTopFive = [] {
    std::array<std::uint32_t, kAllRanks + 1> packed{};
    for (unsigned mask = 0; mask <= kAllRanks; ++mask) {
        std::uint32_t value = 0;
        int taken = 0;
        for (int rank = kRankCount - 1; rank >= 0 && taken < 5; --rank) {
            if ((mask >> rank) & 1U) {
                value |= static_cast<std::uint32_t>(rank) << (4 * (4 - taken));
                ++taken;
            }
        }
        packed[mask] = value;
    }
    return packed;
}();

// How many ranks a mask holds, without relying on a population-count instruction.
constexpr std::array<std::uint8_t, kAllRanks + 1> kRankCounts = [] {
    std::array<std::uint8_t, kAllRanks + 1> counts{};
    for (unsigned mask = 1; mask <= kAllRanks; ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask & (mask - 1)] + 1);
    return counts;
}();

constexpr int rankCount(unsigned mask) {
    return kRankCounts[mask];
}

// The `count` highest ranks of a mask holding at least that many.
constexpr HandValue topRanks(unsigned mask, int count) {
    return kTopFive[mask] >> (4 * (5 - count));
}

constexpr HandValue topRank(unsigned mask) {
    return static_cast<HandValue>(std::bit_width(mask) - 1);
}

// The best five of one suit's ranks (at least five of them).
constexpr HandValue flushValue(unsigned suitRanks) {
    if (const int top = kStraightTop[suitRanks]; top != 0)
        return categoryBits(HandCategory::kStraightFlush) | static_cast<HandValue>(top - 1);
    return categoryBits(HandCategory::kFlush) | topRanks(suitRanks, 5);
}

// Ranks by how often they occur: AtLeast[k] holds the ranks seen more than k times.
struct RankLayers {
    std::array<unsigned, 4> AtLeast{};

    constexpr void add(int rank) {
        const unsigned bit = 1U << rank;
        int layer = 0;
        while (layer < 3 && (AtLeast[static_cast<std::size_t>(layer)] & bit) != 0)
            ++layer;
        AtLeast[static_cast<std::size_t>(layer)] |= bit;
    }
};

constexpr RankLayers layersOfSuits(unsigned s, unsigned h, unsigned c, unsigned d) {
    return {{s | h | c | d, (s & h) | (c & d) | ((s | h) & (c | d)), (s & h & (c | d)) | (c & d & (s | h)),
             s & h & c & d}};
}

// The best hand five to seven cards make from their ranks alone, as if no five shared a suit.
constexpr HandValue rankValue(const RankLayers& layers) {
    const unsigned any = layers.AtLeast[0];
    const unsigned pairs = layers.AtLeast[1];
    const unsigned trips = layers.AtLeast[2];
    if (const unsigned quads = layers.AtLeast[3]; quads != 0) {
        const HandValue quad = topRank(quads);
        return categoryBits(HandCategory::kFourOfAKind) | quad << 4 | topRank(any & ~(1U << quad));
    }
    if (trips != 0) {
        const HandValue trip = topRank(trips);
        if (const unsigned rest = pairs & ~(1U << trip); rest != 0)
            return categoryBits(HandCategory::kFullHouse) | trip << 4 | topRank(rest);
    }
    if (const int top = kStraightTop[any]; top != 0)
        return categoryBits(HandCategory::kStraight) | static_cast<HandValue>(top - 1);
    if (trips != 0) {
        const HandValue trip = topRank(trips);
        return categoryBits(HandCategory::kThreeOfAKind) | trip << 8 | topRanks(any & ~(1U << trip), 2);
    }
    if (pairs != 0) {
        const HandValue high = topRank(pairs);
        const unsigned lower = pairs & ~(1U << high);
        if (lower != 0) {
            const HandValue second = topRank(lower);
            return categoryBits(HandCategory::kTwoPair) | high << 8 | second << 4 |
                   topRank(any & ~(1U << high) & ~(1U << second));
        }
        return categoryBits(HandCategory::kPair) | high << 12 | topRanks(any & ~(1U << high), 3);
    }
    return categoryBits(HandCategory::kHighCard) | topRanks(any, 5);
}

} // namespace tavolin::equity::parts
