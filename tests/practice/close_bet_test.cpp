#include "practice/close_spot_dealer.h"
#include "practice/spot_dealer.h"
#include "ranges/profiles.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tavolin::practice {
namespace {

// Over seeded spots: half within 5 points of the price, 80% within 12, calling right in 35-65%. Each bet is
// drawn from the spot's closest group of options: the usual sizes rising, below the stack but for an all-in
// up to two pots, priced bet / (pot + 2 bet). Close decisions only: all within 5.
TEST(CloseBet, DealsCloseDecisionsAmongTheClosestOptions) {
    SpotDealer dealer(2026, {{}, {}, {}, std::nullopt});
    const auto draw = [&dealer] { return dealer.next(); };
    RandomSource random(7);
    constexpr int kSpots = 200;
    int within5 = 0, within12 = 0, callRight = 0;
    for (int i = 0; i < kSpots; ++i) {
        const CloseSpot close = dealCloseSpot(draw, random, Closeness::kWithin12);
        const Spot& spot = close.Dealt;
        SCOPED_TRACE(describeSpot(spot));
        const auto options = betOptions(holeMask(spot), boardMask(spot), spot.Pot, spot.Stack,
                                        ranges::profileRange(spot.PreflopProfile));
        EXPECT_EQ(std::ranges::adjacent_find(options, std::greater_equal{}, &BetOption::Bet), options.end());
        for (const BetOption& option : options) {
            EXPECT_TRUE(option.Bet < spot.Stack || (option.Name == "all-in" && option.Bet <= 2 * spot.Pot));
            EXPECT_DOUBLE_EQ(option.Gap, option.Equity - option.Bet / (spot.Pot + 2.0 * option.Bet));
            EXPECT_TRUE(close.Bet.Close != Closeness::kFar ||
                        std::fabs(option.Gap) >= std::fabs(close.Bet.Gap));
        }
        EXPECT_TRUE(std::ranges::any_of(
            options, [&](auto& o) { return o.Bet == close.Bet.Bet && o.Gap == close.Bet.Gap; }));
        EXPECT_EQ(close.Bet.Close, std::ranges::min(options, {}, &BetOption::Close).Close);
        within5 += std::fabs(close.Bet.Gap) <= 0.05;
        within12 += std::fabs(close.Bet.Gap) <= 0.12;
        callRight += close.Bet.Gap > 0.0;
    }
    EXPECT_GE(within5, kSpots / 2);
    EXPECT_GE(within12, kSpots * 8 / 10);
    EXPECT_TRUE(callRight >= kSpots * 35 / 100 && callRight <= kSpots * 65 / 100) << callRight;
    EXPECT_EQ(dealCloseSpot(draw, random, Closeness::kFar).Deals, 1);
    for (int i = 0; i < 20; ++i)
        EXPECT_LE(std::fabs(dealCloseSpot(draw, random, Closeness::kWithin5).Bet.Gap), 0.05);
}

// The sizes rounded half up; with the nuts every bet is far and the closest, the biggest, is taken; no option
// without a pot, a stack, sound cards or a range.
TEST(CloseBet, SizesAndRefusals) {
    const auto pot100 = betOptions(0b11, 0b11100, 100, 180, equity::anyTwoCards());
    EXPECT_EQ(pot100.size(), 8U);
    EXPECT_TRUE(pot100[1].Bet == 33 && pot100[3].Bet == 67 && pot100[6].Bet == 150 && pot100[7].Bet == 180);
    RandomSource random(1);
    EXPECT_EQ(chooseCloseBet(0b11, 0b11100, 100, 180, equity::anyTwoCards(), random)->Bet, 180);
    for (const auto& [pot, stack, board] :
         {std::tuple{0, 500, 0b11100}, {100, 0, 0b11100}, {100, 500, 0b111}})
        EXPECT_FALSE(chooseCloseBet(0b11, board, pot, stack, equity::anyTwoCards(), random));
    EXPECT_TRUE(betOptions(0b11, 0b11100, 100, 500, equity::HoldingWeights{}).empty());
}

} // namespace
} // namespace tavolin::practice
