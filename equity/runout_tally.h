#pragma once

// The enumeration under exact equity, one runout at a time: with the five board cards fixed, a villain
// holding's value depends on its two ranks alone unless it makes a flush, so each of the 91 rank pairs is
// valued once and weighed by the live holdings it stands for; only flush-capable holdings are seen one by
// one.

#include "equity/hand_value.h"
#include "equity/holdings.h"

#include <array>

namespace tavolin::equity::detail {

constexpr int kRankPairCount = 91;

// Summed villain weights by how the hero's hand compares with theirs on one runout.
struct RunoutTally {
    double Win = 0.0;
    double Tie = 0.0;
    double Lose = 0.0;
};

// Two hero cards and three to five board cards, all different.
bool isValidSpot(CardMask hero, CardMask board);

// Calls `visit(runout)` for every way to complete the board to five cards from the cards not in `dead`.
template <class Visit> void forEachRunout(CardMask dead, int missing, Visit&& visit) {
    if (missing == 0) {
        visit(CardMask{0});
        return;
    }
    for (int first = 0; first < kDeckSize; ++first) {
        if ((dead & maskOf(first)) != 0) continue;
        if (missing == 1) {
            visit(maskOf(first));
            continue;
        }
        for (int second = first + 1; second < kDeckSize; ++second) {
            if ((dead & maskOf(second)) == 0) visit(maskOf(first) | maskOf(second));
        }
    }
}

class RunoutTallier {
public:
    // Expects a valid spot. Keeps a reference to `villain`.
    RunoutTallier(CardMask hero, CardMask board, const HoldingWeights& villain);

    // `runout` holds the 5 - board cards still to come, none of them the hero's or the board's.
    RunoutTally tally(CardMask runout);

    // The live holdings with a weight, and their summed weight.
    int liveHoldings() const { return LiveHoldings; }
    double liveWeight() const { return LiveWeight; }

private:
    double weightOf(int cardA, int cardB) const;
    const std::array<HandValue, kRankPairCount>& rankPairValues(CardMask fullBoard, int key);
    void removeHoldingsWith(int card, std::array<double, kRankPairCount>& weights) const;
    void takeFlushHoldings(CardMask fullBoard, CardMask dead, HandValue hero,
                           std::array<double, kRankPairCount>& weights, RunoutTally& tally) const;

    CardMask Hero;
    CardMask Board;
    const HoldingWeights& Villain;
    int LiveHoldings = 0;
    double LiveWeight = 0.0;
    // Live weight by rank pair, and by card and the other card's rank for the holdings holding that card.
    std::array<double, kRankPairCount> BaseWeights{};
    std::array<std::array<double, 13>, kDeckSize> WeightsWithCard{};
    // The non-flush value of each villain rank pair, by the runout's ranks.
    std::array<std::array<HandValue, kRankPairCount>, kRankPairCount> Values{};
    std::array<bool, kRankPairCount> ValuesReady{};
};

} // namespace tavolin::equity::detail
