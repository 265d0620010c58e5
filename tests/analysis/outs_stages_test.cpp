#include "analysis/outs.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

// The explanation as the outs step leaves it: lines joined by CR LF, the last one keeping only its CR.
std::string explanation(const std::vector<const char*>& lines) {
    if (lines.empty()) return "No Projects";
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    text.pop_back();
    return text;
}

struct OutsCase {
    const char* Hole;
    const char* Board;
    std::vector<const char*> Lines;
    float Outs;
};

void expectOuts(const std::vector<OutsCase>& cases) {
    for (const OutsCase& expected : cases) {
        SCOPED_TRACE(std::string(expected.Hole) + " on " + expected.Board);
        const AnalysisContext ctx = support::analysed(expected.Hole, expected.Board);
        EXPECT_EQ(ctx.OutsText, explanation(expected.Lines));
        EXPECT_EQ(ctx.Outs, expected.Outs);
    }
}

TEST(OutsPipeline, ThreeOfAKindOrBetterGetsTheFixedLine) {
    expectOuts({
        {"8h 8c", "8s Kd 3c", {"Hand already equal or better than three of a kind"}, 0.0f},
        // A straight with no flush project on the board, and a flush, which is better than its straight.
        {"5h 6c", "7h 8d 9c", {"Hand already equal or better than three of a kind"}, 0.0f},
        {"5h 6h", "7h 8h 9h", {"Hand already equal or better than three of a kind"}, 0.0f},
    });
}

TEST(OutsPipeline, FlopEquitiesAreComputedInSinglePrecision) {
    const AnalysisContext ctx = support::analysed("Ad Kc", "7s 4d 2h");
    EXPECT_EQ(ctx.OutsText, explanation({"2 Overcards and dry board (4 Outs)"}));
    EXPECT_EQ(ctx.Outs, 4.0f);
    const float nextCard = 1.0f - (47.0f - 4.0f) / 47.0f;
    const float allIn = 1.0f - ((47.0f - 4.0f) / 47.0f) * ((46.0f - 4.0f) / 46.0f);
    EXPECT_EQ(ctx.EquityNextCard, nextCard);
    EXPECT_EQ(ctx.EquityAllIn, allIn);
}

TEST(OutsPipeline, TurnEquityCountsOneCardAndLeavesTheNextCardEquityAlone) {
    const AnalysisContext ctx = support::analysed("Ad Kc", "7s 4d 2h 9s");
    EXPECT_EQ(ctx.Outs, 4.0f);
    EXPECT_EQ(ctx.EquityAllIn, 1.0f - (46.0f - 4.0f) / 46.0f);
    EXPECT_EQ(ctx.EquityNextCard, 0.0f);
}

// No real hand ends below zero (every deduction follows something it takes back), so the closing step
// is shown on a context where only the overcard-flush deduction can fire: a board pairing code under
// which neither the overcard, pair nor one-card flush rules pay.
TEST(OutsPipeline, NegativeTotalKeepsItsValueWithoutEquity) {
    AnalysisContext ctx = support::analysed("2h Kc", "Qh 8h 5h");
    ctx.BoardPairing = 3;
    estimateOuts(ctx);
    EXPECT_EQ(ctx.OutsText,
              explanation({"1 Flush card counted as overcard (-1 Out)", "No valid projects (Outs < 0)"}));
    EXPECT_EQ(ctx.Outs, -1.0f);
    EXPECT_EQ(ctx.EquityAllIn, 0.0f);
    EXPECT_EQ(ctx.EquityNextCard, 0.0f);
}

