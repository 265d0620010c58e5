#include "ranges/starting_hands.h"

#include "ranges/hand_notation.h"

#include <algorithm>

namespace tavolin::ranges {

std::string startingHandName(const StartingHand& hand) {
    std::string name{rankLetter(hand.High), rankLetter(hand.Low)};
    if (hand.High != hand.Low) name += hand.Suited ? 's' : 'o';
    return name;
}

int holdingsOf(const StartingHand& hand) {
    if (hand.High == hand.Low) return 6;
    return hand.Suited ? 4 : 12;
}

const std::array<StartingHand, kStartingHandCount>& startingHandOrder() {
    // Written by tavolin-make-hand-order (ranges/make_starting_hand_order.cpp).
    static constexpr std::array<StartingHand, kStartingHandCount> kOrder{{
#include "ranges/starting_hand_order.inc"
    }};
    return kOrder;
}

StartingHand gridHand(int row, int column) {
    row = std::clamp(row, 0, 12);
    column = std::clamp(column, 0, 12);
    const int high = 14 - std::min(row, column);
    const int low = 14 - std::max(row, column);
    const bool suited = row < column;
    const auto& order = startingHandOrder();
    const auto found = std::ranges::find_if(order, [&](const StartingHand& hand) {
        return hand.High == high && hand.Low == low && (high == low || hand.Suited == suited);
    });
    return *found;
}

void setStartingHand(HoldingWeights& weights, const StartingHand& hand, double weight) {
    setHandWeight(weights, hand.High, hand.Low, hand.Suited, weight);
}

HoldingWeights topPercent(double percent) {
    HoldingWeights weights{};
    if (!(percent > 0.0)) return weights;
    const double wanted = percent / 100.0 * equity::kHoldingCount;
    int taken = 0;
    for (const StartingHand& hand : startingHandOrder()) {
        if (taken > 0 && taken + holdingsOf(hand) > wanted) break;
        setStartingHand(weights, hand, 1.0);
        taken += holdingsOf(hand);
    }
    return weights;
}

} // namespace tavolin::ranges
