#pragma once

#include "equity/range_on_board.h"

#include <string>
#include <string_view>

namespace tavolin::equity {

// A plain model of the part of the villain's range that bets on this board, by the rows of the range on the
// board (see range_on_board.h):
// - value: every holding whose made class is LowestValue or above it in the table (straight flush first);
// - draws: when DrawsBet, every other holding in a draw row (the flop and the turn only; none on the river);
// - bluffs: from the rest, weakest hand now first, just enough weight that bluffs : value = bet : pot + bet,
//   the mix that leaves a bluff-catcher indifferent. Holdings of equal hand value share the last fraction.
// Every part keeps the holding's weight in the range (or the fraction of it taken as a bluff).
struct BettingModel {
    BoardClass LowestValue = BoardClass::kTopPair; // a draw row counts as no pair: every made hand bets
    bool DrawsBet = true;

    friend bool operator==(const BettingModel&, const BettingModel&) = default;
};

struct BettingRange {
    HoldingWeights Weights{}; // the range that bets; every other holding 0
    double Value = 0.0;       // summed weights of the three parts
    double Draws = 0.0;
    double Bluffs = 0.0;
    double Holdings = 0.0;     // the summed weight of Weights
    double WantedBluffs = 0.0; // value * bet / (pot + bet); Bluffs falls short when weak holdings run out
    double BluffShare = 0.0; // Bluffs / (Value + Bluffs): the call's price bet / (pot + 2 bet) when not short
    bool Narrowed = false;   // false: Weights is the whole live range (see bettingRange)
    std::string Model;       // the settings for display and JSON, as modelText gives them
};

// The part of `villain` that bets `bet` into `pot` (the pot before the bet). Edges:
// - no bet (bet 0, or a bet or pot that is negative or not a number): the bet says nothing, the whole live
//   range is kept, Narrowed false; Value and Draws still say how the model splits it;
// - nothing bets by the model (no value holdings, no draws that bet): the whole live range, Narrowed false;
// - no value holdings but draws: the draws alone, no bluffs;
// - too few weak holdings for the bluffs: all of them, BluffShare below the price.
// Hero and board as exactEquity takes them; for any other input, or no live holding, Holdings is 0.
BettingRange bettingRange(CardMask hero, CardMask board, const HoldingWeights& villain, double pot,
                          double bet, const BettingModel& model = {});

// The range a verdict is judged against, in words: "the 212 holdings of Semiloose that bet here", or "the 300
// holdings of Semiloose" when the bet does not narrow it. Weights summed, whole or to a tenth ("12.5").
std::string bettingRangeWords(const BettingRange& range, std::string_view rangeName);

// "value from top pair up, draws bet, bluffs at bet : pot + bet"; "draws check" when they do not.
std::string modelText(const BettingModel& model);

} // namespace tavolin::equity