TEST(OutsPairStages, OvercardsPairsAndPocketPairs) {
    expectOuts({
        // Overcards, by coordination; extremely coordinated boards pay nothing for them.
        {"Ad 3c", "7s 4d Th", {"1 Overcard and dry board(2 Outs)"}, 2.0f},
        {"Ad Kc", "9s 8d 6h", {"2 Overcards and coordinated board (2 Outs)"}, 2.0f},
        {"Ad 2c", "9s 8d 6h", {"1 Overcard and coordinated board (1 Out)"}, 1.0f},
        {"Ad Kc", "9s 8d 7h 6c", {}, 0.0f},
        // Overcards still count next to a pair on the board.
        {"Ad Kc", "7s 7d 2h", {"2 Overcards and dry board (4 Outs)"}, 4.0f},
        // One pair with a hole card.
        {"Kc 7d", "7s 4d 2h", {"Set or DP project and dry board (4 Outs)"}, 4.0f},
        {"Kc 6d", "9s 8d 6h", {"Set or DP project and coordinated board (3 Outs)"}, 3.0f},
        {"Kc Jd", "Ks 8d 4h 5d", {"Set or DP project and coordinated board (3 Outs)"}, 3.0f},
        // Two pair with both hole cards.
        {"Kh 5d", "Kc 5s Th", {"Full project and dry board (4 Outs)"}, 4.0f},
        {"Kh 5d", "Kc 5s 7h 4c", {"Full project and coordinated board (4 Outs)"}, 4.0f},
        // A board pair below the hero's pair.
        {"Kh 3d", "Kc 5s 5h", {"Full project or higher double pair project and dry board (4 Outs)"}, 4.0f},
        {"Kh 9d", "9c 8s 8h 7d", {"Full project or higher double pair and coordinated board (3 Outs)"}, 3.0f},
        // A board pair above the hero's pair: the kicker decides.
        {"Ad 5c", "Kc Ks 5h", {"Full project or higher double pair project and dry board (2 Outs)"}, 2.0f},
        {"Qd 5c", "Kc Ks 5h", {"Full project and dry board (1 Out)"}, 1.0f},
        {"Ad 9c", "Kc Ks 9h Th", {"Full project and coordinated board (1 Out)"}, 1.0f},
        // Pocket pairs.
        {"6s 6h", "Kd Kc 2s", {"Pocket pair and pair on board. Full project (2 Outs)"}, 2.0f},
        {"6s 6h", "Kd Tc 2s", {"Pocket pair and dry board. Set project. (2 Outs)"}, 2.0f},
        {"2s 2h", "9d 8c 7s", {"Pocket pair and coordinated board. Set project (1 Out)"}, 1.0f},
        // Coordinated with a board pair: only a pocket pair above it draws to a full house.
        {"Qs Qh", "9d 8c 7s 8h", {"Pocket pair and pair on board. Full project (2 Outs)"}, 2.0f},
        {"2s 2h", "9d 8c 7s 8h", {}, 0.0f},
        // Extremely coordinated without a board pair: nothing.
        {"Qs Qh", "9d 8c 7s 6h", {}, 0.0f},
    });
}

TEST(OutsStraightStage, OpenClosedAndIdiotProjects) {
    expectOuts({
        // One-card projects.
        {"Ad 7d",
         "4s 5c 6h",
         {"2 Overcards and coordinated board (2 Outs)",
          "Open straight project with 1 card on hand and no pair or flush project on board (6 Outs)"},
         8.0f},
        {"Ad 7d",
         "3s 4c 5h",
         {"2 Overcards and coordinated board (2 Outs)",
          "Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)",
          "Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)",
          "Idiot straight (-2 Outs)"},
         6.0f},
        // The skip recorded at window 3-7 lands on A-5, open at its ace end: a lower open project.
        {"2d 7d",
         "3s 4c 5h",
         {"1 Overcard and coordinated board (1 Out)",
          "Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)",
          "Lower open straight project with 1 card on hand and no pair or flush project on board (3 Outs)"},
         7.0f},
        // Two-card projects and the idiot deduction.
        {"4d 6d",
         "3s 5c 8h",
         {"Closed straight project with 2 cards on hand and no pair or flush project on board (4 Outs)",
          "Lower open straight project with 2 cards on hand and no pair or flush project on board (4 Outs)"},
         8.0f},
        {"4d 6d",
         "5s 7c 9h Td",
         {"Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)",
          "Lower open straight project with 2 cards on hand and no pair or flush project on board (4 Outs)",
          "Idiot straight (-2 Outs)"},
         5.0f},
        {"5d 6d",
         "4s 8c 9h Td",
         {"Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)",
          "Idiot straight (-2 Outs)"},
         1.0f},
        // 5-9 records the gap at 8; window 3-7 (no hole card) keeps that skip, so 2-6 is never examined.
        {"2h 9c",
         "7h 4c 6s 5d",
         {"Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)"},
         3.0f},
        // The top window is never an idiot straight.
        {"5s Tc",
         "Kc Ac Jh",
         {"Closed straight project with 1 card on hand and pair or flush project on board (2.5 Outs)"},
         2.5f},
        // The sweep stops behind a higher board project or a four-flush board.
        {"Kc 2d", "9s 8c 6h 5d", {"Higher closed straight project with 1 card on board (0 Outs)"}, 0.0f},
        {"5c 6d", "7h 8h Kh 2h", {"Straight project and extremely coordinated flush board(0 Outs)"}, 0.0f},
        // The idiot deduction needs two outs.
        // Window 4-8 sets the idiot flag, but the four-flush board ends the sweep with the single pair out.
        {"4c Kd",
         "5h 6h 7h Kh",
         {"Set or DP project and extremely coordinated board (1 Out)",
          "Straight project and extremely coordinated flush board(0 Outs)"},
         1.0f},
        // Board classes lower the amount.
        {"6c 7d",
         "8s 9s 2h",
         {"Open straight project with 2 cards on hand and pair or flush project on board (6 Outs)"},
         6.0f},
        {"6c 7d",
         "8s 9h 2h 2s",
         {"Open straight project with 2 cards on hand and pair and flush project or 3 suited cards on board "
          "(4 Outs)"},
         4.0f},
        {"6c 7d",
         "8s 8h 9c 9d",
         {"Open straight project with 2 cards on hand and pair and double pair or three of a kind on board "
          "(3 Outs)"},
         3.0f},
        {"6c 8d",
         "5s 5h 9c 9d",
         {"Closed straight project with 2 cards on hand and and double pair or set on board on board "
          "(1.5 Outs)"},
         1.5f},
        {"Kc 7d",
         "8s 9s 5h",
         {"1 Overcard and coordinated board (1 Out)",
          "Closed straight project with 1 card on hand and pair or flush project on board (2.5 Outs)"},
         3.5f},
        // 4-8 holds only the four below the board's 5-6-7 and three clubs lie on the board.
        {"4d Kh",
         "5c 6c 7c",
         {"1 Overcard and coordinated board (1 Out)",
          "Open straight project with 1 card on hand and pair and flush project or 3 suited cards on board "
          "(3 Outs)",
          "Idiot straight (-2 Outs)"},
         2.0f},
    });
}

