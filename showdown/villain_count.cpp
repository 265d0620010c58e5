#include "showdown/villain_count.h"

#include "showdown/best_hand.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace tavolin::showdown {
namespace {

constexpr int kRanks = kRanksPerSuit;

// The unseen cards in deck order (suit s, h, c, d, then rank 2 to ace), with what a holding needs of each.
struct Unseen {
    std::array<std::uint8_t, 52> Rank{};       // rank − 2
    std::array<std::uint16_t, 52> SuitedBit{}; // its rank bit when it has the board's flush suit, else 0
    std::array<int, kRanks> OfRank{};          // unseen cards per rank − 2
    int Count = 0;
};

bool validInput(CardMask hero, CardMask board) {
    const int boardCards = std::popcount(board);
    return ((hero | board) & ~kFullDeck) == 0 && (hero & board) == 0 && std::popcount(hero) == 2 &&
           boardCards >= 3 && boardCards <= 5;
}

// The suit with three or more board cards, the only one in which a holding can complete a flush.
std::optional<int> flushSuitOf(CardMask board) {
    for (int suit = 0; suit < kSuitCount; ++suit) {
        if (std::popcount(suitRanks(board, suit)) >= 3) return suit;
    }
    return std::nullopt;
}

Unseen unseenCards(CardMask seen, std::optional<int> flushSuit) {
    Unseen unseen;
    for (const Card card : cardsIn(kFullDeck & ~seen)) {
        const int rank = card.rank();
        unseen.Rank[unseen.Count] = static_cast<std::uint8_t>(rank - 2);
        unseen.SuitedBit[unseen.Count] =
            card.suit() == flushSuit ? static_cast<std::uint16_t>(1U << (rank - 2)) : 0;
        ++unseen.OfRank[rank - 2];
        ++unseen.Count;
    }
    return unseen;
}

} // namespace

VillainCount countBetterVillainHands(CardMask hero, CardMask board) {
    if (!validInput(hero, board)) return {};
    const BestHandTables& tables = bestHandTables();
    const Weight heroBest = bestHandWeight(hero | board);
    const std::optional<int> flushSuit = flushSuitOf(board);
    const unsigned boardSuited = flushSuit ? suitRanks(board, *flushSuit) : 0;
    const Unseen unseen = unseenCards(hero | board, flushSuit);

    // The villain's unsuited best depends only on the two ranks he holds: weigh each pair of ranks once.
    const RankKey boardKey = rankKeyOf(board);
    std::array<Weight, kRanks * kRanks> rankPairBest{};
    for (int low = 0; low < kRanks; ++low) {
        for (int high = low; high < kRanks; ++high) {
            const int needed = low == high ? 2 : 1;
            if (unseen.OfRank[low] < needed || unseen.OfRank[high] < needed) continue;
            const Weight best = tables.bestRankWeight(boardKey + rankUnit(low + 2) + rankUnit(high + 2));
            rankPairBest[low * kRanks + high] = best;
            rankPairBest[high * kRanks + low] = best;
        }
    }

    int better = 0;
    for (int first = 0; first < unseen.Count; ++first) {
        const Weight* pairRow = &rankPairBest[unseen.Rank[first] * kRanks];
        const unsigned suited = boardSuited | unseen.SuitedBit[first];
        for (int second = first + 1; second < unseen.Count; ++second) {
            const Weight villainBest = std::max(pairRow[unseen.Rank[second]],
                                                tables.bestSuitedWeight(suited | unseen.SuitedBit[second]));
            better += villainBest > heroBest ? 1 : 0;
        }
    }
    return {better, unseen.Count * (unseen.Count - 1) / 2};
}

} // namespace tavolin::showdown
