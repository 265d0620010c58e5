#include "analysis/made_hand.h"

namespace tavolin {
namespace {

// Ranks 2..14 of every card in the matrix, ascending, starting at list[1]; returns how many were written.
template <std::size_t N> int sortedRanks(const CardMatrix& matrix, std::array<int, N>& list) {
    int count = 0;
    for (int rank = 2; rank <= 14; ++rank) {
        for (int suit = 1; suit <= 4; ++suit) {
            for (int copy = 0; copy < matrix[suit][rank] && count + 1 < static_cast<int>(N); ++copy) {
                list[++count] = rank;
            }
        }
    }
    return count;
}

// The first rank of ranks[top] down to ranks[1] equal to neither `a` nor `b`; 0 when every rank is.
template <std::size_t N> int highestOther(const std::array<int, N>& ranks, int top, int a, int b) {
    for (int j = top; j >= 1; --j) {
        if (ranks[j] != a && ranks[j] != b) return ranks[j];
    }
    return 0;
}

void readSortedLists(AnalysisContext& ctx, int n) {
    sortedRanks(ctx.HoleMatrix, ctx.HoleRanks);
    sortedRanks(ctx.AllMatrix, ctx.AllRanks);
    sortedRanks(ctx.BoardMatrix, ctx.BoardRanks);
    ctx.Made.HighCard[kHand] = ctx.AllRanks[n + 2];
    ctx.Made.HighCard[kBoard] = ctx.BoardRanks[n];
}

// Every pair found overwrites the last, so the highest pair stays; a second pair must start two places
// above the first, which keeps a triple from counting as two pair.
void readHandPairs(AnalysisContext& ctx, int n) {
    const auto& all = ctx.AllRanks;
    MadeHand& made = ctx.Made;
    for (int i = 1; i <= n + 1; ++i) {
        if (all[i] != all[i + 1]) continue;
        made.PairRank[kHand] = all[i];
        made.PairKicker[kHand] = highestOther(all, n + 2, all[i], all[i]);
        for (int k = i + 2; k <= n + 1; ++k) {
            if (all[k] != all[k + 1]) continue;
            made.DPHigh[kHand] = all[k];
            made.DPLow[kHand] = made.PairRank[kHand];
            made.DPKicker[kHand] = highestOther(all, n + 2, made.DPHigh[kHand], made.DPLow[kHand]);
        }
    }
}

void readBoardPairs(AnalysisContext& ctx, int n) {
    const auto& board = ctx.BoardRanks;
    MadeHand& made = ctx.Made;
    ctx.BoardPairing = 0;
    for (int i = 1; i <= n - 1; ++i) {
        if (board[i] != board[i + 1]) continue;
        if (ctx.BoardPairing == 0) ctx.BoardPairing = 1;
        made.PairRank[kBoard] = board[i];
        made.PairKicker[kBoard] = highestOther(board, n, board[i], board[i]);
        for (int k = i + 2; k <= n - 1; ++k) {
            if (board[k] != board[k + 1]) continue;
            ctx.BoardPairing = 4;
            made.DPHigh[kBoard] = board[k];
            made.DPLow[kBoard] = made.PairRank[kBoard];
            made.DPKicker[kBoard] = highestOther(board, n, made.DPHigh[kBoard], made.DPLow[kBoard]);
        }
    }
}

// The kicker is the top card unless the triple is the top, then the card just below it.
void readTrips(AnalysisContext& ctx, int n) {
    const auto& all = ctx.AllRanks;
    const auto& board = ctx.BoardRanks;
    MadeHand& made = ctx.Made;
    for (int i = 1; i <= n; ++i) {
        if (all[i] != all[i + 1] || all[i + 1] != all[i + 2]) continue;
        made.TripsRank[kHand] = all[i];
        made.TripsKicker[kHand] = all[n + 2 - 3 * (i / n)];
    }
    for (int i = 1; i <= n - 2; ++i) {
        if (board[i] != board[i + 1] || board[i + 1] != board[i + 2]) continue;
        ctx.BoardPairing = 2;
        made.TripsRank[kBoard] = board[i];
        if (n > 3) made.TripsKicker[kBoard] = board[n - 3 * (i / (n - 2))];
    }
}

void readStraights(AnalysisContext& ctx) {
    for (int rank = 1; rank <= 14; ++rank) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (ctx.AllMatrix[suit][rank] > 0) ctx.RankPresent[rank][kHand] = 1;
            if (ctx.BoardMatrix[suit][rank] > 0) ctx.RankPresent[rank][kBoard] = 1;
        }
    }
    for (int half : {kHand, kBoard}) {
        for (int w = 1; w <= 10; ++w) {
            bool complete = true;
            for (int rank = w; rank <= w + 4; ++rank)
                complete = complete && ctx.RankPresent[rank][half] == 1;
            if (complete) ctx.Made.StraightTop[half] = w + 4;
        }
    }
}

