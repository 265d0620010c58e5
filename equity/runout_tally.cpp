#include "equity/runout_tally.h"

#include "equity/hand_value_parts.h"

#include <cmath>

namespace tavolin::equity::detail {
namespace {

constexpr int rankPair(int rankA, int rankB) {
    return rankA > rankB ? rankA * (rankA + 1) / 2 + rankB : rankB * (rankB + 1) / 2 + rankA;
}

constexpr int rankIndex(int card) {
    return card % 13;
}

void add(RunoutTally& tally, HandValue villain, HandValue hero, double weight) {
    (villain < hero ? tally.Win : villain == hero ? tally.Tie : tally.Lose) += weight;
}

} // namespace

bool isValidSpot(CardMask hero, CardMask board) {
    const int boardCount = std::popcount(board);
    return std::popcount(hero) == 2 && boardCount >= 3 && boardCount <= 5 && (hero & board) == 0 &&
           ((hero | board) & ~showdown::kFullDeck) == 0;
}

RunoutTallier::RunoutTallier(CardMask hero, CardMask board, const HoldingWeights& villain)
    : Hero(hero), Board(board), Villain(villain) {
    const CardMask dead = hero | board;
    for (int high = 1; high < kDeckSize; ++high) {
        if ((dead & maskOf(high)) != 0) continue;
        for (int low = 0; low < high; ++low) {
            const double weight = weightOf(high, low);
            if ((dead & maskOf(low)) != 0 || weight == 0.0) continue;
            ++LiveHoldings;
            LiveWeight += weight;
            BaseWeights[static_cast<std::size_t>(rankPair(rankIndex(high), rankIndex(low)))] += weight;
            WeightsWithCard[static_cast<std::size_t>(high)][static_cast<std::size_t>(rankIndex(low))] +=
                weight;
            WeightsWithCard[static_cast<std::size_t>(low)][static_cast<std::size_t>(rankIndex(high))] +=
                weight;
        }
    }
}

double RunoutTallier::weightOf(int cardA, int cardB) const {
    const double weight = Villain[static_cast<std::size_t>(holdingIndex(cardA, cardB))];
    return weight > 0.0 && std::isfinite(weight) ? weight : 0.0;
}

const std::array<HandValue, kRankPairCount>& RunoutTallier::rankPairValues(CardMask fullBoard, int key) {
    auto& values = Values[static_cast<std::size_t>(key)];
    if (ValuesReady[static_cast<std::size_t>(key)]) return values;
    const parts::RankLayers board =
        parts::layersOfSuits(parts::suitOf(fullBoard, 0), parts::suitOf(fullBoard, 1),
                             parts::suitOf(fullBoard, 2), parts::suitOf(fullBoard, 3));
    for (int high = 0; high < 13; ++high) {
        for (int low = 0; low <= high; ++low) {
            parts::RankLayers layers = board;
            layers.add(high);
            layers.add(low);
            values[static_cast<std::size_t>(rankPair(high, low))] = parts::rankValue(layers);
        }
    }
    ValuesReady[static_cast<std::size_t>(key)] = true;
    return values;
}

// Holdings that make a flush leave their rank pair's weight and are valued one by one.
void RunoutTallier::takeFlushHoldings(CardMask fullBoard, CardMask dead, HandValue hero,
                                      std::array<double, kRankPairCount>& weights, RunoutTally& tally) const {
    for (int suit = 0; suit < 4; ++suit) {
        const unsigned boardSuit = parts::suitOf(fullBoard, suit);
        const int onBoard = std::popcount(boardSuit);
        if (onBoard < 3) continue;
        const unsigned liveSuit = parts::kAllRanks & ~parts::suitOf(dead, suit);
        for (unsigned first = liveSuit; first != 0; first &= first - 1) {
            const int firstRank = std::countr_zero(first);
            const int firstCard = cardOf(suit, firstRank + 2);
            // Both cards of the suit: each pair once, the lower card taken second.
            for (unsigned second = first & (first - 1); second != 0; second &= second - 1) {
                const int secondRank = std::countr_zero(second);
                const double weight = weightOf(firstCard, cardOf(suit, secondRank + 2));
                if (weight == 0.0) continue;
                weights[static_cast<std::size_t>(rankPair(firstRank, secondRank))] -= weight;
                add(tally, parts::flushValue(boardSuit | 1U << firstRank | 1U << secondRank), hero, weight);
            }
            if (onBoard < 4) continue;
            const HandValue oneCardFlush = parts::flushValue(boardSuit | 1U << firstRank);
            for (int other = 0; other < kDeckSize; ++other) {
                if (cardSuit(other) == suit || (dead & maskOf(other)) != 0) continue;
                const double weight = weightOf(firstCard, other);
                if (weight == 0.0) continue;
                weights[static_cast<std::size_t>(rankPair(firstRank, rankIndex(other)))] -= weight;
                add(tally, oneCardFlush, hero, weight);
            }
        }
        if (onBoard < 5) return;
        // The board's flush plays for every holding without a card of the suit.
        const HandValue boardFlush = parts::flushValue(boardSuit);
        for (int high = 1; high < kDeckSize; ++high) {
            if (cardSuit(high) == suit || (dead & maskOf(high)) != 0) continue;
            for (int low = 0; low < high; ++low) {
                if (cardSuit(low) == suit || (dead & maskOf(low)) != 0) continue;
                const double weight = weightOf(high, low);
                weights[static_cast<std::size_t>(rankPair(rankIndex(high), rankIndex(low)))] -= weight;
                add(tally, boardFlush, hero, weight);
            }
        }
        return;
    }
}

void RunoutTallier::removeHoldingsWith(int card, std::array<double, kRankPairCount>& weights) const {
    const auto& withCard = WeightsWithCard[static_cast<std::size_t>(card)];
    for (int rank = 0; rank < 13; ++rank)
        weights[static_cast<std::size_t>(rankPair(rankIndex(card), rank))] -=
            withCard[static_cast<std::size_t>(rank)];
}

RunoutTally RunoutTallier::tally(CardMask runout) {
    const CardMask fullBoard = Board | runout;
    const CardMask dead = Hero | fullBoard;
    std::array<double, kRankPairCount> weights = BaseWeights;
    int key = 0;
    if (runout != 0) {
        const int first = std::countr_zero(runout);
        const int second = std::bit_width(runout) - 1;
        removeHoldingsWith(first, weights);
        if (second != first) {
            removeHoldingsWith(second, weights);
            weights[static_cast<std::size_t>(rankPair(rankIndex(first), rankIndex(second)))] +=
                weightOf(first, second);
        }
        key = rankPair(rankIndex(first), rankIndex(second));
    }
    const HandValue hero = handValue(Hero | fullBoard);
    RunoutTally tally;
    takeFlushHoldings(fullBoard, dead, hero, weights, tally);
    const auto& values = rankPairValues(fullBoard, key);
    for (std::size_t pair = 0; pair < kRankPairCount; ++pair) {
        const double weight = weights[pair];
        tally.Win += values[pair] < hero ? weight : 0.0;
        tally.Tie += values[pair] == hero ? weight : 0.0;
        tally.Lose += values[pair] > hero ? weight : 0.0;
    }
    return tally;
}

} // namespace tavolin::equity::detail
