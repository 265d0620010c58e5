#include "tests/equity/reference_evaluator.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace tavolin::equity::reference {

HandKey fiveCardKey(const std::array<int, 5>& cards) {
    std::array<int, 5> ranks{};
    bool flush = true;
    for (std::size_t i = 0; i < 5; ++i) {
        ranks[i] = cardRank(cards[i]);
        flush = flush && cardSuit(cards[i]) == cardSuit(cards[0]);
    }
    std::sort(ranks.rbegin(), ranks.rend());
    std::array<std::pair<int, int>, 5> groups{}; // (count, rank)
    std::size_t groupCount = 0;
    for (const int rank : ranks) {
        if (groupCount > 0 && groups[groupCount - 1].second == rank)
            ++groups[groupCount - 1].first;
        else
            groups[groupCount++] = {1, rank};
    }
    std::sort(groups.begin(), groups.end(), std::greater<>()); // unused groups are (0, 0)
    const bool wheel = ranks == std::array<int, 5>{14, 5, 4, 3, 2};
    const bool straight = groupCount == 5 && (ranks[0] - ranks[4] == 4 || wheel);
    const int top = wheel ? 5 : ranks[0];
    if (straight) return {flush ? 8 : 4, top};
    HandKey key{};
    const int first = groups[0].first;
    const int second = groups[1].first;
    key[0] = first == 4                  ? 7
             : first == 3 && second == 2 ? 6
             : flush                     ? 5
             : first == 3                ? 3
             : first == 2 && second == 2 ? 2
             : first == 2                ? 1
                                         : 0;
    if (key[0] == 5) {
        std::copy(ranks.begin(), ranks.end(), key.begin() + 1);
        return key;
    }
    for (std::size_t i = 0; i < groupCount; ++i)
        key[i + 1] = groups[i].second;
    return key;
}

HandKey bestKey(CardMask cards) {
    std::array<int, 7> list{};
    int count = 0;
    for (CardMask rest = cards; rest != 0; rest &= rest - 1)
        list[static_cast<std::size_t>(count++)] = std::countr_zero(rest);
    HandKey best{-1};
    for (unsigned pick = 0; pick < (1U << count); ++pick) {
        if (std::popcount(pick) != 5) continue;
        std::array<int, 5> five{};
        std::size_t at = 0;
        for (int i = 0; i < count; ++i) {
            if ((pick >> i) & 1U) five[at++] = list[static_cast<std::size_t>(i)];
        }
        best = std::max(best, fiveCardKey(five));
    }
    return best;
}

EquityResult plainEquity(CardMask hero, CardMask board, const HoldingWeights& villain) {
    EquityResult result;
    const int missing = 5 - std::popcount(board);
    for (int first = 0; first < kDeckSize; ++first) {
        for (int second = first; second < kDeckSize; ++second) {
            const CardMask runout = missing == 0 ? 0 : maskOf(first) | (missing == 2 ? maskOf(second) : 0);
            const bool single = (missing == 0 && first == 0 && second == 0) ||
                                (missing == 1 && first == second) || (missing == 2 && first < second);
            if (!single || (runout & (hero | board)) != 0) continue;
            const HandKey heroKey = bestKey(hero | board | runout);
            for (int index = 0; index < kHoldingCount; ++index) {
                const double weight = villain[static_cast<std::size_t>(index)];
                if (weight <= 0 || (holdingMask(index) & (hero | board | runout)) != 0) continue;
                const HandKey villainKey = bestKey(holdingMask(index) | board | runout);
                (heroKey > villainKey    ? result.Win
                 : heroKey == villainKey ? result.Tie
                                         : result.Lose) += weight;
            }
        }
    }
    const double total = result.Win + result.Tie + result.Lose;
    result.Win /= total;
    result.Tie /= total;
    result.Lose /= total;
    result.Equity = result.Win + result.Tie / 2;
    return result;
}

} // namespace tavolin::equity::reference
