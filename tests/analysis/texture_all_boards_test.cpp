// The texture of every flop, and of a sample of turns and rivers, against a separate count of suits,
// rank windows and pairs.

#include "analysis/analyse_hand.h"
#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::cardsText;

struct BoardCounts {
    std::array<int, 4> Suits{};
    std::array<int, 15> Ranks{}; // by rank 2..14
    int MostInWindow = 0;        // distinct ranks in the fullest five-rank window, ace high or low
    int TopWindowOfFour = 0;     // top rank of the highest window holding exactly four ranks
    int TopWindowOfThree = 0;
    std::array<int, 3> SuitedWindows{}; // the same for one suit: [1] four ranks, [2] three
    std::array<int, 6> FlushRanks{};    // ranks of a suit with three or more cards, ascending, ending at [n]
};

BoardCounts countBoard(const std::vector<int>& board) {
    BoardCounts counts;
    for (int card : board) {
        ++counts.Suits[static_cast<std::size_t>(card / 13)];
        ++counts.Ranks[static_cast<std::size_t>(2 + card % 13)];
    }
    for (int low = 1; low <= 10; ++low) {
        int distinct = 0;
        for (int rank = low; rank < low + 5; ++rank) {
            if (counts.Ranks[static_cast<std::size_t>(rank == 1 ? 14 : rank)] > 0) ++distinct;
        }
        counts.MostInWindow = std::max(counts.MostInWindow, distinct);
        if (distinct == 4) counts.TopWindowOfFour = low + 4;
        if (distinct == 3) counts.TopWindowOfThree = low + 4;
    }
    // Only one suit can hold three cards of a window, so the order of the suits does not matter here.
    for (int suit = 0; suit < 4; ++suit) {
        std::array<bool, 15> held{};
        for (int card : board) {
            if (card / 13 == suit) held[static_cast<std::size_t>(2 + card % 13)] = true;
        }
        held[1] = held[14];
        for (int low = 1; low <= 10; ++low) {
            const auto inWindow = std::count(held.begin() + low, held.begin() + low + 5, true);
            if (inWindow == 4) counts.SuitedWindows[1] = low + 4;
            if (inWindow == 3) counts.SuitedWindows[2] = low + 4;
        }
        if (counts.Suits[static_cast<std::size_t>(suit)] >= 3) {
            std::size_t position = board.size();
            for (int rank = 14; rank >= 2; --rank) {
                if (held[static_cast<std::size_t>(rank)]) counts.FlushRanks[position--] = rank;
            }
        }
    }
    return counts;
}

std::string expectedTexture(const BoardCounts& counts, int boardCount) {
    const int mostOfASuit = *std::max_element(counts.Suits.begin(), counts.Suits.end());
    std::vector<std::string> parts;
    if (mostOfASuit == 3) parts.push_back("COOR FLUSH");
    if (mostOfASuit >= 4) parts.push_back("EXTR COOR FLUSH");
    if (counts.MostInWindow == 3) parts.push_back("COOR STRAIGHT");
    if (counts.MostInWindow >= 4) parts.push_back("EXTR COOR STRAIGHT");
    std::string text = parts.empty() ? "DRY" : parts.size() == 1 ? parts[0] : parts[0] + " " + parts[1];

    if (mostOfASuit < 3 && boardCount < 5) {
        const auto twoOfASuit = std::count(counts.Suits.begin(), counts.Suits.end(), 2);
        if (twoOfASuit == 1) text += " FLUSH PROJECT";
        if (twoOfASuit == 2) text += " TWO FLUSH PROJECTS";
    }

    const auto pairs = std::count(counts.Ranks.begin(), counts.Ranks.end(), 2);
    const auto triples = std::count(counts.Ranks.begin(), counts.Ranks.end(), 3);
    const auto fours = std::count(counts.Ranks.begin(), counts.Ranks.end(), 4);
    if (fours > 0)
        text += " + POKER";
    else if (triples > 0 && pairs > 0)
        text += " + FULL";
    else if (triples > 0)
        text += " + SET";
    else if (pairs >= 2)
        text += " + DP";
    else if (pairs == 1)
        text += " + PAIR";
    return text;
}

// Two cards off the board for the hero; they play no part in the texture.
std::vector<int> holeOffBoard(const std::vector<int>& board) {
    std::vector<int> hole;
    for (int card = 0; hole.size() < 2; ++card) {
        if (std::find(board.begin(), board.end(), card) == board.end()) hole.push_back(card);
    }
    return hole;
}

// Checks the "Board: " line and the coordination counts.
void checkBoard(const std::vector<int>& board) {
    const BoardCounts counts = countBoard(board);
    const int n = static_cast<int>(board.size());
    const std::string expected = expectedTexture(counts, n);
    std::string boardText = cardsText(board);
    AnalysisContext ctx;
    const std::string report =
        analyseHand(ctx, cardsText(holeOffBoard(board)), boardText, AnalysisArguments{});
    const std::size_t lineStart = report.find("\r\n") + 2;
    const std::string line = report.substr(lineStart, report.find("\r\n", lineStart) - lineStart);

    const int mostOfASuit = *std::max_element(counts.Suits.begin(), counts.Suits.end());
    const bool dry = mostOfASuit < 3 && counts.MostInWindow < 3;
    const int flushCoor = mostOfASuit >= 3 ? mostOfASuit - 2 : 0;
    const int straightCoor = counts.MostInWindow >= 3 ? counts.MostInWindow - 2 : 0;
    const std::string where = "board " + boardText;
    EXPECT_EQ(line, "Board: " + expected) << where;
    EXPECT_EQ(ctx.BoardTexture.starts_with("DRY"), dry) << where;
    EXPECT_EQ(ctx.FlushCoor, flushCoor) << where;
    EXPECT_EQ(ctx.StraightCoor, straightCoor) << where;
    EXPECT_EQ(ctx.Coordination, std::max(flushCoor, straightCoor)) << where;
    EXPECT_EQ(ctx.StraightWindows[1], counts.TopWindowOfFour) << where;
    EXPECT_EQ(ctx.StraightWindows[2], counts.TopWindowOfThree) << where;
    EXPECT_EQ(ctx.SuitedStraightWindows, counts.SuitedWindows) << where;
    EXPECT_EQ(ctx.FlushCoorRanks, counts.FlushRanks) << where;
}

// Stops at the first board that fails.
TEST(TextureAllBoards, EveryFlop) {
    int boards = 0;
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52 && !HasFailure(); ++c) {
                ++boards;
                checkBoard({a, b, c});
            }
        }
    }
    EXPECT_EQ(boards, 22100);
}

TEST(TextureAllBoards, SampledTurnsAndRivers) {
    std::mt19937 random(31u);
    for (int boardCount = 4; boardCount <= 5; ++boardCount) {
        for (int sample = 0; sample < 20000 && !HasFailure(); ++sample) {
            std::vector<int> board;
            while (static_cast<int>(board.size()) < boardCount) {
                const int card = static_cast<int>(random() % 52u);
                if (std::find(board.begin(), board.end(), card) == board.end()) board.push_back(card);
            }
            checkBoard(board);
        }
    }
}

} // namespace
} // namespace tavolin
