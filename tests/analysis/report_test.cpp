// The report's text: one worked example line by line, and a digest of thousands of reports that keeps every
// byte as it is.

#include "analysis/number_format.h"
#include "analysis/report.h"
#include "tests/analysis/analysis_test_support.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(Report, WorkedFlopExampleLineByLine) {
    AnalysisContext ctx;
    ctx.BoardCount = 3;
    ctx.MadeHandName = "High A";
    ctx.BoardTexture = "COOR STRAIGHT";
    ctx.StrengthLabel = "WEAK: HIGH CARD A";
    ctx.Outs = 8.0f;
    ctx.OutsText = "Open straight project (8 Outs)\r";
    ctx.EquityAllIn = 1.0f - ((47.0f - 8.0f) / 47.0f) * ((46.0f - 8.0f) / 46.0f);
    ctx.EquityNextCard = 1.0f - (47.0f - 8.0f) / 47.0f;
    EXPECT_EQ(writeReport(ctx, {"100", "0", "50", "500", 0, 1, false, ","}),
              "Hand: High A\r\n"
              "Board: COOR STRAIGHT\r\n"
              "Strength: WEAK: HIGH CARD A\r\n"
              "Outs: 8\r\n"
              "Open straight project (8 Outs)\r\r\n"
              "PER(AI): 31,5% PER(+1Card): 17,0%\r\n"
              "PME(AI): 45,5% PME(+1Card): 25,0%\r\n"
              "SPR: 5,00 (No committed)\r\n");
}

// Amounts as players type them: pots on the rounding and range limits, stacks that put the stack-to-pot ratio
// on every commitment bound, and the odd texts a box may hold.
const std::vector<std::string> kPots{"100",   "",      "0.4", " 1 0 0 ", "2.5",   "3.5", "\t1 0\r0\n",
                                     "32767", "32768", "abc", "8",       "100,5", "+7"};
const std::vector<std::string> kBets{"0", "", "50", "-1", "x", "1e3", "1.2.3", ".5", "-", "12abc", "900"};
const std::vector<std::string> kStacks = [] {
    std::vector<std::string> stacks{"50",   "100",  "200",  "300", "400", "500",  "600",  "800", "1500",
                                    "2000", "3500", "4000", "0",   "9",   "7abc", "1e39", "3,5"};
    stacks.push_back(std::string(400, '9'));              // beyond a double
    stacks.push_back("0." + std::string(400, '0') + "1"); // below a double
    return stacks;
}();

struct Hand {
    std::string Hole, Board, Pot, HeroBet, VillainBet, Stack;
    int Preflop = 1;
    bool Count = false;
    std::string Separator;
};

std::string reportOf(const Hand& hand) {
    std::string board = hand.Board;
    return analyseHand(hand.Hole, board, hand.Pot, hand.HeroBet, hand.VillainBet, hand.Stack, hand.Preflop, 1,
                       hand.Count, hand.Separator);
}

// FNV-1a over the reports of many random hands with every kind of amount and profile. The report is finished:
// this digest changes only when some byte of some report does, which is never meant to happen.
TEST(Report, DigestOfThousandsOfReportsIsUnchanged) {
    std::mt19937 random(2026u);
    std::uint64_t digest = 14695981039346656037ull;
    const auto add = [&digest](const std::string& report) {
        for (const unsigned char c : report)
            digest = (digest ^ c) * 1099511628211ull;
    };
    std::vector<std::pair<Hand, std::string>> firstHands;
    for (int i = 0; i < 8000; ++i) {
        const std::vector<int> cards = support::dealt(random, 2 + 3 + i % 3);
        Hand hand;
        hand.Hole = support::cardsText({cards[0], cards[1]});
        hand.Board = support::cardsText({cards.begin() + 2, cards.end()});
        hand.Pot = kPots[random() % kPots.size()];
        hand.HeroBet = kBets[random() % kBets.size()];
        hand.VillainBet = kBets[random() % kBets.size()];
        hand.Stack = kStacks[random() % kStacks.size()];
        hand.Preflop = static_cast<int>(random() % 6) - 1;
        hand.Count = i % 40 == 0;
        hand.Separator = i % 3 == 0 ? "," : ".";
        const std::string report = reportOf(hand);
        EXPECT_EQ(report.find("inf"), std::string::npos) << report;
        EXPECT_EQ(report.find("nan"), std::string::npos) << report;
        add(report);
        if (i < 40) firstHands.emplace_back(hand, report);
    }
    // Every commitment bound, and the stack just above it, for a hand of each strength and every profile
    // index: hole and board of each hand in turn.
    const std::array<const char*, 12> kHands{"Kh Qh", "9s 5d 2c", "Ah 7s", "Ks 9d 4c",
                                             "Kh Th", "Ks 9d 4c", "Ah Kh", "Ks 9d 4c",
                                             "9h 9s", "Ks 9d 4c", "8h 2h", "8s 8d 8c Kh"};
    for (std::size_t h = 0; h < kHands.size(); h += 2) {
        for (int preflop = -1; preflop <= 4; ++preflop) {
            for (const int stack : {50,  51,  100, 101, 200, 201,  300,  301,  400,  401,  500,
                                    501, 600, 601, 800, 801, 1500, 1501, 2000, 2001, 3500, 3501})
                add(reportOf({kHands[h], kHands[h + 1], "100", "0", "50", std::to_string(stack), preflop,
                              false, "."}));
        }
    }
    EXPECT_EQ(digest, 14278071663108421205ull);
    // The same hands again, after thousands of others, give the same reports.
    for (const auto& [hand, report] : firstHands)
        EXPECT_EQ(reportOf(hand), report);
}

// Two decimals from the float's exact binary value m·2^e in integer arithmetic (0.001 to 100000, where m·100
// and 2^−e both fit in 64 bits), rounding half away from zero; alternately arbitrary floats and exact ties.
TEST(NumberFormat, TwoDecimalsAgreeWithExactArithmeticOverManyFloats) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> wide(0.001f, 100000.0f);
    for (int i = 0; i < 200000; ++i) {
        const float value = i % 2 == 0 ? wide(random) : static_cast<float>(random() % 800000) / 8.0f;
        int exponent = 0;
        const auto mantissa = static_cast<std::int64_t>(std::ldexp(std::frexp(value, &exponent), 24));
        const std::int64_t unit = std::int64_t{1} << (24 - exponent);
        const std::int64_t cents = mantissa * 100 / unit + (2 * (mantissa * 100 % unit) >= unit ? 1 : 0);
        const std::string fraction = std::to_string(100 + cents % 100).substr(1);
        ASSERT_EQ(formatFixed(value, 2, ","), std::to_string(cents / 100) + "," + fraction) << value;
        ASSERT_EQ(formatFixed(-value, 2, "."),
                  (cents == 0 ? "" : "-") + std::to_string(cents / 100) + "." + fraction);
    }
    EXPECT_EQ(formatShortest(-2.5f, ","), "-2,5");
}

} // namespace
} // namespace tavolin
