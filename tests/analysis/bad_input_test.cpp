#include "analysis/analyse_hand.h"

#include <gtest/gtest.h>
#include <random>

namespace tavolin {
namespace {

enum class Answer {
    kEmptyReport, // the cards were rejected
    kNoAmounts,   // a report that ends at the PER line
    kAmounts,     // a report with the PME and SPR lines
};

struct BadInput {
    std::string_view Kind;
    std::string Hole = "Ad 7d";
    std::string Board = "3s 4c 5h";
    std::string Pot = "100";
    std::string HeroBet = "0";
    std::string VillainBet = "50";
    std::string Stack = "500";
    int Preflop = 1;
    Answer Expected = Answer::kAmounts;
};

std::vector<BadInput> badInputs() {
    const std::string huge = "1" + std::string(60, '0');
    return {
        {.Kind = "bad rank character", .Hole = "Xd 7d", .Expected = Answer::kEmptyReport},
        {.Kind = "bad suit character", .Hole = "Ad 7x", .Expected = Answer::kEmptyReport},
        {.Kind = "lower-case rank", .Hole = "ad 7d", .Expected = Answer::kEmptyReport},
        {.Kind = "upper-case suit", .Board = "3S 4c 5h", .Expected = Answer::kEmptyReport},
        {.Kind = "hole text too short", .Hole = "Ad 7", .Expected = Answer::kEmptyReport},
        {.Kind = "hole text too long", .Hole = "Ad 7d 9c", .Expected = Answer::kEmptyReport},
        {.Kind = "empty hole text", .Hole = "", .Expected = Answer::kEmptyReport},
        {.Kind = "empty board text", .Board = "", .Expected = Answer::kEmptyReport},
        {.Kind = "board of two cards", .Board = "3s 4c", .Expected = Answer::kEmptyReport},
        {.Kind = "board of six cards", .Board = "3s 4c 5h 6h 7h 8h", .Expected = Answer::kEmptyReport},
        {.Kind = "board with a trailing blank", .Board = "3s 4c 5h ", .Expected = Answer::kEmptyReport},
        {.Kind = "bytes outside ASCII", .Hole = "A\xc3\xa9 7d", .Expected = Answer::kEmptyReport},
        {.Kind = "bytes outside ASCII on the board",
         .Board = "3s \xff\xfe 5h",
         .Expected = Answer::kEmptyReport},
        {.Kind = "NUL byte", .Hole = std::string("A\0 7d", 5), .Expected = Answer::kEmptyReport},
        {.Kind = "duplicate in the hole", .Hole = "7d 7d", .Expected = Answer::kEmptyReport},
        {.Kind = "duplicate on the board", .Board = "3s 4c 3s", .Expected = Answer::kEmptyReport},
        {.Kind = "hole card on the board", .Board = "3s 7d 5h", .Expected = Answer::kEmptyReport},
        {.Kind = "empty pot", .Pot = "", .Expected = Answer::kNoAmounts},
        {.Kind = "letters as pot", .Pot = "pot", .Expected = Answer::kNoAmounts},
        {.Kind = "negative pot", .Pot = "-100", .Expected = Answer::kNoAmounts},
        {.Kind = "zero pot", .Pot = "0", .Expected = Answer::kNoAmounts},
        {.Kind = "pot rounding to zero", .Pot = "0.4", .Expected = Answer::kNoAmounts},
        {.Kind = "pot above 32767", .Pot = "32768", .Expected = Answer::kNoAmounts},
        {.Kind = "pot too large for a float", .Pot = huge, .Expected = Answer::kNoAmounts},
        {.Kind = "negative hero bet", .HeroBet = "-1", .Expected = Answer::kNoAmounts},
        {.Kind = "negative villain bet", .VillainBet = "-0.01", .Expected = Answer::kNoAmounts},
        {.Kind = "zero stack", .Stack = "0", .Expected = Answer::kNoAmounts},
        {.Kind = "empty stack", .Stack = "", .Expected = Answer::kNoAmounts},
        {.Kind = "stack too large for a float", .Stack = huge, .Expected = Answer::kNoAmounts},
        {.Kind = "hero bet too large for a float", .HeroBet = huge, .Expected = Answer::kNoAmounts},
        // The call is capped at the stack, so an enormous bet is simply all-in.
        {.Kind = "villain bet too large for a float", .VillainBet = huge, .Expected = Answer::kAmounts},
        {.Kind = "empty bets read 0", .HeroBet = "", .VillainBet = "", .Expected = Answer::kAmounts},
        {.Kind = "letters as bets read 0",
         .HeroBet = "x",
         .VillainBet = "call",
         .Expected = Answer::kAmounts},
        {.Kind = "blanks inside amounts", .Pot = " 1 00 ", .Stack = "5 0 0", .Expected = Answer::kAmounts},
        {.Kind = "comma as decimal point", .Pot = "100,5", .Stack = "500,9", .Expected = Answer::kAmounts},
        {.Kind = "pot of 32767", .Pot = "32767", .Expected = Answer::kAmounts},
        {.Kind = "a ten-thousand-character amount",
         .Stack = std::string(10000, '7'),
         .Expected = Answer::kNoAmounts},
        {.Kind = "preflop index -1", .Preflop = -1, .Expected = Answer::kAmounts},
        {.Kind = "preflop index 99", .Preflop = 99, .Expected = Answer::kAmounts},
    };
}

TEST(BadInput, EveryKindGetsItsAnswerAndNeverInfinityOrNotANumber) {
    for (const BadInput& input : badInputs()) {
        AnalysisContext ctx;
        std::string board = input.Board;
        const AnalysisArguments args{
            input.Pot, input.HeroBet, input.VillainBet, input.Stack, input.Preflop, 1, true, "."};
        const std::string report = analyseHand(ctx, input.Hole, board, args);
        SCOPED_TRACE(std::string(input.Kind));
        switch (input.Expected) {
        case Answer::kEmptyReport:
            EXPECT_EQ(report, "");
            break;
        case Answer::kNoAmounts:
            EXPECT_TRUE(report.starts_with("Hand: "));
            EXPECT_EQ(report.find("PME(AI)"), std::string::npos);
            EXPECT_EQ(report.find("SPR: "), std::string::npos);
            break;
        case Answer::kAmounts:
            EXPECT_NE(report.find("PME(AI)"), std::string::npos);
            EXPECT_NE(report.find("SPR: "), std::string::npos);
            break;
        }
        EXPECT_EQ(report.find("inf"), std::string::npos);
        EXPECT_EQ(report.find("nan"), std::string::npos);
        if (input.Preflop < 0 || input.Preflop > 3) {
            const std::string verdict = ctx.StrengthLabel.starts_with("NOTH") ? "(No committed)" : "(0)";
            EXPECT_NE(report.find(verdict), std::string::npos) << report;
        }
    }
}

TEST(BadInput, RandomBytesInEveryArgumentNeverCrashAndReportNothingOdd) {
    std::mt19937 random(99);
    auto noise = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), '\0');
        for (char& c : text)
            c = static_cast<char>(random() % 256);
        return text;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        // Keep the cards valid half of the time, so that the amounts are exercised too.
        const bool realCards = trial % 2 == 0;
        std::string hole = realCards ? "Ad 7d" : noise(8);
        std::string board = realCards ? "3s 4c 5h 8d" : noise(16);
        const std::string report = analyseHand(hole, board, noise(12), noise(12), noise(12), noise(12),
                                               static_cast<int>(random()), 1, false);
        if (realCards) {
            EXPECT_TRUE(report.starts_with("Hand: "));
        }
        EXPECT_EQ(report.find("inf"), std::string::npos);
        EXPECT_EQ(report.find("nan"), std::string::npos);
    }
}

