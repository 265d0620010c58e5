// The made-hand name against the best five-card hand found by trying every five cards of the holding.

#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

enum Category { kHighCard, kPair, kTwoPair, kTrips, kStraight, kFlush, kFullHouse, kQuads, kStraightFlush };

// A five-card hand as poker ranks it: the category, then the ranks that break ties, most important first.
struct Strength {
    Category Kind = kHighCard;
    std::vector<int> Ranks;
    int Suit = 0; // 1..4 for a flush
    bool operator<(const Strength& other) const {
        return Kind != other.Kind ? Kind < other.Kind : Ranks < other.Ranks;
    }
};

// Cards 0..51: rank 2 + card % 13 (ace 14), suit 1 + card / 13.
Strength rateFive(const std::array<int, 5>& cards) {
    std::array<int, 15> count{};
    for (int card : cards)
        ++count[static_cast<std::size_t>(2 + card % 13)];
    std::vector<int> groups; // ranks by how often they occur, then by rank: 9 9 9 4 4 gives 9, 4
    for (int times = 4; times >= 1; --times) {
        for (int rank = 14; rank >= 2; --rank) {
            if (count[static_cast<std::size_t>(rank)] == times) groups.push_back(rank);
        }
    }
    const bool flush =
        std::all_of(cards.begin(), cards.end(), [&](int card) { return card / 13 == cards[0] / 13; });
    const int suit = flush ? 1 + cards[0] / 13 : 0;
    int straightTop = groups.size() == 5 && groups[0] - groups[4] == 4 ? groups[0] : 0;
    if (groups == std::vector<int>{14, 5, 4, 3, 2}) straightTop = 5;
    if (straightTop > 0) return {flush ? kStraightFlush : kStraight, {straightTop}, suit};
    const int top = count[static_cast<std::size_t>(groups[0])];
    const int second = groups.size() > 1 ? count[static_cast<std::size_t>(groups[1])] : 0;
    Category kind = top == 2 ? (second == 2 ? kTwoPair : kPair) : kHighCard;
    if (top == 3) kind = second == 2 ? kFullHouse : kTrips;
    if (top == 4) kind = kQuads;
    return {flush ? kFlush : kind, groups, suit};
}

Strength bestOfAll(const std::vector<int>& cards) {
    Strength best;
    for (unsigned mask = 0; mask < 1u << cards.size(); ++mask) {
        std::array<int, 5> five{};
        std::size_t filled = 0;
        for (std::size_t i = 0; i < cards.size() && std::popcount(mask) == 5; ++i) {
            if ((mask >> i) & 1u) five[filled++] = cards[i];
        }
        if (filled == 5) best = std::max(best, rateFive(five));
    }
    return best;
}

std::string rankText(int rank) {
    return std::string(1, "A23456789TJQKA"[rank - 1]);
}

// The name the best hand should carry; its ranks come from the brute-force search alone.
std::string expectedName(const Strength& best, bool pocketPair) {
    const auto r = [&best](std::size_t i) { return rankText(best.Ranks[i]); };
    const std::string suit = std::array{"", "Spades", "Hearts", "Clubs", "Diamonds"}[best.Suit];
    const std::string from = best.Ranks.size() == 1 ? rankText(best.Ranks[0] - 4) : "";
    const Category kind = best.Kind;
    if (kind == kHighCard) return "High " + r(0);
    if (kind == kPair) return "Pair of " + r(0) + "'s with Kicker " + r(1);
    if (kind == kTwoPair) return "DP of " + r(0) + "'s and " + r(1) + "'s with Kicker " + r(2);
    if (kind == kTrips)
        return (pocketPair ? "Set of " : "Three of a kind of ") + r(0) + "'s with Kicker " + r(1);
    if (kind == kStraight) return "Straight from " + from + " to " + r(0);
    if (kind == kFlush) return "Flush of " + suit + " High Card " + r(0);
    if (kind == kFullHouse) return "Full house of " + r(0) + "'s over " + r(1) + "'s";
    if (kind == kQuads) return "Poker of " + r(0) + "'s with Kicker " + r(1);
    if (best.Ranks[0] == 14) return "Jackpot!!! Royal flush straight!!!";
    if (best.Ranks[0] == 13) return "Flush Straight from 9 to K"; // the king-high one names no suit
    return "Flush Straight of " + suit + " from " + from + " to " + r(0);
}

// Compares the report's "Hand: " line with the brute-force reading.
void checkHand(const std::vector<int>& hole, const std::vector<int>& board) {
    std::vector<int> all = hole;
    all.insert(all.end(), board.begin(), board.end());
    std::string boardText = support::cardsText(board);
    const std::string report = analyseHand(support::cardsText(hole), boardText, "", "", "", "", 1, 1, false);
    EXPECT_EQ(report.substr(0, report.find("\r\n")),
              "Hand: " + expectedName(bestOfAll(all), hole[0] % 13 == hole[1] % 13))
        << support::cardsText(hole) << " / " << boardText;
}

TEST(MadeHand, NameOfRandomFlopTurnAndRiverHands) {
    std::mt19937 random(20240611u);
    for (int hand = 0; hand < 90000 && !HasFailure(); ++hand) {
        const std::vector<int> cards = support::dealt(random, 2 + 3 + hand % 3);
        checkHand({cards[0], cards[1]}, {cards.begin() + 2, cards.end()});
    }
}

} // namespace
} // namespace tavolin
