#include "analysis/outs.h"

#include "analysis/outs_stages.h"

namespace tavolin {

namespace {

bool isThreeOfAKindOrBetter(const MadeHand& made) {
    return made.StraightTop[kHand] != 0 || made.FlushValue[kHand] != 0 || made.FullTrips[kHand] != 0 ||
           made.PokerRank[kHand] != 0 || made.TripsRank[kHand] != 0;
}

// A straight above the board's own, not yet beaten by a flush, full house or four of a kind of the hero.
bool holdsOwnStraightOnly(const MadeHand& made) {
    return made.StraightTop[kHand] > made.StraightTop[kBoard] && made.FlushValue[kHand] == 0 &&
           made.FullTrips[kHand] == 0 && made.PokerRank[kHand] == 0;
}

void estimateProjects(AnalysisContext& ctx) {
    if (isThreeOfAKindOrBetter(ctx.Made)) {
        if (holdsOwnStraightOnly(ctx.Made) && ctx.FlushProjects > 0)
            estimateMadeStraightFlushOuts(ctx);
        else
            ctx.OutsText = "Hand already equal or better than three of a kind\r\n";
        return;
    }
    if (ctx.HoleRanks[1] == ctx.HoleRanks[2]) {
        estimatePocketPairOuts(ctx);
    } else {
        const bool pairedNothing = (ctx.Made.PairRank[kHand] == 0 && ctx.BoardPairing == 0) ||
                                   (ctx.Made.DPHigh[kHand] == 0 && ctx.BoardPairing == 1);
        if (pairedNothing) estimateOvercardOuts(ctx);
        estimatePairProjectOuts(ctx);
    }
    const StraightSweepEnd sweep = estimateStraightOuts(ctx);
    estimateFlushOuts(ctx, sweep);
}

// 47 cards are unseen on the flop and 46 on the turn; the arithmetic stays in single precision throughout.
void deriveEquities(AnalysisContext& ctx) {
    const float outs = ctx.Outs;
    if (outs <= 0.0f) return;
    if (ctx.BoardCount == 3) {
        ctx.EquityAllIn = 1.0f - ((47.0f - outs) / 47.0f) * ((46.0f - outs) / 46.0f);
        ctx.EquityNextCard = 1.0f - (47.0f - outs) / 47.0f;
    } else if (ctx.BoardCount == 4) {
        ctx.EquityAllIn = 1.0f - (46.0f - outs) / 46.0f;
    }
}

} // namespace

void addOutsLine(AnalysisContext& ctx, std::string_view line, float amount, CardMask cards) {
    ctx.Outs += amount;
    ctx.OutsText += line;
    ctx.OutsText += "\r\n";
    ctx.OutsCards.push_back(cards);
}

CardMask unseenOfRank(const AnalysisContext& ctx, int rank) {
    if (rank == 1) rank = kAce;
    if (rank < kLowestRank || rank > kAce) return 0;
    CardMask cards = 0;
    for (int suit = 0; suit < kSuitCount; ++suit)
        cards |= Card(rank, suit).mask();
    return cards & ~(ctx.HoleCards | ctx.BoardCards);
}

CardMask unseenOfSuit(const AnalysisContext& ctx, int suit) {
    const CardMask cards = CardMask{kSuitRanks} << (kRanksPerSuit * (suit - 1));
    return cards & ~(ctx.HoleCards | ctx.BoardCards);
}

void estimateOuts(AnalysisContext& ctx) {
    ctx.Outs = 0.0f;
    ctx.OutsText.clear();
    ctx.OutsCards.clear();
    // No outs on the river; anything but a flop or turn is not a hand to estimate.
    if (ctx.BoardCount == 3 || ctx.BoardCount == 4) estimateProjects(ctx);

    if (ctx.Outs < 0.0f) addOutsLine(ctx, "No valid projects (Outs < 0)", 0.0f, 0);
    deriveEquities(ctx);
    // The explanation keeps the CR of its last line; the report adds its own CR LF after it.
    if (ctx.OutsText.empty())
        ctx.OutsText = "No Projects";
    else
        ctx.OutsText.pop_back();
}

} // namespace tavolin
