#include "literal_reference.h"
#include "showdown/villain_count.h"
#include "test_cards.h"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tavolin::showdown {
namespace {

using testing::maskOf;
using testing::matrixOf;

struct Deal {
    CardMask Hero = 0;
    CardMask Board = 0;
};

// Hero and board drawn at random; every third deal comes from spades and hearts only, so that the board
// often carries three or more cards of a suit.
class RandomDeals {
public:
    explicit RandomDeals(unsigned seed) : Random(seed) {
        for (int bit = 0; bit < 52; ++bit)
            Deck[bit] = bit;
    }

    Deal next(int boardCards) {
        const int pool = Dealt++ % 3 == 2 ? 26 : 52;
        std::shuffle(Deck.begin(), Deck.begin() + pool, Random);
        Deal deal;
        for (int i = 0; i < 2; ++i)
            deal.Hero |= CardMask{1} << Deck[i];
        for (int i = 2; i < 2 + boardCards; ++i)
            deal.Board |= CardMask{1} << Deck[i];
        return deal;
    }

private:
    std::mt19937 Random;
    std::array<int, 52> Deck{};
    int Dealt = 0;
};

literal::LiteralCount literalCount(CardMask hero, CardMask board) {
    literal::ShowdownState state;
    return literal::countBetterVillainHands(matrixOf(hero), matrixOf(board), state);
}

// Counts worked out by hand.
TEST(VillainCount, CountsBoardsWhoseAnswerIsKnown) {
    struct Case {
        const char* Hero;
        const char* Board;
        int Better;
        int Tried;
    };
    const std::array<Case, 6> cases{{
        {"As Ks", "Qs Js Ts", 0, 1081},        // the hero holds the royal flush
        {"2c 3d", "As Ks Qs Js Ts", 0, 990},   // the royal flush on the board ties everyone
        {"3c 4d", "7s 7h 7c 7d 2s", 0, 990},   // four sevens tie whatever the fifth card
        {"3c 4d", "7s 7h 7c 2d 2s", 105, 990}, // 7d with any (44), 2h 2c (1), a pocket pair 3 to A (60)
        {"Kd 2s", "Ks Kh 7c 2d", 3, 1035},     // only Kc with a seven beats kings full of deuces
        {"8h 8c", "8s 8d Ah Kh Qh", 1, 990},   // four eights lose only to Jh Th, the royal flush
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Board);
        const VillainCount fast = countBetterVillainHands(maskOf(c.Hero), maskOf(c.Board));
        EXPECT_EQ(fast.Better, c.Better);
        EXPECT_EQ(fast.Tried, c.Tried);
        const literal::LiteralCount slow = literalCount(maskOf(c.Hero), maskOf(c.Board));
        EXPECT_EQ(slow.BetterCount, c.Better);
        EXPECT_EQ(slow.PairCount, c.Tried);
    }
}

TEST(VillainCount, LiteralWalkTriesEachPairOfUnseenCardsOnce) {
    RandomDeals deals(3);
    for (int trial = 0; trial < 45; ++trial) {
        const int boardCards = 3 + trial % 3;
        const Deal deal = deals.next(boardCards);
        const CardMask seen = deal.Hero | deal.Board;
        std::set<CardMask> tried;
        literal::ShowdownState state;
        const auto observe = [&](const literal::CardMatrix& villain) {
            CardMask holding = 0;
            int ones = 0;
            for (int suit = 1; suit <= 4; ++suit) {
                EXPECT_EQ(villain[suit][1], 0);
                for (int rank = 2; rank <= 14; ++rank) {
                    if (villain[suit][rank] == 1) holding |= cardBit(suit, rank);
                    ones += villain[suit][rank];
                }
            }
            EXPECT_EQ(ones, 2);
            EXPECT_EQ(holding & seen, 0U);
            EXPECT_TRUE(tried.insert(holding).second) << "holding tried twice: " << holding;
        };
        const literal::LiteralCount count =
            literal::countBetterVillainHands(matrixOf(deal.Hero), matrixOf(deal.Board), state, observe);
        const std::array<int, 3> expected{1081, 1035, 990};
        EXPECT_EQ(count.PairCount, expected[boardCards - 3]);
        EXPECT_EQ(static_cast<int>(tried.size()), count.PairCount);
        EXPECT_EQ(state.VillainMatrix, literal::CardMatrix{});
        EXPECT_LE(count.BetterCount, count.PairCount);
    }
}

TEST(VillainCount, FastCountEqualsLiteralCountOverRandomDeals) {
    RandomDeals deals(2026);
    for (int trial = 0; trial < 300; ++trial) {
        const Deal deal = deals.next(3 + trial % 3);
        const VillainCount fast = countBetterVillainHands(deal.Hero, deal.Board);
        const literal::LiteralCount slow = literalCount(deal.Hero, deal.Board);
        ASSERT_EQ(fast.Better, slow.BetterCount) << "hero " << deal.Hero << " board " << deal.Board;
        ASSERT_EQ(fast.Tried, slow.PairCount) << "hero " << deal.Hero << " board " << deal.Board;
    }
}

TEST(VillainCount, BadCardsCountNothing) {
    const CardMask flop = maskOf("3s 4c 5h");
    const std::array<std::pair<CardMask, CardMask>, 6> bad{{
        {maskOf("Ad"), flop},
        {maskOf("Ad 7d 8d"), flop},
        {maskOf("Ad 3s"), flop},
        {maskOf("Ad 7d"), maskOf("3s 4c")},
        {maskOf("Ad 7d"), maskOf("3s 4c 5h 6h 7h 8h")},
        {maskOf("Ad 7d"), flop | CardMask{1} << 63},
    }};
    for (const auto& [hero, board] : bad) {
        const VillainCount count = countBetterVillainHands(hero, board);
        EXPECT_EQ(count.Better, 0);
        EXPECT_EQ(count.Tried, 0);
    }
}

} // namespace
} // namespace tavolin::showdown
