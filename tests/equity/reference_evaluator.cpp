#include "tests/equity/reference_evaluator.h"

#include <algorithm>
#include <bit>

namespace tavolin::equity::reference {

HandKey fiveCardKey(const std::array<int, 5>& cards) {
    std::array<int, 15> countOf{};
    bool flush = true;
    for (const int card : cards) {
        ++countOf[static_cast<std::size_t>(cardRank(card))];
        flush = flush && cardSuit(card) == cardSuit(cards[0]);
    }
    std::array<std::pair<int, int>, 5> groups{}; // (count, rank), the largest first; unused ones (0, 0)
    std::size_t groupCount = 0;
    for (int rank = 14; rank >= 2; --rank) {
        if (countOf[static_cast<std::size_t>(rank)] > 0)
            groups[groupCount++] = {countOf[static_cast<std::size_t>(rank)], rank};
    }
    std::sort(groups.begin(), groups.end(), std::greater<>());
    const bool wheel = countOf[14] && countOf[5] && countOf[4] && countOf[3] && countOf[2];
    if (groupCount == 5 && (groups[0].second - groups[4].second == 4 || wheel))
        return {flush ? 8 : 4, wheel ? 5 : groups[0].second};
    const int first = groups[0].first;
    const int second = groups[1].first;
    HandKey key{first == 4                  ? 7
                : first == 3 && second == 2 ? 6
                : flush                     ? 5
                : first == 3                ? 3
                : first == 2                ? (second == 2 ? 2 : 1)
                                            : 0};
    for (std::size_t i = 0; i < groupCount; ++i)
        key[i + 1] = groups[i].second;
    return key;
}

std::pair<HandKey, CardMask> bestFive(CardMask cards) {
    std::pair<HandKey, CardMask> best{{-1}, 0};
    for (CardMask five = cards; five != 0; five = (five - 1) & cards) {
        if (std::popcount(five) != 5) continue;
        std::array<int, 5> list{};
        std::size_t at = 0;
        for (CardMask rest = five; rest != 0; rest &= rest - 1)
            list[at++] = std::countr_zero(rest);
        best = std::max(best, {fiveCardKey(list), five});
    }
    return best;
}

EquityResult plainEquity(CardMask hero, CardMask board, const HoldingWeights& villain) {
    std::array<double, 3> shares{}; // win, tie, lose
    for (int first = 0; first < kDeckSize; ++first) {
        for (int second = first; second < kDeckSize; ++second) {
            // The river's one runout is taken at (0, 0), a turn's cards at first == second.
            const CardMask runout = std::popcount(board) == 5 ? 0 : maskOf(first) | maskOf(second);
            if ((runout & (hero | board)) != 0 || std::popcount(runout | board) != 5 ||
                (runout == 0 && second > 0))
                continue;
            const HandKey heroKey = bestFive(hero | board | runout).first;
            for (int index = 0; index < kHoldingCount; ++index) {
                const double weight = villain[static_cast<std::size_t>(index)];
                if (weight <= 0 || (holdingMask(index) & (hero | board | runout)) != 0) continue;
                const HandKey villainKey = bestFive(holdingMask(index) | board | runout).first;
                shares[heroKey > villainKey ? 0 : heroKey == villainKey ? 1 : 2] += weight;
            }
        }
    }
    const double total = shares[0] + shares[1] + shares[2];
    return {shares[0] / total, shares[1] / total, shares[2] / total, (shares[0] + shares[1] / 2) / total};
}

} // namespace tavolin::equity::reference
