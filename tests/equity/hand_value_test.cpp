#include "equity/hand_value.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>
#include <map>

namespace tavolin::equity {
namespace {

// Every five-card hand: the values order the hands exactly as the reference tuples do.
TEST(HandValue, OrdersEveryFiveCardHandAsTheReference) {
    std::map<reference::HandKey, HandValue> valueOfKey;
    for (CardMask cards = 0x1F; cards < (CardMask{1} << kDeckSize);) {
        const auto [slot, fresh] = valueOfKey.emplace(reference::bestFive(cards).first, handValue(cards));
        ASSERT_EQ(slot->second, handValue(cards));
        ASSERT_EQ(static_cast<int>(categoryOf(slot->second)), slot->first[0]);
        const CardMask lowest = cards & -cards; // the next mask with five bits
        const CardMask carried = cards + lowest;
        cards = carried | (((cards ^ carried) >> 2) / lowest);
    }
    ASSERT_EQ(valueOfKey.size(), 7462U);
    for (auto at = valueOfKey.begin(); std::next(at) != valueOfKey.end(); ++at)
        ASSERT_LT(at->second, std::next(at)->second);
}

// Six and seven cards: the value is that of the five the reference finds best.
TEST(HandValue, TakesTheBestFiveOfSixOrSeven) {
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 1'000'000; ++round) {
        const CardMask cards = drawCards(random, round % 8 == 0 ? 6 : 7, 0);
        ASSERT_EQ(handValue(cards), handValue(reference::bestFive(cards).second)) << std::hex << cards;
    }
}

} // namespace
} // namespace tavolin::equity
