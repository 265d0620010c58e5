#include "equity/hand_value.h"
#include "ranges/profiles.h"
#include "ranges/starting_hands.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace tavolin::ranges {
namespace {

// All-in against a random hand by dealing at random, as an independent check of the exact table.
double sampledEquity(const StartingHand& hand, int deals, std::mt19937_64& random) {
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    const int heroHigh = Card(hand.High, 0).index();
    const int heroLow = Card(hand.Low, hand.Suited ? 0 : 1).index();
    std::erase_if(deck, [&](int card) { return card == heroHigh || card == heroLow; });
    const CardMask hero = Card::fromIndex(heroHigh).mask() | Card::fromIndex(heroLow).mask();
    double shares = 0.0;
    for (int deal = 0; deal < deals; ++deal) {
        for (std::size_t at = 0; at < 7; ++at)
            std::swap(deck[at], deck[at + random() % (50 - at)]);
        CardMask board = 0;
        for (std::size_t at = 2; at < 7; ++at)
            board |= Card::fromIndex(deck[at]).mask();
        const auto heroValue = equity::handValue(hero | board);
        const auto villainValue =
            equity::handValue(Card::fromIndex(deck[0]).mask() | Card::fromIndex(deck[1]).mask() | board);
        shares += heroValue > villainValue ? 1.0 : heroValue == villainValue ? 0.5 : 0.0;
    }
    return shares / deals;
}

TEST(StartingHands, OrderIsTheSampledEquityBestFirstAndTheGridHoldsEachHand) {
    const auto& order = startingHandOrder();
    std::set<std::string> names;
    for (const StartingHand& hand : order)
        names.insert(startingHandName(hand));
    EXPECT_EQ(names.size(), 169U);
    // The grid: suited above the diagonal (row = higher rank), offsuit below, each hand once.
    std::set<std::string> gridNames;
    for (int cell = 0; cell < 169; ++cell) {
        const StartingHand hand = gridHand(cell / 13, cell % 13);
        gridNames.insert(startingHandName(hand));
        EXPECT_TRUE(hand.High == 14 - std::min(cell / 13, cell % 13) &&
                    hand.Suited == (cell / 13 < cell % 13));
    }
    EXPECT_EQ(gridNames, names);
    EXPECT_TRUE(std::ranges::is_sorted(order, std::greater{}, &StartingHand::Equity));
    std::mt19937_64 random(169);
    for (const std::size_t place : {0U, 40U, 100U, 168U}) {
        EXPECT_NEAR(sampledEquity(order[place], 400'000, random), order[place].Equity, 0.003)
            << startingHandName(order[place]);
    }
    for (const StartingHand& hand : order) {
        const StartingHand offsuit = gridHand(14 - hand.Low, 14 - hand.High);
        const StartingHand pairBelow = gridHand(15 - hand.High, 15 - hand.High);
        EXPECT_TRUE(!hand.Suited || hand.Equity > offsuit.Equity) << startingHandName(hand);
        EXPECT_TRUE(hand.High != hand.Low || hand.High == 2 || hand.Equity > pairBelow.Equity) << hand.High;
    }
}

// Whole hands from the top of the order, never more than asked for but for the first hand.
TEST(StartingHands, TopPercentTakesTheBestWholeHandsThatFit) {
    const auto& order = startingHandOrder();
    HoldingWeights best{}; // the hands taken so far, as the percent grows
    int bestCount = 0;
    std::size_t hands = 0;
    for (double percent = 0.0; percent <= 101.0; percent += 0.25) {
        const HoldingWeights weights = topPercent(percent);
        const double taken = std::accumulate(weights.begin(), weights.end(), 0.0);
        const double wanted = std::min(percent, 100.0) / 100.0 * 1326.0;
        while (hands < order.size() && bestCount < taken) {
            setStartingHand(best, order[hands], 1.0);
            bestCount += holdingsOf(order[hands++]);
        }
        ASSERT_EQ(weights, best) << percent;
        EXPECT_TRUE(taken <= wanted || hands == 1) << percent;
        EXPECT_TRUE(hands == order.size() || taken + holdingsOf(order[hands]) > wanted) << percent;
    }
    EXPECT_EQ(bestCount, 1326);
    for (int profile = 0; profile < kProfileCount; ++profile) {
        EXPECT_EQ(profileRange(profile), topPercent(profileTopPercent(profile)));
    }
}

} // namespace
} // namespace tavolin::ranges
