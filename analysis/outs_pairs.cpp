#include "analysis/outs_stages.h"

#include <array>
#include <string_view>

namespace tavolin {

namespace {

struct OutsLine {
    float Outs = 0.0f;
    std::string_view Line; // empty: the rule adds nothing
};

void addRule(AnalysisContext& ctx, const OutsLine& rule, CardMask cards) {
    if (!rule.Line.empty()) addOutsLine(ctx, rule.Line, rule.Outs, cards);
}

CardMask holeRankCards(const AnalysisContext& ctx) {
    return unseenOfRank(ctx, ctx.HoleRanks[1]) | unseenOfRank(ctx, ctx.HoleRanks[2]);
}

// Coordination 0 dry, 1 coordinated, 2 extremely coordinated; the flop and turn never reach 3.
bool isKnownCoordination(int coordination) {
    return coordination >= 0 && coordination <= 2;
}

int topBoardRank(const AnalysisContext& ctx) {
    return ctx.BoardRanks[ctx.BoardCount];
}

constexpr OutsLine kPocketFullProject{2.0f, "Pocket pair and pair on board. Full project (2 Outs)"};

// Pair projects by the hero's pairing, one column per coordination level.
using CoordinationRow = std::array<OutsLine, 3>;

constexpr CoordinationRow kOnePairWithHoleCard{{
    {4.0f, "Set or DP project and dry board (4 Outs)"},
    {3.0f, "Set or DP project and coordinated board (3 Outs)"},
    {1.0f, "Set or DP project and extremely coordinated board (1 Out)"},
}};
constexpr CoordinationRow kTwoPairWithBothHoleCards{{
    {4.0f, "Full project and dry board (4 Outs)"},
    {4.0f, "Full project and coordinated board (4 Outs)"},
    {4.0f, "Full project and extremely coordinated board (4 Outs)"},
}};
constexpr CoordinationRow kBoardPairBelowHeroPair{{
    {4.0f, "Full project or higher double pair project and dry board (4 Outs)"},
    {3.0f, "Full project or higher double pair and coordinated board (3 Outs)"},
    {1.0f, "Full project or higher double pair and extremely coordinated board (1 Out)"},
}};
// On a dry board the first entry depends on the kicker, see below.
constexpr CoordinationRow kBoardPairAboveHeroPair{{
    {1.0f, "Full project and dry board (1 Out)"},
    {1.0f, "Full project and coordinated board (1 Out)"},
    {1.0f, "Full project and extremely coordinated board (1 Out)"},
}};
constexpr OutsLine kBoardPairAboveWithOverKicker{
    2.0f, "Full project or higher double pair project and dry board (2 Outs)"};

} // namespace

void estimatePocketPairOuts(AnalysisContext& ctx) {
    const int pocket = ctx.HoleRanks[1];
    const bool boardPair = ctx.BoardPairing == 1;
    const bool pocketAboveBoardPair = boardPair && pocket > ctx.Made.PairRank[kBoard];
    const CardMask set = unseenOfRank(ctx, pocket);
    // Either pair turning into three of a kind fills the house.
    const CardMask full = set | unseenOfRank(ctx, ctx.Made.PairRank[kBoard]);
    switch (ctx.Coordination) {
    case 0:
        if (boardPair)
            addRule(ctx, kPocketFullProject, full);
        else
            addRule(ctx, {2.0f, "Pocket pair and dry board. Set project. (2 Outs)"}, set);
        break;
    case 1:
        if (pocketAboveBoardPair)
            addRule(ctx, kPocketFullProject, full);
        else if (!boardPair)
            addRule(ctx, {1.0f, "Pocket pair and coordinated board. Set project (1 Out)"}, set);
        break;
    case 2:
        if (pocketAboveBoardPair) addRule(ctx, kPocketFullProject, full);
        break;
    default:
        break;
    }
}

void estimateOvercardOuts(AnalysisContext& ctx) {
    const int top = topBoardRank(ctx);
    const int overcards = (ctx.HoleRanks[1] > top ? 1 : 0) + (ctx.HoleRanks[2] > top ? 1 : 0);
    if (overcards == 0) return;
    CardMask cards = 0;
    for (const int rank : {ctx.HoleRanks[1], ctx.HoleRanks[2]})
        if (rank > top) cards |= unseenOfRank(ctx, rank);
    if (ctx.Coordination == 0) {
        if (overcards == 2)
            addRule(ctx, {4.0f, "2 Overcards and dry board (4 Outs)"}, cards);
        else
            addRule(ctx, {2.0f, "1 Overcard and dry board(2 Outs)"}, cards);
    } else if (ctx.Coordination == 1) {
        if (overcards == 2)
            addRule(ctx, {2.0f, "2 Overcards and coordinated board (2 Outs)"}, cards);
        else
            addRule(ctx, {1.0f, "1 Overcard and coordinated board (1 Out)"}, cards);
    }
}

void estimatePairProjectOuts(AnalysisContext& ctx) {
    if (!isKnownCoordination(ctx.Coordination)) return;
    const MadeHand& made = ctx.Made;
    const auto column = static_cast<std::size_t>(ctx.Coordination);
    // Each hole rank pairs up into a set, two pair, a full house or a higher two pair: the lines name those.
    const CardMask holeRanks = holeRankCards(ctx);
    if (made.PairRank[kHand] > 0 && ctx.BoardPairing == 0 && made.DPHigh[kHand] == 0) {
        addRule(ctx, kOnePairWithHoleCard[column], holeRanks);
    } else if (made.DPHigh[kHand] > 0 && ctx.BoardPairing == 0) {
        addRule(ctx, kTwoPairWithBothHoleCards[column], holeRanks);
    } else if (ctx.BoardPairing == 1 && made.DPHigh[kHand] > made.PairRank[kBoard]) {
        addRule(ctx, kBoardPairBelowHeroPair[column], holeRanks);
    } else if (ctx.BoardPairing == 1 && made.DPHigh[kHand] == made.PairRank[kBoard]) {
        // The kicker is the hole card that did not pair.
        const int kicker = ctx.HoleRanks[1] == made.DPLow[kHand] ? ctx.HoleRanks[2] : ctx.HoleRanks[1];
        if (column == 0 && kicker > topBoardRank(ctx)) {
            addRule(ctx, kBoardPairAboveWithOverKicker, holeRanks);
        } else {
            // A line that names the full house alone points at both ways to it: the hero's pair or the
            // board's pair turning into three of a kind; the kicker plays no part.
            addRule(ctx, kBoardPairAboveHeroPair[column],
                    unseenOfRank(ctx, made.DPLow[kHand]) | unseenOfRank(ctx, made.PairRank[kBoard]));
        }
    }
}

} // namespace tavolin
