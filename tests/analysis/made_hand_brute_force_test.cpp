// The made-hand name against the best five-card hand found by trying every five cards of the holding.

#include "analysis/analyse_hand.h"
#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::cardsText;

// A card is 0..51: rank 2 + card % 13 (ace 14), suit 1 + card / 13 (s, h, c, d).
int rankOf(int card) {
    return 2 + card % 13;
}
int suitOf(int card) {
    return 1 + card / 13;
}

enum Category { kHighCard, kPair, kTwoPair, kTrips, kStraight, kFlush, kFullHouse, kQuads, kStraightFlush };

// A five-card hand as poker ranks it: the category, then the ranks that break ties, most important first.
struct Strength {
    Category Kind = kHighCard;
    std::vector<int> Ranks;
    int Suit = 0;
    auto operator<=>(const Strength& other) const {
        if (Kind != other.Kind) return Kind <=> other.Kind;
        return Ranks <=> other.Ranks;
    }
};

Strength rateFive(const std::array<int, 5>& cards) {
    std::array<int, 15> count{};
    bool flush = true;
    for (int card : cards) {
        ++count[rankOf(card)];
        flush = flush && suitOf(card) == suitOf(cards[0]);
    }
    // Ranks ordered by how often they occur, then by rank: 9 9 9 4 4 gives 9, 4.
    std::vector<int> groups;
    for (int times = 4; times >= 1; --times) {
        for (int rank = 14; rank >= 2; --rank) {
            if (count[rank] == times) groups.push_back(rank);
        }
    }
    int straightTop = 0;
    if (groups.size() == 5) {
        if (groups[0] - groups[4] == 4) straightTop = groups[0];
        if (groups == std::vector<int>{14, 5, 4, 3, 2}) straightTop = 5;
    }
    const int top = count[groups[0]];
    const int second = groups.size() > 1 ? count[groups[1]] : 0;
    Strength strength{kHighCard, groups, flush ? suitOf(cards[0]) : 0};
    if (straightTop > 0 && flush) return {kStraightFlush, {straightTop}, suitOf(cards[0])};
    if (top == 4)
        strength.Kind = kQuads;
    else if (top == 3 && second == 2)
        strength.Kind = kFullHouse;
    else if (flush)
        strength.Kind = kFlush;
    else if (straightTop > 0)
        return {kStraight, {straightTop}, 0};
    else if (top == 3)
        strength.Kind = kTrips;
    else if (top == 2 && second == 2)
        strength.Kind = kTwoPair;
    else if (top == 2)
        strength.Kind = kPair;
    return strength;
}

Strength bestOfAll(const std::vector<int>& cards) {
    Strength best;
    const unsigned subsets = 1u << cards.size();
    for (unsigned mask = 0; mask < subsets; ++mask) {
        if (std::popcount(mask) != 5) continue;
        std::array<int, 5> five{};
        std::size_t filled = 0;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if ((mask >> i) & 1u) five[filled++] = cards[i];
        }
        best = std::max(best, rateFive(five));
    }
    return best;
}

// The category a name speaks of, read from its start.
Category categoryOfName(const std::string& name) {
    const auto startsWith = [&name](std::string_view prefix) { return name.starts_with(prefix); };
    if (startsWith("Flush Straight") || startsWith("Jackpot!!!")) return kStraightFlush;
    if (startsWith("Poker of ")) return kQuads;
    if (startsWith("Full house of ")) return kFullHouse;
    if (startsWith("Flush of ")) return kFlush;
    if (startsWith("Straight from ")) return kStraight;
    if (startsWith("Set of ") || startsWith("Three of a kind of ")) return kTrips;
    if (startsWith("DP of ")) return kTwoPair;
    if (startsWith("Pair of ")) return kPair;
    if (startsWith("High ")) return kHighCard;
    ADD_FAILURE() << "unknown name " << name;
    return kHighCard;
}

std::string rankText(int rank) {
    return rank == 1 || rank == 14 ? "A" : std::string(1, "23456789TJQK"[rank - 2]);
}

// The name the best hand should carry; its ranks come from the brute-force search alone.
std::string expectedName(const Strength& best, bool pocketPair) {
    constexpr std::array<const char*, 5> kSuits{"", "Spades", "Hearts", "Clubs", "Diamonds"};
    const auto r = [&best](std::size_t i) { return rankText(best.Ranks[i]); };
    switch (best.Kind) {
    case kHighCard:
        return "High " + r(0);
    case kPair:
        return "Pair of " + r(0) + "'s with Kicker " + r(1);
    case kTwoPair:
        return "DP of " + r(0) + "'s and " + r(1) + "'s with Kicker " + r(2);
    case kTrips:
        return (pocketPair ? "Set of " : "Three of a kind of ") + r(0) + "'s with Kicker " + r(1);
    case kStraight:
        return "Straight from " + rankText(best.Ranks[0] - 4) + " to " + r(0);
    case kFlush:
        return std::string("Flush of ") + kSuits[static_cast<std::size_t>(best.Suit)] + " High Card " + r(0);
    case kFullHouse:
        return "Full house of " + r(0) + "'s over " + r(1) + "'s";
    case kQuads:
        return "Poker of " + r(0) + "'s with Kicker " + r(1);
    case kStraightFlush:
        if (best.Ranks[0] == 14) return "Jackpot!!! Royal flush straight!!!";
        if (best.Ranks[0] == 13) return "Flush Straight from 9 to K"; // the king-high one names no suit
        return std::string("Flush Straight of ") + kSuits[static_cast<std::size_t>(best.Suit)] + " from " +
               rankText(best.Ranks[0] - 4) + " to " + r(0);
    }
    return {};
}

