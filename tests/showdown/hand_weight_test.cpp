#include "literal_reference.h"
#include "showdown/best_hand.h"
#include "showdown/hand_weight.h"
#include "test_cards.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tavolin::showdown {
namespace {

using testing::codeOfBit;
using testing::codesOf;
using testing::maskOf;

double literalWeight(std::string_view text) {
    const std::vector<std::int32_t> codes = codesOf(text);
    return literal::weightOfCodes({codes[0], codes[1], codes[2], codes[3], codes[4]});
}

double fastWeight(std::string_view text) {
    return static_cast<double>(bestHandWeight(maskOf(text))) / kWeightScale;
}

// Calls f(mask, codes) for each of the 2,598,960 five-card hands.
template <typename F> void forEveryFiveCardHand(F&& f) {
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52; ++c) {
                for (int d = c + 1; d < 52; ++d) {
                    for (int e = d + 1; e < 52; ++e) {
                        const CardMask mask = CardMask{1} << a | CardMask{1} << b | CardMask{1} << c |
                                              CardMask{1} << d | CardMask{1} << e;
                        f(mask, std::array<std::int32_t, 5>{codeOfBit(a), codeOfBit(b), codeOfBit(c),
                                                            codeOfBit(d), codeOfBit(e)});
                    }
                }
            }
        }
    }
}

TEST(HandWeight, FastWeightEqualsLiteralWeightForEveryFiveCardHand) {
    long hands = 0;
    long mismatches = 0;
    forEveryFiveCardHand([&](CardMask mask, const std::array<std::int32_t, 5>& codes) {
        ++hands;
        const double expected = literal::weightOfCodes(codes) * kWeightScale;
        if (static_cast<double>(bestHandWeight(mask)) != expected && ++mismatches <= 5) {
            ADD_FAILURE() << "codes " << codes[0] << " " << codes[1] << " " << codes[2] << " " << codes[3]
                          << " " << codes[4] << ": literal " << expected << ", fast " << bestHandWeight(mask);
        }
    });
    EXPECT_EQ(hands, 2598960);
    EXPECT_EQ(mismatches, 0);
}

enum Category { kHighCard, kPair, kTwoPairs, kThree, kStraight, kFlush, kFullHouse, kFour, kStraightFlush };

// The usual poker categories, told from rank counts and suits alone.
Category categoryOf(const std::array<std::int32_t, 5>& codes) {
    std::array<int, 15> counts{};
    std::array<int, 5> ranks{};
    for (int i = 0; i < 5; ++i)
        ++counts[ranks[i] = codes[i] % 32];
    std::sort(ranks.begin(), ranks.end());
    const bool flush =
        std::all_of(codes.begin(), codes.end(), [&](int code) { return code / 32 == codes[0] / 32; });
    const bool distinct = std::adjacent_find(ranks.begin(), ranks.end()) == ranks.end();
    const bool straight =
        distinct && (ranks[4] - ranks[0] == 4 || ranks == std::array<int, 5>{2, 3, 4, 5, 14});
    const int most = *std::max_element(counts.begin(), counts.end());
    const int pairs = static_cast<int>(std::count(counts.begin(), counts.end(), 2));
    if (straight && flush) return kStraightFlush;
    if (most == 4) return kFour;
    if (most == 3 && pairs == 1) return kFullHouse;
    if (flush) return kFlush;
    if (straight) return kStraight;
    if (most == 3) return kThree;
    if (pairs == 2) return kTwoPairs;
    return pairs == 1 ? kPair : kHighCard;
}

