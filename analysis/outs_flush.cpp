#include "analysis/outs_stages.h"

#include <array>
#include <string>
#include <string_view>

namespace tavolin {

namespace {

struct SuitCards {
    int SuitHole = 0;
    int SuitBoard = 0;
    // Ranks of the suit not on the board, highest first: a rank at position j has j - 1 higher cards of
    // the suit still unseen by the board.
    std::array<int, 15> SuitLadder{};
};

SuitCards countSuit(const AnalysisContext& ctx, int suit) {
    SuitCards cards;
    for (int j = 1; j <= 14; ++j)
        cards.SuitLadder[j] = 15 - j;
    for (int rank = 14; rank >= 2; --rank) {
        if (ctx.HoleMatrix[suit][rank] > 0) ++cards.SuitHole;
        if (ctx.BoardMatrix[suit][rank] > 0) {
            ++cards.SuitBoard;
            bool atOrAfterRank = false;
            for (int j = 1; j <= 14; ++j) {
                atOrAfterRank = atOrAfterRank || cards.SuitLadder[j] == rank;
                if (atOrAfterRank) --cards.SuitLadder[j];
            }
        }
    }
    return cards;
}

int higherUnseenCards(const SuitCards& cards, int rank) {
    for (int j = 1; j <= 14; ++j)
        if (cards.SuitLadder[j] == rank) return j - 1;
    return 0;
}

int suitedHoleRank(const AnalysisContext& ctx, int suit) {
    for (int rank = 14; rank >= 2; --rank)
        if (ctx.HoleMatrix[suit][rank] > 0) return rank;
    return 0;
}

// Two hole cards and two board cards of one suit. The made-straight wording lacks the "and" of the draw.
// A paired board takes outs away without saying which, so every line points at the whole suit.
void addTwoCardFlushProject(AnalysisContext& ctx, std::string_view noPairLine, int suit) {
    const CardMask cards = unseenOfSuit(ctx, suit);
    switch (ctx.BoardPairing) {
    case 0:
        addOutsLine(ctx, noPairLine, 9.0f, cards);
        break;
    case 1:
        addOutsLine(ctx, "Flush project with 2 cards on hand and pair on board (7 Outs)", 7.0f, cards);
        break;
    case 2:
    case 4:
        addOutsLine(ctx, "Flush project with 2 cards on hand and DP or set on board (4 Outs)", 4.0f, cards);
        break;
    default:
        break;
    }
}

// One hole card and three board cards of the suit: every higher card of the suit still unseen costs an out.
void addOneCardFlushProject(AnalysisContext& ctx, const SuitCards& cards, int suit) {
    const int rank = suitedHoleRank(ctx, suit);
    const int otherRank = ctx.HoleRanks[1] == rank ? ctx.HoleRanks[2] : ctx.HoleRanks[1];
    // The whole suit: the line only takes the higher cards off its count, since they may give a better flush.
    const CardMask suitCards = unseenOfSuit(ctx, suit);
    if (otherRank != rank && otherRank > ctx.BoardRanks[ctx.BoardCount] && ctx.Coordination < 2)
        addOutsLine(ctx, "1 Flush card counted as overcard (-1 Out)", -1.0f,
                    suitCards & unseenOfRank(ctx, otherRank));

    const int higher = higherUnseenCards(cards, rank);
    const std::string h = std::to_string(higher);
    if (ctx.BoardPairing == 0) {
        const int value = maxInteger(9 - higher, 0);
        addOutsLine(ctx,
                    "Flush project with one card on hand (9 outs - " + h +
                        " higher cards = " + std::to_string(value) + " Outs)",
                    static_cast<float>(value), suitCards);
    } else if (ctx.BoardPairing == 1) {
        const int value = maxInteger(7 - higher, 0);
        addOutsLine(ctx,
                    "Flush project with one card on hand and pair on board (7 outs - " + h +
                        " higher cards = " + std::to_string(value) + " Outs)",
                    static_cast<float>(value), suitCards);
    }
}

bool sweepEndedOnOpenProject(const StraightSweepEnd& sweep) {
    return sweep.HoleInWindow > 0 && sweep.MissingEnds == 1 && sweep.MissingInner == 0;
}

} // namespace

void estimateFlushOuts(AnalysisContext& ctx, const StraightSweepEnd& sweep) {
    for (int suit = 1; suit <= 4; ++suit) {
        const SuitCards cards = countSuit(ctx, suit);
        if (cards.SuitHole == 2 && cards.SuitBoard == 2)
            addTwoCardFlushProject(ctx, "Flush project with 2 cards on hand and no pair on board (9 Outs)",
                                   suit);
        if (cards.SuitHole == 1 && cards.SuitBoard == 3) addOneCardFlushProject(ctx, cards, suit);
        if (cards.SuitHole + cards.SuitBoard == 4 && sweepEndedOnOpenProject(sweep) && ctx.FlushProjects == 2)
            addOutsLine(ctx, "Flush cards counted as straight cards in an open straight project(-2 outs)",
                        -2.0f, sweep.Completing & unseenOfSuit(ctx, suit));
    }
}

void estimateMadeStraightFlushOuts(AnalysisContext& ctx) {
    for (int suit = 1; suit <= 4; ++suit) {
        const SuitCards cards = countSuit(ctx, suit);
        if (cards.SuitHole == 2 && cards.SuitBoard == 2)
            addTwoCardFlushProject(ctx, "Flush project with 2 cards on hand no pair on board (9 Outs)", suit);
    }
}

} // namespace tavolin
