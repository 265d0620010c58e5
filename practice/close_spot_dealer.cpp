#include "practice/close_spot_dealer.h"

#include "ranges/profiles.h"

#include <algorithm>
#include <cmath>

namespace tavolin::practice {

CloseSpot dealCloseSpot(const std::function<Spot()>& draw, RandomSource& random, Closeness farthest,
                        const equity::BettingModel& model, int maxDeals) {
    std::optional<CloseSpot> closest;
    for (int deal = 1;; ++deal) {
        Spot spot = draw();
        const auto bet = chooseCloseBet(holeMask(spot), boardMask(spot), spot.Pot, spot.Stack,
                                        ranges::profileRange(spot.PreflopProfile), random, model);
        if (bet) spot.VillainBet = bet->Bet;
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
