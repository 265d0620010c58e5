#include "analysis/analyse_hand.h"
#include "analysis/report.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

// A context as the earlier steps would leave it: a flop with eight outs and a weak label.
AnalysisContext flopWithEightOuts() {
    AnalysisContext ctx;
    ctx.BoardCount = 3;
    ctx.MadeHandName = "High A";
    ctx.BoardTexture = "COOR STRAIGHT";
    ctx.StrengthLabel = "WEAK: HIGH CARD A";
    ctx.Outs = 8.0f;
    ctx.OutsText = "Open straight project (8 Outs)\r";
    ctx.EquityAllIn = 1.0f - ((47.0f - 8.0f) / 47.0f) * ((46.0f - 8.0f) / 46.0f);
    ctx.EquityNextCard = 1.0f - (47.0f - 8.0f) / 47.0f;
    return ctx;
}

AnalysisArguments amounts(std::string_view pot, std::string_view heroBet, std::string_view villainBet,
                          std::string_view stack, int preflop = 0, std::string_view separator = ".") {
    return {pot, heroBet, villainBet, stack, preflop, 1, false, separator};
}

TEST(Report, WorkedFlopExampleLineByLine) {
    AnalysisContext ctx = flopWithEightOuts();
    EXPECT_EQ(writeReport(ctx, amounts("100", "0", "50", "500")), "Hand: High A\r\n"
                                                                  "Board: COOR STRAIGHT\r\n"
                                                                  "Strength: WEAK: HIGH CARD A\r\n"
                                                                  "Outs: 8\r\n"
                                                                  "Open straight project (8 Outs)\r\r\n"
                                                                  "PER(AI): 31.5% PER(+1Card): 17.0%\r\n"
                                                                  "PME(AI): 45.5% PME(+1Card): 25.0%\r\n"
                                                                  "SPR: 5.00 (No committed)\r\n");
    EXPECT_EQ(ctx.Commitment, "No committed");
}

TEST(Report, PerAndPmeLinesDependOnTheStreet) {
    AnalysisContext turn = flopWithEightOuts();
    turn.BoardCount = 4;
    const std::string turnReport = writeReport(turn, amounts("100", "0", "50", "500"));
    EXPECT_NE(turnReport.find("PER(AI): 31.5%\r\nPME(AI): 45.5% PME(+1Card): 25.0%\r\n"), std::string::npos);

    AnalysisContext river = flopWithEightOuts();
    river.BoardCount = 5;
    river.EquityAllIn = 0.0f;
    river.EquityNextCard = 0.0f;
    const std::string riverReport = writeReport(river, amounts("100", "0", "50", "500"));
    EXPECT_NE(riverReport.find("PER(AI): 0.0%\r\nPME(AI): 45.5%\r\nSPR: 5.00"), std::string::npos);
    EXPECT_EQ(riverReport.find("+1Card"), std::string::npos);
}

TEST(Report, WithoutSensibleAmountsTheReportEndsAtThePercentage) {
    // The bad-input table covers the other kinds of unusable amounts.
    const std::vector<std::array<std::string_view, 4>> unusable{
        {"", "0", "50", "500"},
        {"0.5", "0", "50", "500"},
        {"32767.5", "0", "50", "500"},
    };
    for (const auto& [pot, hero, villain, stack] : unusable) {
        AnalysisContext ctx = flopWithEightOuts();
        const std::string report = writeReport(ctx, amounts(pot, hero, villain, stack));
        EXPECT_TRUE(report.ends_with("PER(+1Card): 17.0%"))
            << pot << "|" << hero << "|" << villain << "|" << stack;
        EXPECT_EQ(ctx.Commitment, "0");
    }
}

// The SPR line of a report for the given amounts, or "" when the block is left out.
std::string sprLine(std::string_view pot, std::string_view heroBet, std::string_view villainBet,
                    std::string_view stack, std::string_view separator = ".") {
    AnalysisContext ctx = flopWithEightOuts();
    const std::string report = writeReport(ctx, amounts(pot, heroBet, villainBet, stack, 0, separator));
    const auto at = report.find("SPR: ");
    return at == std::string::npos ? "" : report.substr(at, report.find(' ', at + 5) - at);
}

