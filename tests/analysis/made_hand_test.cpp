#include "analysis/analyse_hand.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::analysed;

std::string firstLine(const std::string& report) {
    return report.substr(0, report.find("\r\n"));
}

struct NamedHand {
    const char* Hole;
    const char* Board;
    const char* Name;
};

void expectNames(const std::vector<NamedHand>& hands) {
    for (const NamedHand& hand : hands) {
        EXPECT_EQ(analysed(hand.Hole, hand.Board).MadeHandName, hand.Name)
            << hand.Hole << " / " << hand.Board;
    }
}

TEST(MadeHandName, WorkedExamplesAndTheReportLine) {
    expectNames({
        {"Ad 7c", "7h Ks 2d", "Pair of 7's with Kicker A"},
        {"8h 8c", "8s Kd 3c", "Set of 8's with Kicker K"},
        {"Kh 5d", "Kc 5s 9h", "DP of K's and 5's with Kicker 9"},
        {"Jh 3h", "9h 6h 2h", "Flush of Hearts High Card J"},
    });
    std::string board = "7h Ks 2d";
    EXPECT_EQ(firstLine(analyseHand("Ad 7c", board, "", "", "", "", 0, 0, false)),
              "Hand: Pair of 7's with Kicker A");
}

TEST(MadeHandName, HighCardAndPairsCountTheBoardCardsToo) {
    expectNames({
        {"4c 6d", "Ah Ks 9d", "High A"},
        {"2c 3d", "Ah Ts 7d 8c 9c", "High A"},
        {"Ac 2d", "Th Ts 7d", "Pair of T's with Kicker A"},
        {"4c 6d", "Ah Ks 4d", "Pair of 4's with Kicker A"},
        {"9c 5d", "9h 5s Kd", "DP of 9's and 5's with Kicker K"},
        {"2c 2d", "5h 5s 9d 9c Kd", "DP of 9's and 5's with Kicker K"}, // three pairs: the top two play
        {"2c 3d", "5h 5s 9d 9c 2d", "DP of 9's and 5's with Kicker 3"},
        {"Qc Qd", "Qh 7s 3d", "Set of Q's with Kicker 7"}, // the triple on top takes the card below it
        {"3c 3d", "3h Ks 7d", "Set of 3's with Kicker K"},
    });
}

TEST(MadeHandName, TripsFromTheBoardAreNeverASet) {
    expectNames({
        {"8c Kd", "8h 8s 3d", "Three of a kind of 8's with Kicker K"}, // board pair plus one hole card
        {"Ac 2d", "7h 7s 7d", "Three of a kind of 7's with Kicker A"}, // wholly on the board
        {"2c 4d", "Th Ts Td 6c", "Three of a kind of T's with Kicker 6"},
    });
}

TEST(MadeHandName, StraightsFlushesAndTheirRanges) {
    expectNames({
        {"Ac 2d", "3h 4s 5d", "Straight from A to 5"},
        {"6c 7d", "8h 9s Td", "Straight from 6 to T"},
        {"9c Td", "Jh Qs Kd", "Straight from 9 to K"},
        {"Tc Jd", "Qh Ks Ad", "Straight from T to A"},
        {"2c 3d", "4h 5s 6d 7c 8c", "Straight from 4 to 8"}, // the highest of overlapping straights
        {"Ah 2h", "3h 4h 5h", "Flush Straight of Hearts from A to 5"},
        {"5h 6h", "7h 8h 9h Td", "Flush Straight of Hearts from 5 to 9"}, // the off-suit ten plays no part
        {"9s Ts", "Js Qs Ks", "Flush Straight from 9 to K"},
        {"Td Jd", "Qd Kd Ad", "Jackpot!!! Royal flush straight!!!"},
        {"2c 4c", "7c 9c Qc Ac Kc", "Flush of Clubs High Card A"},
        {"6d 5d", "4d 3d 9d 7h 8h", "Flush of Diamonds High Card 9"}, // flush beats the 5-9 straight
    });
}

TEST(MadeHandName, FullHousesAndFourOfAKind) {
    expectNames({
        {"9c 9d", "9h 9s Ad", "Poker of 9's with Kicker A"},
        {"9c 9d", "9h 9s 2d", "Poker of 9's with Kicker 2"}, // the four on top take the card below them
        {"Ac Kd", "4h 4s 4d 4c", "Poker of 4's with Kicker A"},
        {"5c 5d", "5h 9s 9d 9c", "Full house of 9's over 5's"},
        {"2c 2d", "5h 5s 5d 9c 9d", "Full house of 5's over 9's"}, // the higher of two pairs
        {"4c Kd", "4h 4s Kh", "Full house of 4's over K's"},
        {"Ac Kd", "3h 3s 3d Qc Qd", "Full house of 3's over Q's"},
    });
}

