#pragma once

#include "cards/card.h"
#include "showdown/hand_weight.h"

#include <array>
#include <cstdint>

namespace tavolin::showdown {

// Showdown weighs the cards of the shared vocabulary.
using tavolin::CardMask;

// Rank counts, three bits per rank (bit 3·(rank − 2)); the key of a set of cards is the sum of its cards'
// units, whatever their suits.
using RankKey = std::uint64_t;

constexpr RankKey rankUnit(int rank) {
    return RankKey{1} << (3 * (rank - 2));
}

RankKey rankKeyOf(CardMask cards);

// The best five-card weight of up to seven cards splits in two: which five of the ranks weigh most when no
// five share a suit, and which five of one suit's ranks weigh most. A suited five always outweighs the same
// ranks unsuited, so the greater of the two is the best hand.
class BestHandTables {
public:
    BestHandTables();

    // Best over every five-card choice of five to seven ranks, weighed unsuited; 0 for any other key.
    Weight bestRankWeight(RankKey key) const;

    // Best over every five-card choice of the ranks of a 13-bit suit mask, weighed suited; 0 below five
    // ranks.
    Weight bestSuitedWeight(unsigned suitMask) const { return SuitedBest[suitMask & kSuitRanks]; }

private:
    static constexpr int kSlotBits = 17;
    static constexpr std::uint32_t kSlotMask = (1U << kSlotBits) - 1;
    static constexpr int kWeightShift = 40;
    static constexpr RankKey kKeyMask = (RankKey{1} << kWeightShift) - 1;

    static std::uint32_t slotOf(RankKey key);
    void insertRanks(RankKey key, Weight weight);
    void addMultisets(int size, int rank, RankKey key, std::array<int, 7>& ranks, int held);

    // Open addressing on the rank key; a slot holds key | weight << kWeightShift, and 0 when empty.
    std::array<std::uint64_t, std::size_t{1} << kSlotBits> RankSlots;
    std::array<Weight, kSuitRanks + 1> SuitedBest;
};

// Built on first use.
const BestHandTables& bestHandTables();

// The greatest weight among the five-card choices of five to seven cards; 0 for any other number of cards.
Weight bestHandWeight(CardMask cards);

} // namespace tavolin::showdown