TEST(Report, AmountsAreReadAsAPlayerTypesThem) {
    EXPECT_EQ(sprLine("100", "0", "50", "500"), "SPR: 5.00");
    EXPECT_EQ(sprLine(" 1 0 0 ", "", "", "5 0 0"), "SPR: 5.00"); // blanks anywhere; empty bets read 0
    EXPECT_EQ(sprLine("+4", "1", "0", "7abc"), "SPR: 2.00");     // digits then letters read the digits
    EXPECT_EQ(sprLine("- 4", "0", "0", "7"), "");                // a sign, then blanks, then digits
    EXPECT_EQ(sprLine("100", "50", "0", "450"), "SPR: 5.00");    // the hero's bet joins the stack
}

TEST(Report, PotIsRoundedToAWholeNumberWithTiesToEven) {
    EXPECT_EQ(sprLine("2.5", "0", "0", "10"), "SPR: 5.00"); // 2.5 → 2
    EXPECT_EQ(sprLine("3.5", "0", "0", "10"), "SPR: 2.50"); // 3.5 → 4
    EXPECT_EQ(sprLine("4.4", "0", "0", "10"), "SPR: 2.50");
    EXPECT_EQ(sprLine("1.5", "0", "0", "10"), "SPR: 5.00"); // 1.5 → 2
    EXPECT_EQ(sprLine("32767.4", "0", "0", "32767"), "SPR: 1.00");
}

TEST(Report, TwoDecimalsRoundHalfAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(sprLine("8", "0", "0", "9"), "SPR: 1.13"); // 9/8 = 1.125 exactly
    EXPECT_EQ(sprLine("8", "0", "0", "1"), "SPR: 0.13"); // 0.125 exactly
    EXPECT_EQ(sprLine("3", "0", "0", "2"), "SPR: 0.67");
}

TEST(Report, VillainBetIsCappedAtTheStackForTheNextCardOnly) {
    AnalysisContext ctx = flopWithEightOuts();
    const std::string report = writeReport(ctx, amounts("100", "20", "900", "300"));
    // PME(AI) = 300 / (100 + 2·320) = 40.5 %; the call is 300: 300 / 700 = 42.9 %; SPR 320 / 100.
    EXPECT_NE(report.find("PME(AI): 40.5% PME(+1Card): 42.9%\r\nSPR: 3.20"), std::string::npos);
}

TEST(Report, DecimalSeparatorIsTheCallers) {
    AnalysisContext ctx = flopWithEightOuts();
    ctx.Outs = 8.5f;
    const std::string report = writeReport(ctx, amounts("100", "0", "50", "500", 0, ","));
    EXPECT_NE(report.find("Outs: 8,5\r\n"), std::string::npos);
    EXPECT_NE(report.find("PER(AI): 31,5% PER(+1Card): 17,0%"), std::string::npos);
    EXPECT_NE(report.find("PME(AI): 45,5% PME(+1Card): 25,0%\r\nSPR: 5,00 (No committed)\r\n"),
              std::string::npos);
    EXPECT_EQ(report.find('.'), std::string::npos);
}

TEST(Report, HugeAmountsNeverPrintInfinityOrNotANumber) {
    const std::string huge = "3" + std::string(38, '0'); // just below the largest float
    const std::string enormous = "1" + std::string(400, '0');
    for (const auto& [hero, villain, stack] : std::vector<std::array<std::string, 3>>{
             {huge, huge, huge}, {"0", enormous, "5"}, {enormous, "0", "5"}, {"0", "0", huge}}) {
        AnalysisContext ctx = flopWithEightOuts();
        const std::string report = writeReport(ctx, amounts("1", hero, villain, stack));
        EXPECT_EQ(report.find("inf"), std::string::npos) << report;
        EXPECT_EQ(report.find("nan"), std::string::npos) << report;
    }
}

// Commitment bounds: the last SPR that still gets each verdict, per label prefix and preflop column.
struct CommitmentCase {
    std::string_view Label;
    int Preflop;
    float Spr;
    std::string_view Verdict;
};

