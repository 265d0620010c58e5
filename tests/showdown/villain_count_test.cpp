#include "showdown/villain_count.h"

#include <bit>
#include <gtest/gtest.h>

namespace tavolin::showdown {
namespace {

TEST(VillainCount, TriesEveryHoldingOfTwoUnseenCards) {
    const CardMask hero = cardBit(4, 14) | cardBit(4, 7);
    const CardMask flop = cardBit(1, 3) | cardBit(3, 4) | cardBit(2, 5);
    EXPECT_EQ(countBetterVillainHands(hero, flop).Tried, 1081);
    EXPECT_EQ(countBetterVillainHands(hero, flop | cardBit(4, 8)).Tried, 1035);
    EXPECT_EQ(countBetterVillainHands(hero, flop | cardBit(4, 8) | cardBit(4, 9)).Tried, 990);
}

} // namespace
} // namespace tavolin::showdown
