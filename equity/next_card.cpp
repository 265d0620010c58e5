#include "equity/next_card.h"

#include "equity/runout_tally.h"

#include <bit>

namespace tavolin::equity {
namespace {

double equityOf(const detail::RunoutTally& tally) {
    const double total = tally.Win + tally.Tie + tally.Lose;
    return total > 0.0 ? (tally.Win + tally.Tie / 2) / total : 0.0;
}

} // namespace

// Every runout of the flop holds two next cards, so one pass over the runouts gives every card's equity.
NextCardEquities nextCardEquities(CardMask hero, CardMask board, const HoldingWeights& villain) {
    NextCardEquities result;
    const int boardCount = std::popcount(board);
    if (!detail::isValidSpot(hero, board) || boardCount == 5) return result;
    detail::RunoutTallier tallier(hero, board, villain);
    if (tallier.liveHoldings() == 0) return result;
    std::array<detail::RunoutTally, kDeckSize> byCard{};
    detail::RunoutTally sum;
    detail::forEachRunout(hero | board, 5 - boardCount, [&](CardMask runout) {
        const detail::RunoutTally tally = tallier.tally(runout);
        sum.add(tally);
        for (const Card card : cardsIn(runout))
            byCard[static_cast<std::size_t>(card.index())].add(tally);
    });
    result.Now = equityOf(sum);
    result.Unseen = kFullDeck & ~(hero | board);
    for (const Card card : cardsIn(result.Unseen)) {
        const detail::RunoutTally& tally = byCard[static_cast<std::size_t>(card.index())];
        // A card that every live holding of the range holds cannot come.
        if (tally.Win + tally.Tie + tally.Lose > 0.0)
            result.Equity[static_cast<std::size_t>(card.index())] = equityOf(tally);
        else
            result.Unseen &= ~maskOf(card);
    }
    return result;
}

TrueOuts trueOuts(const NextCardEquities& equities) {
    TrueOuts outs;
    outs.Ahead = equities.Unseen != 0 && equities.Now >= 0.5;
    for (const Card card : cardsIn(equities.Unseen)) {
        if ((equities.Equity[static_cast<std::size_t>(card.index())] >= 0.5) != outs.Ahead)
            outs.Cards |= maskOf(card);
    }
    return outs;
}

} // namespace tavolin::equity
