#include "equity/hand_value.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace tavolin::equity {
namespace {

// Every five-card hand: the values order the hands exactly as the reference tuples do.
TEST(HandValue, OrdersEveryFiveCardHandAsTheReference) {
    std::map<reference::HandKey, HandValue> valueOfKey;
    std::array<int, 5> c{};
    for (c[0] = 0; c[0] < 52; ++c[0])
        for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
            for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
                for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
                        CardMask cards = 0;
                        for (const int card : c)
                            cards |= maskOf(card);
                        const auto [slot, fresh] =
                            valueOfKey.emplace(reference::fiveCardKey(c), handValue(cards));
                        ASSERT_EQ(slot->second, handValue(cards));
                        ASSERT_EQ(static_cast<int>(categoryOf(slot->second)), slot->first[0]);
                    }
    ASSERT_EQ(valueOfKey.size(), 7462U);
    HandValue previous = 0;
    for (const auto& [key, value] : valueOfKey) {
        ASSERT_GT(value, previous);
        previous = value;
    }
}

// Six and seven cards: the value is that of the five the reference finds best.
TEST(HandValue, TakesTheBestFiveOfSixOrSeven) {
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 1'000'000; ++round) {
        const int count = round % 8 == 0 ? 6 : 7;
        CardMask cards = 0;
        while (std::popcount(cards) < count)
            cards |= maskOf(static_cast<int>(random() % 52));
        std::array<int, 7> list{};
        std::size_t listed = 0;
        for (CardMask rest = cards; rest != 0; rest &= rest - 1)
            list[listed++] = std::countr_zero(rest);
        reference::HandKey bestKey{-1};
        CardMask bestFive = 0;
        for (unsigned pick = 0; pick < (1U << count); ++pick) {
            if (std::popcount(pick) != 5) continue;
            std::array<int, 5> five{};
            CardMask fiveMask = 0;
            for (std::size_t i = 0, at = 0; i < listed; ++i) {
                if ((pick >> i) & 1U) fiveMask |= maskOf(five[at++] = list[i]);
            }
            if (const auto key = reference::fiveCardKey(five); key > bestKey) {
                bestKey = key;
                bestFive = fiveMask;
            }
        }
        ASSERT_EQ(handValue(cards), handValue(bestFive)) << std::hex << cards;
    }
}

} // namespace
} // namespace tavolin::equity
