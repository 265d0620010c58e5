#include "equity/exact_equity.h"
#include "practice/spot_kind_dealer.h"
#include "practice/spot_reading.h"
#include "ranges/profiles.h"

#include <gtest/gtest.h>

namespace tavolin::practice {
namespace {

TEST(SpotKindDealer, DealsOnlySpotsOfTheKindAsTheReportAndTheEquityReadThem) {
    const auto kind = readSpotKind("turn", "dry", "WEAK", "fold by 5-15");
    ASSERT_TRUE(kind);
    SpotKindDealer dealer(7, *kind);
    for (int i = 0; i < 8; ++i) {
        const auto spot = dealer.next();
        ASSERT_TRUE(spot);
        const SpotReading reading = readSpot(*spot);
        EXPECT_EQ(streetOf(*spot), Street::kTurn);
        EXPECT_TRUE(textureIsOfKind(reading.Texture, BoardKind::kDry));
        EXPECT_EQ(tierOfLabel(reading.StrengthLabel), Tier::kWeak);
        const double equity =
            equity::exactEquity(holeMask(*spot), boardMask(*spot), ranges::profileRange(spot->PreflopProfile))
                .Equity;
        const double margin = 100 * (equity - priceOfCall(*spot));
        EXPECT_TRUE(margin >= -15 && margin < -5) << describeSpot(*spot) << ": " << margin;
    }
}

TEST(SpotKindDealer, AKindThatCannotBeDealtEndsTheSearchAndANameThatReadsAsNothingIsRefused) {
    const auto nutsFolding = readSpotKind("river", "", "NUTS", "fold by 15+");
    ASSERT_TRUE(nutsFolding);
    SpotKindDealer impossible(1, *nutsFolding);
    EXPECT_FALSE(impossible.next());
    EXPECT_FALSE(readSpotKind("preflop", "dry", "WEAK", "within 5"));
    EXPECT_FALSE(readSpotKind("flop", "dry", "WEAK", "close"));
    EXPECT_TRUE(readSpotKind("", "", "", ""));
}

} // namespace
} // namespace tavolin::practice
