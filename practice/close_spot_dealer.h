#pragma once

#include "practice/close_bet.h"
#include "practice/spot.h"

#include <functional>

namespace tavolin::practice {

// A dealt spot with the villain's bet chosen by chooseCloseBet against his preflop profile's range. The
// spot keeps its cards, pot, stack and profile; its VillainBet is Bet.Bet.
struct CloseSpot {
    Spot Dealt;
    BetOption Bet;
    int Deals = 1; // spots dealt to find this one
};

// Draws spots from `draw` until the chosen bet is at least as close as `farthest` (kFar takes the first,
// kWithin12 deals again when no bet comes within 12 points, kWithin5 when none within 5); after `maxDeals`
// spots the closest seen so far is taken, so the search always ends. (Bet.Bet is 0 only if no spot had a bet
// at all, which the dealer's spots, with a pot, a stack and a profile's range, always have.)
CloseSpot dealCloseSpot(const std::function<Spot()>& draw, RandomSource& random, Closeness farthest,
                        const equity::BettingModel& model = {}, int maxDeals = 40);

} // namespace tavolin::practice