// The five highest ranks of the first suit with five cards, as r1·100^4 + … + r5 in a double (the largest,
// 1,413,121,110, still fits the 32-bit field).
void readFlush(AnalysisContext& ctx, const CardMatrix& matrix, int half) {
    constexpr double kFlushFound = 100.0 * 100.0 * 100.0 * 100.0;
    for (int suit = 1; suit <= 4; ++suit) {
        double value = 0.0;
        if (ctx.SuitCount[suit][half] >= 5) {
            ctx.Made.FlushSuit[half] = suit;
            double place = kFlushFound;
            int found = 0;
            for (int rank = 14; rank >= 2 && found < 5; --rank) {
                if (matrix[suit][rank] == 0) continue;
                value += rank * place;
                place /= 100.0;
                ++found;
            }
        }
        ctx.Made.FlushValue[half] = static_cast<std::int32_t>(value);
        if (value >= kFlushFound) break;
    }
}

void readFlushes(AnalysisContext& ctx) {
    for (int rank = 2; rank <= 14; ++rank) {
        for (int suit = 1; suit <= 4; ++suit) {
            ctx.SuitCount[suit][kHand] += ctx.AllMatrix[suit][rank];
            ctx.SuitCount[suit][kBoard] += ctx.BoardMatrix[suit][rank];
        }
    }
    readFlush(ctx, ctx.AllMatrix, kHand);
    readFlush(ctx, ctx.BoardMatrix, kBoard);
}

// Each triple is joined with every pair below it and then above it; the last join stays, so the highest
// triple goes with the highest other pair.
void readHandFullHouse(AnalysisContext& ctx, int n) {
    const auto& all = ctx.AllRanks;
    MadeHand& made = ctx.Made;
    for (int i = 1; i <= n; ++i) {
        if (all[i] != all[i + 1] || all[i + 1] != all[i + 2]) continue;
        for (int j = 1; j <= i - 1; ++j) {
            if (all[j] != all[j + 1]) continue;
            made.FullTrips[kHand] = all[i];
            made.FullPair[kHand] = all[j];
        }
        for (int j = i + 3; j <= n + 1; ++j) {
            if (all[j] != all[j + 1]) continue;
            made.FullTrips[kHand] = all[i];
            made.FullPair[kHand] = all[j];
        }
    }
}

void readBoardFullHouse(AnalysisContext& ctx, int n) {
    if (n != 5) return;
    const auto& board = ctx.BoardRanks;
    MadeHand& made = ctx.Made;
    if (board[1] == board[2] && board[3] == board[4] && board[4] == board[5] && board[1] >= 1 &&
        board[3] > 0) {
        ctx.BoardPairing = 5;
        made.FullTrips[kBoard] = board[3];
        made.FullPair[kBoard] = board[1];
    }
    if (board[1] == board[2] && board[2] == board[3] && board[4] == board[5] && board[4] > 0) {
        ctx.BoardPairing = 5;
        made.FullTrips[kBoard] = board[1];
        made.FullPair[kBoard] = board[4];
    }
}

// As with the triple, the kicker is the top card unless the four are the top.
void readFourOfAKind(AnalysisContext& ctx, int n) {
    const auto& all = ctx.AllRanks;
    const auto& board = ctx.BoardRanks;
    MadeHand& made = ctx.Made;
    for (int i = 1; i <= n - 1; ++i) {
        if (all[i] != all[i + 1] || all[i + 1] != all[i + 2] || all[i + 2] != all[i + 3]) continue;
        made.PokerRank[kHand] = all[i];
        made.PokerKicker[kHand] = all[n + 2 - 4 * (i / (n - 1))];
    }
    for (int i = 1; i <= n - 3; ++i) {
        if (board[i] != board[i + 1] || board[i + 1] != board[i + 2] || board[i + 2] != board[i + 3])
            continue;
        ctx.BoardPairing = 3;
        made.PokerRank[kBoard] = board[i];
        if (n > 4) made.PokerKicker[kBoard] = board[n - 4 * (i / (n - 3))];
    }
}

void readStraightFlush(AnalysisContext& ctx, const CardMatrix& matrix, int half) {
    if (ctx.Made.StraightTop[half] < 1 || ctx.Made.FlushValue[half] < 1) return;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int w = 1; w <= 10; ++w) {
            bool complete = true;
            for (int rank = w; rank <= w + 4; ++rank)
                complete = complete && matrix[suit][rank] > 0;
            if (complete) ctx.Made.StraightFlushTop[half] = w + 4;
        }
    }
}

} // namespace

void readMadeHand(AnalysisContext& ctx) {
    const int n = ctx.BoardCount;
    if (n < 3 || n > 5) return; // only a checked flop, turn or river has a made hand
    readSortedLists(ctx, n);
    readHandPairs(ctx, n);
    readBoardPairs(ctx, n);
    readTrips(ctx, n);
    readStraights(ctx);
    readFlushes(ctx);
    readHandFullHouse(ctx, n);
    readBoardFullHouse(ctx, n);
    readFourOfAKind(ctx, n);
    readStraightFlush(ctx, ctx.AllMatrix, kHand);
    readStraightFlush(ctx, ctx.BoardMatrix, kBoard);
}

} // namespace tavolin