TEST(MadeHandRecord, FourOfAKindLeavesTheLowerFieldsFilled) {
    const AnalysisContext ctx = analysed("9c 9d", "9h 9s Ad");
    EXPECT_EQ(ctx.Made.PokerRank[kHand], 9);
    EXPECT_EQ(ctx.Made.PokerKicker[kHand], 14);
    EXPECT_EQ(ctx.Made.DPHigh[kHand], 9);
    EXPECT_EQ(ctx.Made.DPLow[kHand], 9);
    EXPECT_EQ(ctx.Made.FullTrips[kHand], 9);
    EXPECT_EQ(ctx.Made.FullPair[kHand], 9);
    EXPECT_EQ(ctx.Made.TripsRank[kHand], 9);
}

TEST(MadeHandRecord, ATripleAloneIsNoTwoPair) {
    const AnalysisContext hand = analysed("8c Kd", "8h 8s 3d");
    EXPECT_EQ(hand.Made.TripsRank[kHand], 8);
    EXPECT_EQ(hand.Made.DPHigh[kHand], 0);
    EXPECT_EQ(hand.Made.FullTrips[kHand], 0);
    const AnalysisContext board = analysed("Ac Kd", "8h 8s 8d 3c");
    EXPECT_EQ(board.Made.DPHigh[kBoard], 0);
    EXPECT_EQ(board.BoardPairing, 2);
    const AnalysisContext pairs = analysed("2c 2d", "5h 5s 9d 9c Kd"); // three pairs: the top two
    EXPECT_EQ(pairs.Made.DPHigh[kHand], 9);
    EXPECT_EQ(pairs.Made.DPLow[kHand], 5);
    EXPECT_EQ(pairs.Made.PairRank[kHand], 9);
}

TEST(MadeHandRecord, SortedListsAndCounts) {
    const AnalysisContext ctx = analysed("Ad 7c", "Kh 7h 2d 2s");
    EXPECT_EQ(ctx.HoleRanks, (std::array<int, 3>{0, 7, 14}));
    EXPECT_EQ(ctx.BoardRanks, (std::array<int, 6>{0, 2, 2, 7, 13, 0}));
    EXPECT_EQ(ctx.AllRanks, (std::array<int, 8>{0, 2, 2, 7, 7, 13, 14, 0}));
    EXPECT_EQ(ctx.RankPresent[1][kHand], 1); // the ace also stands low
    EXPECT_EQ(ctx.RankPresent[1][kBoard], 0);
    EXPECT_EQ(ctx.RankPresent[14][kHand], 1);
    EXPECT_EQ(ctx.RankPresent[3][kHand], 0);
    EXPECT_EQ(ctx.SuitCount[4][kHand], 2); // the ace of diamonds counts once
    EXPECT_EQ(ctx.SuitCount[4][kBoard], 1);
    EXPECT_EQ(ctx.SuitCount[2][kBoard], 2);
    EXPECT_EQ(ctx.Made.HighCard[kHand], 14);
    EXPECT_EQ(ctx.Made.HighCard[kBoard], 13);
    EXPECT_EQ(ctx.Made.PairRank[kBoard], 2);
    EXPECT_EQ(ctx.Made.PairKicker[kBoard], 13);
    EXPECT_EQ(ctx.BoardPairing, 1);
}

