#include "practice/spot_dealer.h"
#include "practice/spot_reading.h"
#include "practice/strength_tier.h"

#include <bit>
#include <gtest/gtest.h>
#include <vector>

namespace tavolin::practice {
namespace {

std::vector<Spot> dealSpots(std::uint64_t seed, const SpotFilter& filter, int count) {
    SpotDealer dealer(seed, filter);
    std::vector<Spot> spots;
    for (int i = 0; i < count; ++i)
        spots.push_back(dealer.next());
    return spots;
}

// Every spot the dealer gives, under every filter: sound cards, amounts the report prints its amounts block
// for, the report's own price of the call, a label with a tier, and the filter's street, board and profile.
TEST(SpotDealer, EverySpotIsSoundAndFitsItsFilter) {
    std::vector<SpotFilter> filters{{{}, {}, {}, std::nullopt}};
    for (const Street street : {Street::kFlop, Street::kTurn, Street::kRiver}) {
        for (int kind = 0; kind < kBoardKindCount; ++kind)
            filters.push_back({street, static_cast<BoardKind>(kind), (kind + 1) % 4, std::nullopt});
    }
    std::uint64_t seed = 1;
    for (const SpotFilter& filter : filters) {
        for (const Spot& spot : dealSpots(seed++, filter, 60)) {
            SCOPED_TRACE(describeSpot(spot));
            EXPECT_EQ(std::popcount(holeMask(spot) | boardMask(spot)), 2 + spot.BoardCount);
            EXPECT_LT(holeMask(spot) | boardMask(spot), CardMask{1} << 52);
            EXPECT_TRUE(spot.BoardCount >= 3 && spot.BoardCount <= 5);
            EXPECT_TRUE(spot.PreflopProfile >= 0 && spot.PreflopProfile <= 3);
            EXPECT_TRUE(betName(spot).ends_with("pot")) << betName(spot);
            EXPECT_GE(spot.Stack, spot.VillainBet);

            const SpotReading reading = readSpot(spot);
            EXPECT_TRUE(reading.HasAmountsBlock);
            EXPECT_EQ(priceOfCall(spot), reading.PmeNextCard);
            EXPECT_TRUE(tierOfLabel(reading.StrengthLabel).has_value()) << reading.StrengthLabel;

            EXPECT_EQ(streetOf(spot), filter.OnStreet.value_or(streetOf(spot)));
            EXPECT_TRUE(!filter.Board || textureIsOfKind(reading.Texture, *filter.Board)) << reading.Texture;
            EXPECT_EQ(spot.PreflopProfile, filter.PreflopProfile.value_or(spot.PreflopProfile));
        }
    }
}

// The dealer's integers are its own, so a seed deals the same spots with any standard library; the first
// spot of one seed is pinned to catch a change in how cards or amounts are drawn.
TEST(SpotDealer, SameSeedSameSpotsEverywhere) {
    const SpotFilter filter{Street::kTurn, BoardKind::kPaired, std::nullopt, std::nullopt};
    EXPECT_EQ(dealSpots(7, filter, 20), dealSpots(7, filter, 20));
    EXPECT_NE(dealSpots(7, filter, 20), dealSpots(8, filter, 20));
    EXPECT_EQ(describeSpot(dealSpots(2026, {{}, {}, {}, std::nullopt}, 1)[0]),
              "3d 9d | Ts Jd 2h 9h 8d | pot 100, bet 67 (2/3 pot), stack 67 | Nit/Tight");
}

// The board kinds read the report's texture words; the kinds overlap as a player would expect.
TEST(BoardKind, ReadsTheTextureWords) {
    struct Case {
        const char* Texture;
        bool Dry, Coordinated, Paired, Flush;
    };
    const Case cases[] = {
        {"DRY", true, false, false, false},
        {"DRY FLUSH PROJECT", true, false, false, false},
        {"DRY TWO FLUSH PROJECTS + DP", true, false, true, false},
        {"COOR STRAIGHT + PAIR", false, true, true, false},
        {"COOR FLUSH", false, true, false, true},
        {"EXTR COOR FLUSH EXTR COOR STRAIGHT", false, true, false, true},
        {"EXTR COOR STRAIGHT FLUSH PROJECT + SET", false, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Texture);
        EXPECT_EQ(textureIsOfKind(c.Texture, BoardKind::kDry), c.Dry);
        EXPECT_EQ(textureIsOfKind(c.Texture, BoardKind::kCoordinated), c.Coordinated);
        EXPECT_EQ(textureIsOfKind(c.Texture, BoardKind::kPaired), c.Paired);
        EXPECT_EQ(textureIsOfKind(c.Texture, BoardKind::kFlush), c.Flush);
    }
}

} // namespace
} // namespace tavolin::practice
