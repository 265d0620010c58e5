#include "equity/exact_equity.h"

#include "equity/runout_tally.h"

#include <bit>

namespace tavolin::equity {

EquityResult exactEquity(CardMask hero, CardMask board, const HoldingWeights& villain) {
    if (!detail::isValidSpot(hero, board)) return {};
    detail::RunoutTallier tallier(hero, board, villain);
    if (tallier.liveHoldings() == 0) return {};
    const int missing = 5 - std::popcount(board);
    detail::RunoutTally sum;
    detail::forEachRunout(hero | board, missing, [&](CardMask runout) { sum.add(tallier.tally(runout)); });
    EquityResult result;
    const double total = sum.Win + sum.Tie + sum.Lose;
    result.Win = sum.Win / total;
    result.Tie = sum.Tie / total;
    result.Lose = sum.Lose / total;
    result.Equity = result.Win + result.Tie / 2;
    result.Holdings = tallier.liveHoldings();
    result.Weight = tallier.liveWeight();
    // A villain's two cards leave 45 cards for the runout on the flop and 44 on the turn.
    result.Runouts = missing == 2 ? 45 * 44 / 2 : missing == 1 ? 44 : 1;
    return result;
}

} // namespace tavolin::equity
