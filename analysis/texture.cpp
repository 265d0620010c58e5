#include "analysis/texture.h"

#include <array>
#include <string_view>

namespace tavolin {
namespace {

// Board cards of one suit, or of any suit (suit 0), at ranks w..w+4 of a five-rank window.
int missingFromWindow(const CardMatrix& board, int suit, int w) {
    int present = 0;
    for (int rank = w; rank <= w + 4; ++rank) {
        bool found = false;
        for (int s = 1; s <= 4; ++s)
            found = found || ((suit == 0 || s == suit) && board[s][rank] > 0);
        if (found) ++present;
    }
    return 5 - present;
}

void readFlushCoordination(AnalysisContext& ctx) {
    const int n = ctx.BoardCount;
    for (int suit = 1; suit <= 4; ++suit) {
        int count = 0;
        for (int rank = 2; rank <= 14; ++rank)
            count += ctx.BoardMatrix[suit][rank];
        if (count < 3) continue;
        ctx.FlushCoor = count - 2;
        ctx.FlushCoorSuit = suit;
        int position = n;
        for (int rank = 14; rank >= 2 && position >= 1; --rank) {
            if (ctx.BoardMatrix[suit][rank] > 0) ctx.FlushCoorRanks[position--] = rank;
        }
    }
}

// The fewest ranks missing from any window sets the level; the highest windows with four and with three
// board ranks are kept for the straight rules.
void readStraightCoordination(AnalysisContext& ctx) {
    int fewestMissing = 3;
    for (int w = 1; w <= 10; ++w) {
        const int missing = missingFromWindow(ctx.BoardMatrix, 0, w);
        if (missing < fewestMissing) {
            fewestMissing = missing;
            ctx.StraightCoor = maxInteger(ctx.StraightCoor, 3 - fewestMissing);
        }
        if (missing == 2) ctx.StraightWindows[2] = w + 4;
        if (missing == 1) ctx.StraightWindows[1] = w + 4;
    }
}

// Suits are walked in order, so a window of a later suit replaces a higher one of an earlier suit.
void readSuitedStraightWindows(AnalysisContext& ctx) {
    for (int suit = 1; suit <= 4; ++suit) {
        for (int w = 1; w <= 10; ++w) {
            const int missing = missingFromWindow(ctx.BoardMatrix, suit, w);
            if (missing == 2) ctx.SuitedStraightWindows[2] = w + 4;
            if (missing == 1) ctx.SuitedStraightWindows[1] = w + 4;
        }
    }
}

struct TextureRule {
    int MinFlushCoor; // the rule holds when FlushCoor and StraightCoor lie within these bounds
    int MaxFlushCoor;
    int MinStraightCoor;
    int MaxStraightCoor;
    std::string_view Text;
};

constexpr int kAny = 3;

// Tried in order; the last rule that holds names the board.
constexpr std::array<TextureRule, 8> kTextureRules{{
    {1, 1, 0, kAny, "COOR FLUSH"},
    {2, kAny, 0, kAny, "EXTR COOR FLUSH"},
    {0, kAny, 1, 1, "COOR STRAIGHT"},
    {0, kAny, 2, kAny, "EXTR COOR STRAIGHT"},
    {1, 1, 1, 1, "COOR FLUSH COOR STRAIGHT"},
    {1, 1, 2, kAny, "COOR FLUSH EXTR COOR STRAIGHT"},
    {2, kAny, 1, 1, "EXTR COOR FLUSH COOR STRAIGHT"},
    {2, kAny, 2, kAny, "EXTR COOR FLUSH EXTR COOR STRAIGHT"},
}};

constexpr std::array<std::string_view, 6> kPairingSuffix{"",         " + PAIR", " + SET",
                                                         " + POKER", " + DP",   " + FULL"};

} // namespace

void readBoardCoordination(AnalysisContext& ctx) {
    if (ctx.BoardCount < 3 || ctx.BoardCount > 5) return; // only a checked flop, turn or river has a texture
    readFlushCoordination(ctx);
    readStraightCoordination(ctx);
    readSuitedStraightWindows(ctx);
    ctx.Coordination = maxInteger(ctx.FlushCoor, ctx.StraightCoor);
}

void describeBoardTexture(AnalysisContext& ctx) {
    if (ctx.BoardCount < 3 || ctx.BoardCount > 5) return;
    if (ctx.Coordination == 0) ctx.BoardTexture = "DRY";
    for (const TextureRule& rule : kTextureRules) {
        if (ctx.FlushCoor >= rule.MinFlushCoor && ctx.FlushCoor <= rule.MaxFlushCoor &&
            ctx.StraightCoor >= rule.MinStraightCoor && ctx.StraightCoor <= rule.MaxStraightCoor) {
            ctx.BoardTexture = rule.Text;
        }
    }

    if (ctx.FlushCoor < 1 && ctx.BoardCount < 5) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (ctx.SuitCount[suit][kBoard] == 2) ++ctx.FlushProjects;
        }
    }
    if (ctx.FlushProjects == 1) ctx.BoardTexture += " FLUSH PROJECT";
    if (ctx.FlushProjects == 2) ctx.BoardTexture += " TWO FLUSH PROJECTS";

    if (ctx.BoardPairing >= 1 && ctx.BoardPairing <= 5) {
        ctx.BoardTexture += kPairingSuffix[static_cast<std::size_t>(ctx.BoardPairing)];
    }
}

} // namespace tavolin
