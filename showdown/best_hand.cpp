#include "showdown/best_hand.h"

#include <algorithm>
#include <bit>

namespace tavolin::showdown {
namespace {

constexpr int kMaxCards = 7;
constexpr int kMaxOfRank = 4;

// Under 4 MB; the slots stay about half full so that most look-ups hit at the first slot.
static_assert(sizeof(BestHandTables) < 4 * 1024 * 1024);

} // namespace

RankKey rankKeyOf(CardMask cards) {
    RankKey key = 0;
    for (int suit = 0; suit < kSuitCount; ++suit) {
        for (unsigned ranks = suitRanks(cards, suit); ranks != 0; ranks &= ranks - 1) {
            key += rankUnit(std::countr_zero(ranks) + 2);
        }
    }
    return key;
}

BestHandTables::BestHandTables() : RankSlots{}, SuitedBest{} {
    // Masks grow through their submasks, so a mask's best is the best of itself less one rank.
    for (unsigned mask = 0; mask <= kSuitRanks; ++mask) {
        const int count = std::popcount(mask);
        if (count == 5) {
            std::array<int, 5> ranks{};
            int at = 0;
            for (unsigned rest = mask; rest != 0; rest &= rest - 1)
                ranks[at++] = std::countr_zero(rest) + 2;
            SuitedBest[mask] = suitedWeight(ranks);
        } else if (count > 5) {
            for (unsigned rest = mask; rest != 0; rest &= rest - 1) {
                SuitedBest[mask] = std::max(SuitedBest[mask], SuitedBest[mask & ~(rest & -rest)]);
            }
        }
    }
    std::array<int, kMaxCards> ranks{};
    for (int size = 5; size <= kMaxCards; ++size)
        addMultisets(size, 2, 0, ranks, 0);
}

std::uint32_t BestHandTables::slotOf(RankKey key) {
    return static_cast<std::uint32_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits));
}

Weight BestHandTables::bestRankWeight(RankKey key) const {
    for (std::uint32_t slot = slotOf(key);; slot = (slot + 1) & kSlotMask) {
        const std::uint64_t entry = RankSlots[slot];
        if (entry == 0) return 0;
        if ((entry & kKeyMask) == key) return static_cast<Weight>(entry >> kWeightShift);
    }
}

void BestHandTables::insertRanks(RankKey key, Weight weight) {
    std::uint32_t slot = slotOf(key);
    while (RankSlots[slot] != 0)
        slot = (slot + 1) & kSlotMask;
    RankSlots[slot] = key | static_cast<std::uint64_t>(weight) << kWeightShift;
}

// Walks every multiset of `size` ranks, at most four of a rank, in rank order. Five ranks are weighed
// directly; a larger multiset takes the best of itself less one card, found among the smaller ones
// added before it.
void BestHandTables::addMultisets(int size, int rank, RankKey key, std::array<int, kMaxCards>& ranks,
                                  int held) {
    if (held == size) {
        Weight best = 0;
        if (size == 5) {
            best = rankWeight({ranks[0], ranks[1], ranks[2], ranks[3], ranks[4]});
        } else {
            for (int at = 0; at < size; ++at) {
                if (at == 0 || ranks[at] != ranks[at - 1]) {
                    best = std::max(best, bestRankWeight(key - rankUnit(ranks[at])));
                }
            }
        }
        insertRanks(key, best);
        return;
    }
    if (rank > 14) return;
    addMultisets(size, rank + 1, key, ranks, held);
    for (int copies = 1; copies <= kMaxOfRank && held + copies <= size; ++copies) {
        ranks[held + copies - 1] = rank;
        addMultisets(size, rank + 1, key + copies * rankUnit(rank), ranks, held + copies);
    }
}

const BestHandTables& bestHandTables() {
    static const BestHandTables tables;
    return tables;
}

Weight bestHandWeight(CardMask cards) {
    const int count = std::popcount(cards);
    if ((cards & ~kFullDeck) != 0 || count < 5 || count > kMaxCards) return 0;
    const BestHandTables& tables = bestHandTables();
    Weight best = tables.bestRankWeight(rankKeyOf(cards));
    for (int suit = 0; suit < kSuitCount; ++suit)
        best = std::max(best, tables.bestSuitedWeight(suitRanks(cards, suit)));
    return best;
}

} // namespace tavolin::showdown
