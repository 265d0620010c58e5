// Names and record fields the brute-force comparison does not reach: the board's own half of the record and
// the fields a higher hand leaves filled. Every name is compared with a brute-force search elsewhere.

#include "tests/analysis/analysis_test_support.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::analysed;

TEST(MadeHandName, NamedHands) {
    const std::vector<std::array<const char*, 3>> hands{
        {"4c 6d", "Ah Ks 9d", "High A"}, // the board's cards count too
        {"9c 5d", "9h 5s Kd", "DP of 9's and 5's with Kicker K"},
        {"8c Kd", "8h 8s 3d", "Three of a kind of 8's with Kicker K"}, // board pair plus one hole card
        {"Ac 2d", "7h 7s 7d", "Three of a kind of 7's with Kicker A"}, // wholly on the board
        {"3c 3d", "3h Ks 7d", "Set of 3's with Kicker K"},
        {"Ac 2d", "3h 4s 5d", "Straight from A to 5"},
        {"9s Ts", "Js Qs Ks", "Flush Straight from 9 to K"},
        {"5h 6h", "7h 8h 9h Td", "Flush Straight of Hearts from 5 to 9"}, // the off-suit ten plays no part
        {"Td Jd", "Qd Kd Ad", "Jackpot!!! Royal flush straight!!!"},
    };
    for (const auto& [hole, board, name] : hands)
        EXPECT_EQ(analysed(hole, board).MadeHandName, name) << hole << " / " << board;
}

TEST(MadeHandRecord, FourOfAKindLeavesTheLowerFieldsFilled) {
    const AnalysisContext ctx = analysed("9c 9d", "9h 9s Ad");
    EXPECT_EQ(ctx.MadeHandName, "Poker of 9's with Kicker A");
    EXPECT_EQ(ctx.Made.PokerRank[kHand], 9);
    EXPECT_EQ(ctx.Made.PokerKicker[kHand], 14);
    EXPECT_EQ(ctx.Made.DPHigh[kHand], 9);
    EXPECT_EQ(ctx.Made.DPLow[kHand], 9);
    EXPECT_EQ(ctx.Made.FullTrips[kHand], 9);
    EXPECT_EQ(ctx.Made.FullPair[kHand], 9);
    EXPECT_EQ(ctx.Made.TripsRank[kHand], 9);
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

} // namespace
} // namespace tavolin
