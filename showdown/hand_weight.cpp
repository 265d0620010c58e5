#include "showdown/hand_weight.h"

#include <algorithm>
#include <functional>

namespace tavolin::showdown {
namespace {

constexpr Weight kPairBase = 2000 * kWeightScale;
constexpr Weight kTwoPairsBase = 4000 * kWeightScale;
constexpr Weight kThreeBase = 6000 * kWeightScale;
constexpr Weight kStraightBase = 8000 * kWeightScale;
constexpr Weight kFlushBase = 10000 * kWeightScale;
constexpr Weight kFullBase = 12000 * kWeightScale;
constexpr Weight kFourBase = 14000 * kWeightScale;

using HighFirst = std::array<int, 5>;

bool validRanks(const HighFirst& ranks) {
    return std::all_of(ranks.begin(), ranks.end(), [](int rank) { return rank >= 2 && rank <= 14; });
}

// 64·r4 + 8·r3 + r2 + r1/8 + r0/64 over the ranks sorted low to high, times 64. The ace always counts 14,
// so the five-high straight keys above the king-high one.
Weight rankKey(const HighFirst& high) {
    return 4096 * high[0] + 512 * high[1] + 64 * high[2] + 8 * high[3] + high[4];
}

bool isStraight(const HighFirst& high) {
    const bool distinct = std::adjacent_find(high.begin(), high.end()) == high.end();
    return distinct && (high[0] - high[4] == 4 || high == HighFirst{14, 5, 4, 3, 2});
}

HighFirst sortedHighFirst(std::array<int, 5> ranks) {
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    return ranks;
}

} // namespace

Weight rankWeight(std::array<int, 5> ranks) {
    const HighFirst high = sortedHighFirst(ranks);
    if (!validRanks(high)) return 0;
    std::array<int, 15> counts{};
    for (int rank : high)
        ++counts[rank];
    int four = 0;
    int three = 0;
    std::array<int, 2> pairs{};
    int pairCount = 0;
    std::array<int, 5> singles{};
    int singleCount = 0;
    for (int rank = 14; rank >= 2; --rank) {
        if (counts[rank] == 4) four = rank;
        if (counts[rank] == 3) three = rank;
        if (counts[rank] == 2) pairs[pairCount++] = rank;
        if (counts[rank] == 1) singles[singleCount++] = rank;
    }
    // Four of a kind ignores its fifth card; the full house weighs its three by 8, not 64.
    if (four != 0) return kFourBase + kWeightScale * four;
    if (three != 0 && pairCount == 1) return kFullBase + kWeightScale * (8 * three + pairs[0]);
    if (three != 0) return kThreeBase + kWeightScale * (64 * three + 8 * singles[0] + singles[1]);
    if (pairCount == 2) return kTwoPairsBase + kWeightScale * (64 * pairs[0] + 8 * pairs[1] + singles[0]);
    if (pairCount == 1) {
        return kPairBase + 4096 * pairs[0] + 512 * singles[0] + 64 * singles[1] + 8 * singles[2];
    }
    const Weight key = rankKey(high);
    return isStraight(high) ? kStraightBase + key : key;
}

Weight suitedWeight(std::array<int, 5> ranks) {
    const HighFirst high = sortedHighFirst(ranks);
    if (!validRanks(high)) return 0;
    const Weight key = rankKey(high);
    // A straight flush adds the flush and the straight weights, so its key counts twice.
    return isStraight(high) ? kFlushBase + key + kStraightBase + key : kFlushBase + key;
}

} // namespace tavolin::showdown