TEST(HandWeight, CategoriesStackWithTheListedLightestAndHeaviestHands) {
    std::array<double, 9> lightest{};
    std::array<double, 9> heaviest{};
    lightest.fill(std::numeric_limits<double>::max());
    forEveryFiveCardHand([&](CardMask, const std::array<std::int32_t, 5>& codes) {
        const Category category = categoryOf(codes);
        const double weight = literal::weightOfCodes(codes);
        lightest[category] = std::min(lightest[category], weight);
        heaviest[category] = std::max(heaviest[category], weight);
    });
    struct Row {
        Category Kind;
        const char* Lightest;
        const char* Heaviest;
    };
    const std::array<Row, 9> table{{
        {kHighCard, "7s 5h 4c 3d 2s", "As Kh Qc Jd 9s"},
        {kPair, "2s 2h 5c 4d 3s", "As Ah Kc Qd Js"},
        {kTwoPairs, "3s 3h 2c 2d 4s", "As Ah Kc Kd Qs"},
        {kThree, "2s 2h 2c 4d 3s", "As Ah Ac Kd Qs"},
        {kStraight, "2s 3h 4c 5d 6s", "Ts Jh Qc Kd As"},
        {kFlush, "7s 5s 4s 3s 2s", "As Ks Qs Js 9s"},
        {kFullHouse, "2s 2h 2c 3d 3s", "As Ah Ac Kd Ks"},
        {kFour, "2s 2h 2c 2d 3s", "As Ah Ac Ad Ks"},
        {kStraightFlush, "2s 3s 4s 5s 6s", "Ts Js Qs Ks As"},
    }};
    for (const Row& row : table) {
        SCOPED_TRACE(row.Lightest);
        EXPECT_EQ(lightest[row.Kind], literalWeight(row.Lightest));
        EXPECT_EQ(heaviest[row.Kind], literalWeight(row.Heaviest));
        if (row.Kind != kHighCard) {
            EXPECT_GT(lightest[row.Kind], heaviest[row.Kind - 1]);
        }
    }
}

TEST(HandWeight, CoarseKeysWeighAsWritten) {
    struct Case {
        const char* Hand;
        double Weight;
    };
    const std::array<Case, 16> cases{{
        {"As 2h 3c 4d 5s", 8940.40625},  // the five-high straight ranks second among straights
        {"9s Th Jc Qd Ks", 8940.390625}, // below it: the king-high straight
        {"As 2s 3s 4s 5s", 19880.8125},  // the same keys count twice in a straight flush
        {"9s Ts Js Qs Ks", 19880.78125},
        {"3s 3h 3c Ad As", 12038}, // full house: 8 × three + pair
        {"4s 4h 4c 2d 2s", 12034},
        {"As Ah Ac Ad Ks", 14014}, // four of a kind ignores its fifth card
        {"As Ah Ac Ad 2s", 14014},
        {"5s 5h Ac Kd Qs", 2446.5}, // kickers can outweigh the pair
        {"6s 6h 4c 3d 2s", 2419.25},
        {"Ks Kh 3c 3d As", 4870},
        {"Ks Kh 4c 4d 2s", 4866},
        {"Ts Th Tc Qd Js", 6747},
        {"Ts Th Tc Kd 2s", 6746},
        {"Ks Qh Jc Td 8s", 940.375},
        {"As 6h 4c 3d 2s", 948.40625},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Hand);
        EXPECT_EQ(literalWeight(c.Hand), c.Weight);
        EXPECT_EQ(fastWeight(c.Hand), c.Weight);
    }
}

TEST(HandWeight, OrderOfTheCardsDoesNotMatter) {
    std::mt19937 random(8);
    std::array<int, 52> deck{};
    for (int bit = 0; bit < 52; ++bit)
        deck[bit] = bit;
    for (int trial = 0; trial < 20000; ++trial) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::array<std::int32_t, 5> codes{};
        for (int i = 0; i < 5; ++i)
            codes[i] = codeOfBit(deck[i]);
        const double weight = literal::weightOfCodes(codes);
        std::shuffle(codes.begin(), codes.end(), random);
        ASSERT_EQ(literal::weightOfCodes(codes), weight);
    }
}

TEST(HandWeight, PreparedRowsKeepEqualRanksInInputOrder) {
    literal::CardRows cards{};
    const std::vector<std::int32_t> codes = codesOf("Kd Ks 2h Kc 2c");
    for (int row = 0; row < 5; ++row)
        cards[row][0] = codes[row];
    literal::prepareHand(cards);
    const std::vector<std::int32_t> sorted = codesOf("2h 2c Kd Ks Kc");
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(cards[row][0], sorted[row]);
}

TEST(HandWeight, CountOccurrencesDoesNotOverlap) {
    EXPECT_EQ(literal::countOccurrences("000", "00"), 1);
    EXPECT_EQ(literal::countOccurrences("1111", "0"), 0);
}

TEST(HandWeight, BadRanksWeighNothing) {
    EXPECT_EQ(rankWeight({1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(rankWeight({2, 3, 4, 5, 15}), 0);
    EXPECT_EQ(suitedWeight({0, 0, 0, 0, 0}), 0);
}

} // namespace
} // namespace tavolin::showdown
