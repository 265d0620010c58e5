#include "literal_reference.h"
#include "showdown/best_hand.h"
#include "test_cards.h"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <random>

namespace tavolin::showdown {
namespace {

using testing::codesOf;
using testing::maskOf;
using testing::matrixOf;

std::vector<std::int32_t> sortedCodes(const literal::CardRows& cards) {
    std::vector<std::int32_t> codes;
    for (const auto& row : cards)
        codes.push_back(row[0]);
    std::sort(codes.begin(), codes.end());
    return codes;
}

double literalBest(CardMask cards) {
    std::vector<std::int32_t> list;
    std::vector<std::int32_t> unused;
    literal::buildCardLists(matrixOf(cards), {}, {}, list, unused);
    const std::vector<literal::HandRecord> hands = literal::enumerateHands(list);
    return hands[literal::bestHandIndex(hands)].Weight;
}

TEST(BestHand, CardListsRunInDeckOrder) {
    std::vector<std::int32_t> heroList;
    std::vector<std::int32_t> villainList;
    literal::buildCardLists(matrixOf(maskOf("Ad 7d")), matrixOf(maskOf("Kh 2s")),
                            matrixOf(maskOf("3s 4c 5h")), heroList, villainList);
    EXPECT_EQ(heroList, (std::vector<std::int32_t>{35, 69, 100, 135, 142}));
    EXPECT_EQ(villainList, codesOf("2s 3s 5h Kh 4c"));
    EXPECT_EQ(literal::enumerateHands(heroList).size(), 1U);
}

TEST(BestHand, SevenCardsGiveTwentyOneHandsInLexicographicOrder) {
    const std::vector<std::int32_t> list = codesOf("2s 9s Kh 3c 4c Ac 7d");
    const std::vector<literal::HandRecord> hands = literal::enumerateHands(list);
    ASSERT_EQ(hands.size(), 21U);
    for (std::size_t i = 0; i < hands.size(); ++i) {
        EXPECT_EQ(hands[i].Index, static_cast<std::int32_t>(i));
        literal::CardRows again = hands[i].Cards;
        EXPECT_EQ(literal::handWeight(again), hands[i].Weight);
        EXPECT_TRUE(std::is_sorted(hands[i].Cards.begin(), hands[i].Cards.end(),
                                   [](const auto& a, const auto& b) { return a[1] < b[1]; }));
    }
    std::vector<std::int32_t> first(list.begin(), list.begin() + 5);
    std::vector<std::int32_t> last(list.begin() + 2, list.end());
    std::sort(first.begin(), first.end());
    std::sort(last.begin(), last.end());
    EXPECT_EQ(sortedCodes(hands.front().Cards), first);
    EXPECT_EQ(sortedCodes(hands.back().Cards), last);
    EXPECT_EQ(literal::enumerateHands(codesOf("2s 9s Kh 3c 4c Ac")).size(), 6U);
}

TEST(BestHand, FirstOfTheHeaviestRecordsWins) {
    std::vector<literal::HandRecord> hands(4);
    const std::array<double, 4> weights{5, 9, 9, 7};
    for (int i = 0; i < 4; ++i)
        hands[i].Weight = weights[i];
    EXPECT_EQ(literal::bestHandIndex(hands), 1);
}

TEST(BestHand, ComparesHeroAndVillainByBestWeight) {
    struct Case {
        const char* Board;
        const char* Hero;
        const char* Villain;
        std::int16_t Result;
    };
    const std::array<Case, 6> cases{{
        {"5s 6h 7c 8d 9s", "2c 2d", "3c 3d", 0}, // both play the board straight
        {"As Ah Ac Ad 2s", "Ks 3h", "Qs 3d", 0}, // four aces; the fifth card does not count
        {"Ks Kd 7s 4s 2c", "As 9s", "7d 7h", 2}, // sevens full of kings beat the flush
        {"6d 5c 2h", "6s 3c", "5s Ah", 2},       // pair of fives 438.25 over pair of sixes 427.25
        {"6d 5c 2h 9c", "6s 3c", "Qs Jh", 1},
        {"Ah Kh Qh Jh Th", "2c 3c", "As Ks", 0}, // the royal flush on the board ties
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Board);
        const CardMask board = maskOf(c.Board);
        const CardMask hero = maskOf(c.Hero);
        const CardMask villain = maskOf(c.Villain);
        std::int16_t result = -1;
        literal::compareHands(matrixOf(hero), matrixOf(villain), matrixOf(board), result);
        EXPECT_EQ(result, c.Result);
        const Weight heroBest = bestHandWeight(hero | board);
        const Weight villainBest = bestHandWeight(villain | board);
        EXPECT_EQ(heroBest == villainBest ? 0 : heroBest > villainBest ? 1 : 2, c.Result);
    }
}

// Random five to seven cards drawn from the whole deck, from two suits and from one suit and a few more,
// so that flushes and straight flushes are common too.
TEST(BestHand, FastBestEqualsLiteralBestOverRandomCards) {
    std::mt19937 random(62);
    std::array<int, 52> deck{};
    for (int bit = 0; bit < 52; ++bit)
        deck[bit] = bit;
    const std::array<int, 3> pools{52, 26, 16};
    for (int trial = 0; trial < 200000; ++trial) {
        const int pool = pools[trial % 3];
        const int count = 5 + trial / 3 % 3;
        std::shuffle(deck.begin(), deck.begin() + pool, random);
        CardMask cards = 0;
        for (int i = 0; i < count; ++i)
            cards |= CardMask{1} << deck[i];
        ASSERT_EQ(static_cast<double>(bestHandWeight(cards)), literalBest(cards) * kWeightScale)
            << "cards mask " << cards;
    }
}

TEST(BestHand, OtherNumbersOfCardsWeighNothing) {
    EXPECT_EQ(bestHandWeight(0), 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js")), 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js Ts 9s 8s 7s")), 0);
    EXPECT_EQ(bestHandWeight(maskOf("As Ks Qs Js") | CardMask{1} << 60), 0);
    EXPECT_EQ(bestHandTables().bestRankWeight(rankUnit(14) * 5), 0);
}

} // namespace
} // namespace tavolin::showdown
