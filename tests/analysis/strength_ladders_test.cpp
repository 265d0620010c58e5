// The kicker and flush ladders against their plain meaning, over every board, and the hero's flush card.

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

TEST(StrengthLadders, KickerLadderExamples) {
    const auto ladder = [](std::vector<int> ranks) {
        const KickerLadder l = kickerLadder(ranks);
        return std::vector<int>{l.L1, l.L2, l.L3};
    };
    EXPECT_EQ(ladder({14, 13, 7}), (std::vector<int>{12, 11, 10}));
    EXPECT_EQ(ladder({13, 12, 11}), (std::vector<int>{14, 10, 9}));
    EXPECT_EQ(ladder({13, 13, 5}), (std::vector<int>{14, 12, 11}));
    EXPECT_EQ(ladder({7}), (std::vector<int>{14, 13, 12}));
    EXPECT_EQ(ladder({14}), (std::vector<int>{13, 12, 11}));
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
    AnalysisContext example;
    example.BoardCount = 3;
    example.FlushCoorRanks = {0, 4, 9, 13, 0, 0};
    EXPECT_EQ(flushLadder(example), (std::array<int, 7>{0, 14, 12, 11, 10, 8, 7}));
}

TEST(StrengthLadders, HeroFlushCardIsTheHigherSuitedHoleCardAndKeepsItsValueWithoutOne) {
    AnalysisContext ctx;
    ctx.FlushCoorSuit = 1;
    ctx.HoleRanks = {0, 7, 12};
    ctx.HeroFlushHigh = 9;
    readHeroFlushHigh(ctx);
    EXPECT_EQ(ctx.HeroFlushHigh, 9);
    ctx.HoleMatrix[1][7] = 1;
    readHeroFlushHigh(ctx);
    EXPECT_EQ(ctx.HeroFlushHigh, 7);
    ctx.HoleMatrix[1][12] = 1;
    readHeroFlushHigh(ctx);
    EXPECT_EQ(ctx.HeroFlushHigh, 12);
    ctx.HoleMatrix[1][7] = 0;
    ctx.HoleMatrix[1][14] = 1;
    ctx.HoleRanks = {0, 12, 14};
    readHeroFlushHigh(ctx);
    EXPECT_EQ(ctx.HeroFlushHigh, 14);
}

} // namespace
} // namespace tavolin