// Analyses the hand and compares its "Hand: " line with the brute-force reading.
void checkHand(const std::vector<int>& hole, const std::vector<int>& board) {
    std::vector<int> all = hole;
    all.insert(all.end(), board.begin(), board.end());
    const Strength best = bestOfAll(all);
    const std::string holeText = cardsText(hole);
    std::string boardText = cardsText(board);
    AnalysisContext ctx;
    const std::string report = analyseHand(ctx, holeText, boardText, AnalysisArguments{});
    const std::string line = report.substr(0, report.find("\r\n"));
    const std::string name = ctx.MadeHandName;
    const bool pocketPair = rankOf(hole[0]) == rankOf(hole[1]);
    EXPECT_EQ(categoryOfName(name), best.Kind) << holeText << " / " << cardsText(board) << ": " << name;
    EXPECT_EQ(name, expectedName(best, pocketPair)) << holeText << " / " << cardsText(board);
    EXPECT_EQ(line, "Hand: " + name) << holeText << " / " << cardsText(board);
}

// Fisher–Yates on raw generator output, so the sample is the same with every standard library.
std::vector<int> dealt(std::mt19937& random, int count) {
    std::vector<int> deck(52);
    for (int card = 0; card < 52; ++card)
        deck[static_cast<std::size_t>(card)] = card;
    for (int i = 0; i < count; ++i) {
        const int pick = i + static_cast<int>(random() % static_cast<std::uint32_t>(52 - i));
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(pick)]);
    }
    deck.resize(static_cast<std::size_t>(count));
    return deck;
}

TEST(MadeHandBruteForce, ReferenceRatesTheCategoriesItself) {
    const auto rate = [](std::vector<int> cards) { return bestOfAll(cards).Kind; };
    // Cards: rank r of spades is r - 2, hearts +13, clubs +26, diamonds +39.
    EXPECT_EQ(rate({12, 0, 1, 2, 3}), kStraightFlush);      // wheel of spades
    EXPECT_EQ(rate({12, 13, 1, 2, 3}), kStraight);          // wheel, mixed suits
    EXPECT_EQ(rate({0, 13, 26, 1, 14, 27, 5}), kFullHouse); // two triples
    EXPECT_EQ(rate({0, 13, 1, 14, 2, 15, 12}), kTwoPair);   // three pairs
    EXPECT_EQ(rate({0, 13, 26, 39, 1, 2, 3}), kQuads);
    EXPECT_EQ(rate({0, 2, 4, 6, 8, 13, 40}), kFlush);
    EXPECT_EQ(rate({11, 12, 0, 1, 15}), kHighCard); // K-A-2-3-4 does not wrap round
}

TEST(MadeHandBruteForce, RandomFlopTurnAndRiverHands) {
    std::mt19937 random(20240611u);
    for (int boardCount = 3; boardCount <= 5; ++boardCount) {
        for (int hand = 0; hand < 20000 && !HasFailure(); ++hand) {
            const std::vector<int> cards = dealt(random, 2 + boardCount);
            checkHand({cards[0], cards[1]}, {cards.begin() + 2, cards.end()});
        }
    }
}

TEST(MadeHandBruteForce, EveryFlopWithSomeHoleCards) {
    std::mt19937 random(7u);
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52 && !HasFailure(); ++c) {
                const std::vector<int> board{a, b, c};
                // A pocket pair of the board's first rank when one is left (sets, full houses, quads), then
                // two random holdings.
                std::vector<std::vector<int>> holes;
                std::vector<int> sameRank;
                for (int suit = 0; suit < 4; ++suit) {
                    const int card = a % 13 + 13 * suit;
                    if (card != a && card != b && card != c) sameRank.push_back(card);
                }
                if (sameRank.size() >= 2) holes.push_back({sameRank[0], sameRank[1]});
                while (holes.size() < 3 + (sameRank.size() >= 2 ? 1u : 0u)) {
                    const int x = static_cast<int>(random() % 52u);
                    const int y = static_cast<int>(random() % 52u);
                    if (x == y || std::find(board.begin(), board.end(), x) != board.end() ||
                        std::find(board.begin(), board.end(), y) != board.end()) {
                        continue;
                    }
                    holes.push_back({x, y});
                }
                for (const auto& hole : holes)
                    checkHand(hole, board);
            }
        }
    }
}

} // namespace
} // namespace tavolin
