// The kicker and flush ladders against their plain meaning, over every board.

#include "analysis/strength_shared.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace tavolin {
namespace {

// The highest `count` ranks 14..2 that are not among `taken`.
std::vector<int> highestFree(const std::vector<int>& taken, int count) {
    std::vector<int> free;
    for (int rank = 14; rank >= 2 && static_cast<int>(free.size()) < count; --rank) {
        if (std::find(taken.begin(), taken.end(), rank) == taken.end()) free.push_back(rank);
    }
    return free;
}

// Every list of n ranks, highest first, with at most four of a rank.
void forEachRankList(int n, std::vector<int>& ranks, const auto& visit) {
    if (static_cast<int>(ranks.size()) == n) {
        visit(ranks);
        return;
    }
    for (int rank = ranks.empty() ? 14 : ranks.back(); rank >= 2; --rank) {
        if (std::count(ranks.begin(), ranks.end(), rank) == 4) continue;
        ranks.push_back(rank);
        forEachRankList(n, ranks, visit);
        ranks.pop_back();
    }
}

TEST(StrengthLadders, KickerLadderHoldsTheThreeHighestRanksOffEveryBoard) {
    for (int n = 3; n <= 5; ++n) {
        std::vector<int> ranks;
        forEachRankList(n, ranks, [](const std::vector<int>& board) {
            const KickerLadder l = kickerLadder(board);
            EXPECT_EQ((std::vector<int>{l.L1, l.L2, l.L3}), highestFree(board, 3))
                << board[0] << board[1] << board[2];
        });
    }
    // A repeated board rank counts once: on K-K-5 the ladder is A, Q, J.
    const KickerLadder paired = kickerLadder(std::vector<int>{13, 13, 5});
    EXPECT_EQ((std::vector<int>{paired.L1, paired.L2, paired.L3}), (std::vector<int>{14, 12, 11}));
}

TEST(StrengthLadders, FlushLadderHoldsTheSixHighestRanksOffTheSuitedBoardCards) {
    // Three to five distinct suited ranks, right-aligned at the board's last position.
    for (int n = 3; n <= 5; ++n) {
        for (int suited = 3; suited <= n; ++suited) {
            std::vector<bool> chosen(13, false);
            std::fill(chosen.begin(), chosen.begin() + suited, true);
            do {
                AnalysisContext ctx;
                ctx.BoardCount = n;
                std::vector<int> ranks;
                for (int rank = 2; rank <= 14; ++rank) {
                    if (chosen[static_cast<std::size_t>(rank - 2)]) ranks.push_back(rank);
                }
                for (int i = 0; i < suited; ++i) {
                    ctx.FlushCoorRanks[static_cast<std::size_t>(n - suited + 1 + i)] =
                        ranks[static_cast<std::size_t>(i)];
                }
                const std::array<int, 7> fl = flushLadder(ctx);
                EXPECT_EQ(std::vector<int>(fl.begin() + 1, fl.end()), highestFree(ranks, 6));
            } while (std::prev_permutation(chosen.begin(), chosen.end()));
        }
    }
}

} // namespace
} // namespace tavolin
