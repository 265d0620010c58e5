// The texture of every flop, and of a sample of turns and rivers, against a separate count of suits, rank
// windows and pairs.

#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

// Checks the "Board: " line and the coordination counts the strength rules read.
void checkBoard(const std::vector<int>& board) {
    const int n = static_cast<int>(board.size());
    std::array<int, 4> suits{};
    std::array<int, 15> ranks{}; // by rank 2..14
    for (int card : board) {
        ++suits[static_cast<std::size_t>(card / 13)];
        ++ranks[static_cast<std::size_t>(2 + card % 13)];
    }
    // Distinct ranks in the fullest five-rank window (ace high or low), and the top of the highest window
    // holding four and three ranks; then the same for one suit, and the ranks of a suit with three or more.
    int mostInWindow = 0;
    std::array<int, 3> windows{};
    std::array<int, 3> suitedWindows{};
    std::array<int, 6> flushRanks{};
    for (int suit = -1; suit < 4; ++suit) {
        std::array<bool, 15> held{};
        for (int card : board) {
            if (suit < 0 || card / 13 == suit) held[static_cast<std::size_t>(2 + card % 13)] = true;
        }
        held[1] = held[14];
        for (int low = 1; low <= 10; ++low) {
            const auto inWindow = std::count(held.begin() + low, held.begin() + low + 5, true);
            std::array<int, 3>& top = suit < 0 ? windows : suitedWindows;
            if (inWindow == 4 || inWindow == 3) top[static_cast<std::size_t>(5 - inWindow)] = low + 4;
            if (suit < 0) mostInWindow = std::max(mostInWindow, static_cast<int>(inWindow));
        }
        if (suit >= 0 && suits[static_cast<std::size_t>(suit)] >= 3) {
            std::size_t position = board.size();
            for (int rank = 14; rank >= 2; --rank) {
                if (held[static_cast<std::size_t>(rank)]) flushRanks[position--] = rank;
            }
        }
    }
    const int mostOfASuit = *std::max_element(suits.begin(), suits.end());
    const int flushCoor = std::max(mostOfASuit - 2, 0);
    const int straightCoor = std::max(mostInWindow - 2, 0);

    std::vector<std::string> parts;
    if (flushCoor > 0) parts.push_back(flushCoor == 1 ? "COOR FLUSH" : "EXTR COOR FLUSH");
    if (straightCoor > 0) parts.push_back(straightCoor == 1 ? "COOR STRAIGHT" : "EXTR COOR STRAIGHT");
    std::string expected = parts.empty() ? "DRY" : parts.size() == 1 ? parts[0] : parts[0] + " " + parts[1];
    const auto twoOfASuit = std::count(suits.begin(), suits.end(), 2);
    if (flushCoor == 0 && n < 5 && twoOfASuit > 0)
        expected += twoOfASuit == 1 ? " FLUSH PROJECT" : " TWO FLUSH PROJECTS";
    const auto pairs = std::count(ranks.begin(), ranks.end(), 2);
    const auto triples = std::count(ranks.begin(), ranks.end(), 3);
    if (std::count(ranks.begin(), ranks.end(), 4) > 0)
        expected += " + POKER";
    else if (triples > 0)
        expected += pairs > 0 ? " + FULL" : " + SET";
    else if (pairs > 0)
        expected += pairs >= 2 ? " + DP" : " + PAIR";

    // Any two cards off the board will do for the hero: they play no part in the texture.
    std::vector<int> hole;
    for (int card = 0; hole.size() < 2; ++card)
        if (std::find(board.begin(), board.end(), card) == board.end()) hole.push_back(card);
    const AnalysisContext ctx = support::analysed(support::cardsText(hole), support::cardsText(board));
    SCOPED_TRACE("board " + support::cardsText(board));
    EXPECT_EQ(ctx.BoardTexture, expected);
    EXPECT_EQ(ctx.FlushCoor, flushCoor);
    EXPECT_EQ(ctx.StraightCoor, straightCoor);
    EXPECT_EQ(ctx.StraightWindows, windows);
    EXPECT_EQ(ctx.SuitedStraightWindows, suitedWindows);
    EXPECT_EQ(ctx.FlushCoorRanks, flushRanks);
}

TEST(Texture, EveryFlop) {
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52 && !HasFailure(); ++c)
                checkBoard({a, b, c});
        }
    }
}

TEST(Texture, SampledTurnsAndRivers) {
    std::mt19937 random(31u);
    for (int sample = 0; sample < 40000 && !HasFailure(); ++sample)
        checkBoard(support::dealt(random, 4 + sample % 2));
}

} // namespace
} // namespace tavolin