TEST(Commitment, EveryBoundIsInclusiveAndTheNextFloatAboveFallsThrough) {
    const std::string_view H = "Happily committed";
    const std::string_view S = "Sadly committed";
    const std::string_view N = "No committed";
    const std::vector<CommitmentCase> bounds{
        {"WEAK: PAIR", 0, 0.5f, S},
        {"WEAK: PAIR", 1, 1.0f, S},
        {"WEAK: PAIR", 2, 0.5f, H},
        {"WEAK: PAIR", 2, 5.0f, S},
        {"WEAK: PAIR", 3, 5.0f, S},
        {"MEDIUM: TOP PAIR", 0, 0.5f, H},
        {"MEDIUM: TOP PAIR", 0, 3.0f, S},
        {"MEDIUM: TOP PAIR", 1, 2.0f, H},
        {"MEDIUM: TOP PAIR", 1, 5.0f, S},
        {"MEDIUM: TOP PAIR", 2, 5.0f, H},
        {"MEDIUM: TOP PAIR", 3, 8.0f, S},
        {"STRONG: SET", 0, 4.0f, H},
        {"STRONG: SET", 0, 8.0f, S},
        {"STRONG: SET", 1, 6.0f, H},
        {"STRONG: SET", 1, 15.0f, S},
        {"STRONG: SET", 2, 15.0f, H},
        {"STRONG: SET", 3, 35.0f, S},
        {"VERY STRONG: SET", 0, 15.0f, H},
        {"VERY STRONG: SET", 1, 20.0f, H},
        {"NUTS ON HAND: POKER", 0, 15.0f, H},
        {"NUTS ON BOARD: POKER", 1, 20.0f, H},
    };
    // What follows each bound, just above it.
    const std::vector<std::string_view> beyond{N, N, S, N, N, S, N, S, N, S, N, S, N, S, N, S, N, S, S, S, S};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        const auto& c = bounds[i];
        EXPECT_EQ(commitmentVerdict(c.Label, c.Preflop, c.Spr), c.Verdict) << c.Label << " " << c.Preflop;
        EXPECT_EQ(commitmentVerdict(c.Label, c.Preflop, std::nextafter(c.Spr, 100.0f)), beyond[i])
            << c.Label << " " << c.Preflop << " above " << c.Spr;
    }
}

TEST(Commitment, FixedVerdictsAndLabelsOutsideTheTable) {
    for (int preflop : {-1, 0, 1, 2, 3, 99}) {
        for (float spr : {0.0f, 0.5f, 3.0f, 40.0f, 1e30f}) {
            EXPECT_EQ(commitmentVerdict("NOTHING", preflop, spr), "No committed");
            EXPECT_EQ(commitmentVerdict("NOTHING: TOP PAIR", preflop, spr), "No committed");
            EXPECT_EQ(commitmentVerdict("", preflop, spr), "0");
            EXPECT_EQ(commitmentVerdict("MAX FLUSH", preflop, spr), "0");
            if (preflop >= 2 && preflop <= 3) {
                EXPECT_EQ(commitmentVerdict("VERY STRONG: POKER", preflop, spr), "Happily committed");
                EXPECT_EQ(commitmentVerdict("NUTS ON BOARD: POKER", preflop, spr), "Happily committed");
            }
            if (preflop < 0 || preflop > 3) {
                EXPECT_EQ(commitmentVerdict("WEAK: PAIR", preflop, spr), "0");
            }
        }
    }
    EXPECT_EQ(commitmentVerdict("VERY STRONG: SET", 0, 16.0f), "Sadly committed");
}

// The count of better villain holdings closes the report only when asked for.
TEST(AnalyseHand, VillainCountLineEndsTheReport) {
    const auto report = [](const std::string& hole, std::string board, const std::string& pot, bool count) {
        return analyseHand(hole, board, pot, "0", "50", "500", 0, 1, count);
    };
    // After the SPR line, which ends with its own line end, an empty line stands before the count.
    EXPECT_TRUE(report("2c 3d", "As Ks Qs Js Ts", "100", true)
                    .ends_with("(Happily committed)\r\n\r\nBetter Villain Hands: 0/990=0.00%"));
    EXPECT_TRUE(report("3c 4d", "7s 7h 7c 2d 2s", "100", true)
                    .ends_with(")\r\n\r\nBetter Villain Hands: 105/990=10.61%"));
    // Without the amounts block the count follows the PER line directly.
    EXPECT_TRUE(report("As Ks", "Qs Js Ts", "", true).ends_with("%\r\nBetter Villain Hands: 0/1081=0.00%"));
    EXPECT_TRUE(
        report("Kd 2s", "Ks Kh 7c 2d", "", true).ends_with("%\r\nBetter Villain Hands: 3/1035=0.29%"));
    EXPECT_EQ(report("Kd 2s", "Ks Kh 7c 2d", "100", false).find("Better Villain Hands"), std::string::npos);
}

} // namespace
} // namespace tavolin