TEST(Determinism, SameInputsGiveTheSameReportWhateverRanBefore) {
    struct Hand {
        std::string Hole, Board, Pot, Stack;
        int Preflop;
        bool Count;
    };
    const std::vector<Hand> hands{
        {"Ad 7d", "3s 4c 5h", "100", "500", 0, true},    {"Kh Qh", "Jh 7h 2c 9s", "40", "300", 1, false},
        {"8h 8c", "8s Kd 3c 2d 2h", "10", "3", 2, true}, {"As Kc", "7s 4d 2h", "", "", 3, false},
        {"4d 6d", "3s 5c 8h 9d", "55", "1", -1, false},  {"Tc 9c", "Jc 8d 2c Qs Kc", "7", "70", 99, true},
        {"2s 2h", "9d 8c 7s", "12.5", "80", 1, false},   {"Qs Js", "Ks Ts 4s 9h", "20", "100", 2, false},
    };
    auto analyse = [](const Hand& hand) {
        std::string board = hand.Board;
        return analyseHand(hand.Hole, board, hand.Pot, "0", "10", hand.Stack, hand.Preflop, 1, hand.Count);
    };
    std::vector<std::string> first;
    for (const Hand& hand : hands)
        first.push_back(analyse(hand));
    std::mt19937 random(5);
    for (int i = 0; i < 1000; ++i) {
        const std::size_t pick = random() % hands.size();
        ASSERT_EQ(analyse(hands[pick]), first[pick]) << "repeat " << i << " of " << hands[pick].Hole;
    }
}

} // namespace
} // namespace tavolin
