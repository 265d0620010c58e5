#include "analysis/analyse_hand.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::analysed;

// The hole cards play no part in the texture; any two cards off the board will do.
std::string textureOf(const std::string& board) {
    std::string hole;
    for (const char* card : {"2s", "3d", "4c", "5h", "6s"}) {
        if (board.find(card) == std::string::npos && hole.size() < 5)
            hole += (hole.empty() ? "" : " ") + std::string(card);
    }
    return analysed(hole, board).BoardTexture;
}

TEST(Texture, DryBoardsAndFlushProjects) {
    EXPECT_EQ(textureOf("Ks 7d 2c"), "DRY");
    EXPECT_EQ(textureOf("Ks 7s 2c"), "DRY FLUSH PROJECT");
    EXPECT_EQ(textureOf("Ks 7s 2c 3c"), "DRY TWO FLUSH PROJECTS"); // no five ranks hold three of K 7 3 2
    EXPECT_EQ(textureOf("Ks 7s 2c 3d 8h"), "DRY");                 // no projects on the river
}

TEST(Texture, StraightCoordinationCountsTheAceAtBothEnds) {
    EXPECT_EQ(textureOf("9h 8d 7c"), "COOR STRAIGHT");
    EXPECT_EQ(textureOf("9h 8d 7c 6s"), "EXTR COOR STRAIGHT");
    EXPECT_EQ(textureOf("Ah 2d 3c"), "COOR STRAIGHT");
    EXPECT_EQ(textureOf("Qh Kd Ac"), "COOR STRAIGHT");
    EXPECT_EQ(textureOf("Kh Ad 2c"), "DRY"); // K-A-2 does not wrap round
    EXPECT_EQ(textureOf("9h 8d 7c 6s 5h"), "EXTR COOR STRAIGHT");
}

TEST(Texture, FlushCoordinationAndItsRanks) {
    const AnalysisContext flop = analysed("Jc Td", "Kh 9h 4h");
    EXPECT_EQ(flop.BoardTexture, "COOR FLUSH");
    EXPECT_EQ(flop.FlushCoor, 1);
    EXPECT_EQ(flop.FlushCoorSuit, 2);
    EXPECT_EQ(flop.FlushCoorRanks, (std::array<int, 6>{0, 4, 9, 13, 0, 0}));
    EXPECT_EQ(flop.FlushProjects, 0);

    const AnalysisContext river = analysed("Jc Td", "Kh 9h 4h 2h 7c");
    EXPECT_EQ(river.BoardTexture, "EXTR COOR FLUSH");
    EXPECT_EQ(river.FlushCoor, 2);
    EXPECT_EQ(river.FlushCoorRanks, (std::array<int, 6>{0, 0, 2, 4, 9, 13}));

    const AnalysisContext allFive = analysed("Jc Td", "Ad 9d 4d 2d 7d");
    EXPECT_EQ(allFive.FlushCoor, 3);
    EXPECT_EQ(allFive.FlushCoorSuit, 4);
    EXPECT_EQ(allFive.FlushCoorRanks, (std::array<int, 6>{0, 2, 4, 7, 9, 14}));
    EXPECT_EQ(allFive.Coordination, 3);

    EXPECT_EQ(textureOf("Kh 9h 4h 4c"), "COOR FLUSH + PAIR"); // a suit of three leaves no project to count
}

TEST(Texture, BothCoordinationsNameTheFlushFirst) {
    EXPECT_EQ(textureOf("8h 9h Th Jc"), "COOR FLUSH EXTR COOR STRAIGHT");
    EXPECT_EQ(textureOf("8h 9h Tc"), "COOR STRAIGHT FLUSH PROJECT");
    EXPECT_EQ(textureOf("8h 9h Th"), "COOR FLUSH COOR STRAIGHT");
    EXPECT_EQ(textureOf("8h 9h Th Jh"), "EXTR COOR FLUSH EXTR COOR STRAIGHT");
    EXPECT_EQ(textureOf("8h 9h Th 2h"), "EXTR COOR FLUSH COOR STRAIGHT");
    EXPECT_EQ(textureOf("8h 9h Th Jh Qh"), "EXTR COOR FLUSH EXTR COOR STRAIGHT");
}

TEST(Texture, BoardPairingSuffixes) {
    EXPECT_EQ(textureOf("8s 8d 3c"), "DRY + PAIR");
    EXPECT_EQ(textureOf("8s 8d 3c 3h"), "DRY + DP");
    EXPECT_EQ(textureOf("8s 8d 8c 3h 3d"), "DRY + FULL");
    EXPECT_EQ(textureOf("8s 8d 8c 8h"), "DRY + POKER");
    EXPECT_EQ(textureOf("8s 8d 8c"), "DRY + SET");
    EXPECT_EQ(textureOf("8s 8d 8c 8h 3d"), "DRY + POKER");
    EXPECT_EQ(textureOf("8s 8d 3c 3h Kd"), "DRY + DP");
    EXPECT_EQ(textureOf("8s 8d 3c Kh"), "DRY + PAIR");
    EXPECT_EQ(textureOf("8s 8h 3s Kh"), "DRY TWO FLUSH PROJECTS + PAIR"); // projects come before the pairing
}

TEST(Texture, WindowsKeepTheHighestMatch) {
    const AnalysisContext ctx = analysed("Kc Kd", "4h 5d 6c 8s 9h");
    EXPECT_EQ(ctx.StraightCoor, 2);        // 4-5-6-8 and 5-6-8-9 each miss one rank
    EXPECT_EQ(ctx.StraightWindows[1], 9);  // 5..9
    EXPECT_EQ(ctx.StraightWindows[2], 10); // 6..T
    EXPECT_EQ(ctx.SuitedStraightWindows[1], 0);
    EXPECT_EQ(ctx.SuitedStraightWindows[2], 0);

    const AnalysisContext suited = analysed("Kc Kd", "4h 5h 7h Jh 2c");
    EXPECT_EQ(suited.SuitedStraightWindows[1], 0);
    EXPECT_EQ(suited.SuitedStraightWindows[2], 8); // 4-5-7 within 4..8; nothing else of hearts three apart
    EXPECT_EQ(analysed("Kc Kd", "2h 3h 4h 5h 9d").SuitedStraightWindows[1], 6);

    const AnalysisContext straight = analysed("Kc Kd", "Th Jd Qc 9s 8h");
    EXPECT_EQ(straight.StraightCoor, 3); // a straight on the board
    EXPECT_EQ(straight.Coordination, 3);
    EXPECT_EQ(straight.BoardTexture, "EXTR COOR STRAIGHT");
}

TEST(Texture, ReportPrintsTheBoardLine) {
    std::string board = "Ks 7s 2c";
    const std::string report = analyseHand("Ad 7d", board, "", "", "", "", 0, 0, false);
    EXPECT_NE(report.find("\r\nBoard: DRY FLUSH PROJECT\r\n"), std::string::npos) << report;
}

} // namespace
} // namespace tavolin
