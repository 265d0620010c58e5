#pragma once

#include "equity/betting_range.h"
#include "cards/random_source.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavolin::practice {

// How far the hero's equity lies from the price of the call, in percentage points.
enum class Closeness { kWithin5, kWithin12, kFar };

// One bet the villain could make in a spot, and what it would make of the hero's call.
struct BetOption {
    int Bet = 0;                  // chips
    std::string_view Name;        // "1/4 pot", ..., "1.5 pot", "all-in"
    double Equity = 0.0;          // the hero's exact equity against the range that makes this bet
    double BettingHoldings = 0.0; // that range's summed weight
    double Price = 0.0;           // Bet / (pot + 2 Bet): the equity a call needs
    double Gap = 0.0;             // Equity - Price; the call is right when above 0
    Closeness Close = Closeness::kFar;
};

// The usual bets into `pot` (the pot before the bet): 1/4, 1/3, 1/2, 2/3, 3/4, 1 and 1.5 times the pot,
// rounded half up to whole chips and below the stack, and all-in (the whole `stack`) when the stack is at
// most two pots; each against the betting range that `model` gives for it. Empty for a pot or stack below 1,
// or cards exactEquity refuses.
std::vector<BetOption> betOptions(CardMask hero, CardMask board, int pot, int stack,
                                  const equity::HoldingWeights& villain,
                                  const equity::BettingModel& model = {});

// The bet that makes the call a close decision: drawn with `random` among the options within 5 points of the
// price, else among those within 12, else the closest. Within a group a coin first picks the side (calling
// right or folding right) and the draw keeps to it when the group has that side, so that the dealt spots do
// not lean to one answer. Nullopt when there is no option.
std::optional<BetOption> chooseCloseBet(CardMask hero, CardMask board, int pot, int stack,
                                        const equity::HoldingWeights& villain, RandomSource& random,
                                        const equity::BettingModel& model = {});

} // namespace tavolin::practice
