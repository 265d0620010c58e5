// The fast showdown against the literal one: every five-card hand, random sets of five to seven cards, and
// the villain count over random deals.

#include "literal_reference.h"
#include "showdown/best_hand.h"
#include "showdown/villain_count.h"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace tavolin::showdown {
namespace {

using literal::maskOf;

std::int32_t codeOfBit(int bit) {
    return 32 * (bit / kRanksPerSuit + 1) + bit % kRanksPerSuit + 2;
}

TEST(Showdown, FastWeightEqualsLiteralWeightForEveryFiveCardHand) {
    long hands = 0;
    for (CardMask mask = 0x1F; mask < CardMask{1} << 52 && !HasFailure();) {
        std::array<std::int32_t, 5> codes{};
        CardMask rest = mask;
        for (std::int32_t& code : codes) {
            code = codeOfBit(std::countr_zero(rest));
            rest &= rest - 1;
        }
        EXPECT_EQ(bestHandWeight(mask), literal::handWeight(codes) * kWeightScale) << std::hex << mask;
        ++hands;
        // The next mask with five bits set.
        const CardMask low = mask & -mask;
        const CardMask ripple = mask + low;
        mask = ripple | (((mask ^ ripple) >> 2) / low);
    }
    EXPECT_EQ(hands, 2598960);
}

// Random five to seven cards drawn from the whole deck, from two suits and from one suit and a few more, so
// that flushes and straight flushes are common too.
TEST(Showdown, FastBestEqualsLiteralBestOverRandomCards) {
    std::mt19937 random(62);
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    for (int trial = 0; trial < 150000; ++trial) {
        std::shuffle(deck.begin(), deck.begin() + std::array{52, 26, 16}[trial % 3], random);
        CardMask cards = 0;
        std::vector<std::int32_t> codes;
        for (int i = 0; i < 5 + trial / 3 % 3; ++i) {
            cards |= CardMask{1} << deck[i];
            codes.push_back(codeOfBit(deck[i]));
        }
        ASSERT_EQ(bestHandWeight(cards), literal::bestWeight(codes) * kWeightScale) << "cards mask " << cards;
    }
}

// Hero and board drawn at random; every third deal comes from spades and hearts only, so that the board often
// carries three or more cards of a suit.
TEST(Showdown, FastCountEqualsLiteralCountOverRandomDeals) {
    std::mt19937 random(2026);
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    for (int trial = 0; trial < 240; ++trial) {
        std::shuffle(deck.begin(), deck.begin() + (trial % 3 == 2 ? 26 : 52), random);
        const CardMask hero = CardMask{1} << deck[0] | CardMask{1} << deck[1];
        CardMask board = 0;
        for (int i = 2; i < 2 + 3 + trial % 3; ++i)
            board |= CardMask{1} << deck[i];
        const VillainCount fast = countBetterVillainHands(hero, board);
        const literal::LiteralCount slow = literal::countBetterVillainHands(hero, board);
        ASSERT_EQ(fast.Better, slow.BetterCount) << "hero " << hero << " board " << board;
        ASSERT_EQ(fast.Tried, slow.PairCount) << "hero " << hero << " board " << board;
    }
}

TEST(Showdown, BadCardsWeighAndCountNothing) {
    for (const auto& [hero, board] :
         std::vector<std::pair<const char*, const char*>>{{"Ad", "3s 4c 5h"},
                                                          {"Ad 7d 8d", "3s 4c 5h"},
                                                          {"Ad 3s", "3s 4c 5h"},
                                                          {"Ad 7d", "3s 4c"},
                                                          {"Ad 7d", "3s 4c 5h 6h 7h 8h"}}) {
        EXPECT_EQ(countBetterVillainHands(maskOf(hero), maskOf(board)).Tried, 0) << hero << " on " << board;
    }
    EXPECT_EQ(countBetterVillainHands(maskOf("Ad 7d"), maskOf("3s 4c 5h") | CardMask{1} << 63).Tried, 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js")), 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js Ts 9s 8s 7s")), 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js") | CardMask{1} << 60), 0);
    EXPECT_EQ(rankWeight({1, 2, 3, 4, 5}) + rankWeight({2, 3, 4, 5, 15}) + suitedWeight({0, 0, 0, 0, 0}), 0);
}

} // namespace
} // namespace tavolin::showdown
