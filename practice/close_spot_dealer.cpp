#include "practice/close_spot_dealer.h"

#include "ranges/profiles.h"

#include <algorithm>
#include <cmath>

namespace tavolin::practice {

CloseSpot dealCloseSpot(SpotDealer& dealer, RandomSource& random, Closeness farthest,
                        const equity::BettingModel& model, int maxDeals) {
    std::optional<CloseSpot> closest;
    for (int deal = 1;; ++deal) {
        const Spot spot = dealer.next();
        const auto bet = chooseCloseBet(holeMask(spot), boardMask(spot), spot.Pot, spot.Stack,
                                        ranges::profileRange(spot.PreflopProfile), random, model);
        if (bet && bet->Close <= farthest) return {spot, *bet, deal};
        if (bet && (!closest || std::fabs(bet->Gap) < std::fabs(closest->Bet.Gap)))
            closest = CloseSpot{spot, *bet};
        if (deal >= std::max(maxDeals, 1)) {
            CloseSpot taken = closest.value_or(CloseSpot{spot, {}});
            taken.Deals = deal;
            return taken;
        }
    }
}

} // namespace tavolin::practice