TEST(OutsFlushStage, TwoCardAndOneCardDraws) {
    expectOuts({
        // Two-card draws.
        {"7h 5h", "Kh 9h 2c", {"Flush project with 2 cards on hand and no pair on board (9 Outs)"}, 9.0f},
        {"7h 5h", "Kh 9h 9c", {"Flush project with 2 cards on hand and pair on board (7 Outs)"}, 7.0f},
        {"7h 5h",
         "Kh 9h 9c Kc",
         {"Flush project with 2 cards on hand and DP or set on board (4 Outs)"},
         4.0f},
        // One-card draws count the higher unseen cards.
        {"Ad Kc",
         "Qd 8d 2d",
         {"2 Overcards and coordinated board (2 Outs)", "1 Flush card counted as overcard (-1 Out)",
          "Flush project with one card on hand (9 outs - 0 higher cards = 9 Outs)"},
         10.0f},
        {"Jh 3c",
         "Kh 7h 7s 2h",
         {"Flush project with one card on hand and pair on board (7 outs - 2 higher cards = 5 Outs)"},
         5.0f},
        // Nine hearts above the deuce are unseen: nothing left, and never less than nothing.
        {"2h 9c",
         "Kh 8h 5h",
         {"Flush project with one card on hand (9 outs - 9 higher cards = 0 Outs)"},
         0.0f},
        {"2h 9c",
         "Kh 8h 5h 5c",
         {"Flush project with one card on hand and pair on board (7 outs - 9 higher cards = 0 Outs)"},
         0.0f},
        // A pocket pair is no overcard to take back.
        {"Th Tc",
         "3c 4c 9c",
         {"Pocket pair and coordinated board. Set project (1 Out)",
          "Flush project with one card on hand (9 outs - 4 higher cards = 5 Outs)"},
         6.0f},
        // A one-card draw on a two-pair board adds nothing.
        {"Ah Qc", "Kh Ks 5h 5c", {}, 0.0f},
        // Flush cards of an open straight project count once.
        {"6h 7h",
         "8h 9h 2c Kc",
         {"Open straight project with 2 cards on hand and pair or flush project on board (6 Outs)",
          "Flush project with 2 cards on hand and no pair on board (9 Outs)",
          "Flush cards counted as straight cards in an open straight project(-2 outs)"},
         13.0f},
        // A made straight keeps its flush draw.
        {"5h 6h", "7h 8h 9c", {"Flush project with 2 cards on hand no pair on board (9 Outs)"}, 9.0f},
        {"5h 6h", "7h 8h 9c 9d", {"Flush project with 2 cards on hand and pair on board (7 Outs)"}, 7.0f},
        // The flush project belongs to another suit than the hero's: no line at all.
        {"5c 6d", "7h 8h 9c", {}, 0.0f},
    });
}

} // namespace
} // namespace tavolin