TEST(MadeHandRecord, FlushValueHoldsTheFiveTopRanksInBaseHundred) {
    EXPECT_EQ(analysed("Ah Kh", "Qh Jh 9h 2h 3c").Made.FlushValue[kHand], 1'413'121'109);
    const AnalysisContext royal = analysed("Ah Kh", "Qh Jh Th 9h 2c");
    EXPECT_EQ(royal.Made.FlushValue[kHand], 1'413'121'110); // the largest value there is
    EXPECT_EQ(royal.Made.FlushSuit[kHand], 2);
    EXPECT_EQ(royal.SuitName, "Hearts");
    EXPECT_EQ(analysed("Ah Kh", "Qh Jh 2c").Made.FlushValue[kHand], 0);
}

TEST(MadeHandRecord, BoardHalfReadsTheBoardAlone) {
    const AnalysisContext trips = analysed("Ac Kd", "8h 8s 8d");
    EXPECT_EQ(trips.BoardPairing, 2);
    EXPECT_EQ(trips.Made.TripsRank[kBoard], 8);
    EXPECT_EQ(trips.Made.TripsKicker[kBoard], 0); // no kicker on a flop

    const AnalysisContext quads = analysed("Ac Kd", "4h 4s 4d 4c");
    EXPECT_EQ(quads.BoardPairing, 3);
    EXPECT_EQ(quads.Made.PokerRank[kBoard], 4);
    EXPECT_EQ(quads.Made.PokerKicker[kBoard], 0); // no kicker on a turn

    const AnalysisContext riverQuads = analysed("Ac Kd", "4h 4s 4d 4c Jd");
    EXPECT_EQ(riverQuads.Made.PokerKicker[kBoard], 11);
    EXPECT_EQ(analysed("Ac Kd", "Jh 4s 4d 4c 4h").Made.PokerKicker[kBoard], 11);
    EXPECT_EQ(analysed("Ac Kd", "2h Js Jd Jc Jh").Made.PokerKicker[kBoard], 2);

    EXPECT_EQ(analysed("Ac Kd", "9h 9s 9d 2c").Made.TripsKicker[kBoard], 2);
    EXPECT_EQ(analysed("Ac Kd", "2h 9s 9d 9c 3d").Made.TripsKicker[kBoard], 3);
    EXPECT_EQ(analysed("Ac Qd", "2h 9s 9d 9c Kd").Made.TripsKicker[kBoard], 13);
    EXPECT_EQ(analysed("Ac Kd", "2h 2s 2d 9c 5h").Made.TripsKicker[kBoard], 9);

    const AnalysisContext twoPair = analysed("Ac Kd", "3h 3s 8d 8c 5d");
    EXPECT_EQ(twoPair.BoardPairing, 4);
    EXPECT_EQ(twoPair.Made.DPHigh[kBoard], 8);
    EXPECT_EQ(twoPair.Made.DPLow[kBoard], 3);
    EXPECT_EQ(twoPair.Made.DPKicker[kBoard], 5);

    const AnalysisContext fullLow = analysed("Ac Kd", "3h 3s 8d 8c 8h");
    EXPECT_EQ(fullLow.BoardPairing, 5);
    EXPECT_EQ(fullLow.Made.FullTrips[kBoard], 8);
    EXPECT_EQ(fullLow.Made.FullPair[kBoard], 3);
    const AnalysisContext fullHigh = analysed("Ac Kd", "3h 3s 3d 8c 8h");
    EXPECT_EQ(fullHigh.Made.FullTrips[kBoard], 3);
    EXPECT_EQ(fullHigh.Made.FullPair[kBoard], 8);

    const AnalysisContext flush = analysed("Ac Kd", "9s Ts Js Qs Ks");
    EXPECT_EQ(flush.Made.FlushSuit[kBoard], 1);
    EXPECT_EQ(flush.Made.FlushValue[kBoard], 1'312'111'009);
    EXPECT_EQ(flush.Made.StraightTop[kBoard], 13);
    EXPECT_EQ(flush.Made.StraightFlushTop[kBoard], 13);
    EXPECT_EQ(flush.Made.StraightTop[kHand], 14);
    EXPECT_EQ(flush.Made.StraightFlushTop[kHand], 13);

    const AnalysisContext flop = analysed("Ac Kd", "9s Ts Js");
    EXPECT_EQ(flop.Made.FlushValue[kBoard], 0);
    EXPECT_EQ(flop.Made.FlushSuit[kBoard], 0);
}

TEST(MadeHandRecord, BadCardsLeaveTheRecordEmpty) {
    for (const auto& [hole, board] : std::vector<std::pair<std::string, std::string>>{
             {"Ad Ad", "2c 3c 4c"}, {"Ad 7d", "Ad 4c 5h"}, {"ad 7d", "2c 3c 4c"}, {"Ad 7d", "2c 3c 4c 5"}}) {
        const AnalysisContext ctx = analysed(hole, board);
        EXPECT_EQ(ctx.MadeHandName, "") << hole << " / " << board;
        EXPECT_EQ(ctx.BoardTexture, "") << hole << " / " << board;
        EXPECT_EQ(ctx.Made.HighCard[kHand], 0) << hole << " / " << board;
    }
}

} // namespace
} // namespace tavolin
