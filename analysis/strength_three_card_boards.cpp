// Strength rules for boards with three cards toward a straight or a flush (never four): the hero may hold a
// straight or a flush made with both hole cards, and pairs, overpairs and sets sit a tier lower than on a
// plain board.
#include "analysis/strength_rule_sets.h"

namespace tavolin {

namespace {

// The high-card test and the pair steps that the straight and the flush texture share on an unpaired board.
void threeCardUnpairedPairSteps(StrengthRules& r, const KickerLadder& l, int k) {
    const int pair = r.made.PairRank[kHand];
    r.highCardTest(HighCardWording::kWeak);                                           // 1
    if (r.step(pair > 0, "WEAK: PAIR")) {                                             // 2
        r.step(pair < r.top && r.pocket && pair > r.second, "WEAK: MID POCKET PAIR"); // 2a
        if (pair < r.top && !r.pocket && pair == r.second) {                          // 2b
            r.firstOf({{k < l.L2, "WEAK: MID PAIR 3RD OR WORST KICKER"},
                       {k == l.L2, "WEAK: MID PAIR 2ND KICKER"},
                       {k == l.L1, "WEAK: MID PAIR TOP KICKER"}});
        }
    }
}

} // namespace

void ruleSetG(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int pair = m.PairRank[kHand];
    const int k = r.pairKicker();
    const KickerLadder l = r.boardLadder();
    threeCardUnpairedPairSteps(r, l, k);             // 1, 2
    if (r.step(pair == r.top, "MEDIUM: TOP PAIR")) { // 3
        r.step(k <= l.L3, "MEDIUM: TOP PAIR 3RD KICKER OR WORST");
        r.step(k == l.L2, "MEDIUM: TOP PAIR 2ND KICKER");
        r.step(k == l.L1, "MEDIUM: TOP PAIR TOP KICKER");
    }
    r.step(pair > r.top, "MEDIUM: OVERPAIR");                                                   // 4
    r.step(m.DPHigh[kHand] > 0, "STRONG: DOUBLE PAIR");                                         // 5
    r.step(m.DPHigh[kHand] == r.top && m.DPLow[kHand] == r.second, "STRONG: BEST DOUBLE PAIR"); // 6
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "STRONG: SET" : "STRONG: TRIPS");                 // 7
    // The last step; either alternative ends the classification.
    r.firstOf({{0 < r.ST && r.ST < r.SW2, "VERY STRONG: STRAIGHT WITH 2 CARDS"}, // 8
               {r.ST == r.SW2 && r.ST > 0, "VERY STRONG: MAX STRAIGHT WITH 2 CARDS"}});
}

void ruleSetH(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int pair = m.PairRank[kHand];
    const int k = r.pairKicker();
    const int straightFlush = m.StraightFlushTop[kHand];
    threeCardUnpairedPairSteps(r, r.boardLadder(), k); // 1, 2
    if (r.step(pair == r.top, "MEDIUM: TOP PAIR")) {   // 3
        if (k > r.top) {                               // 3a
            r.step(k > 11, "MEDIUM: TOP PAIR 3RD KICKER");
            r.step(k > 12, "MEDIUM: TOP PAIR 2ND KICKER");
            r.step(k > 13, "MEDIUM: TOP PAIR TOP KICKER");
        } else if (k > r.second) { // 3b
            r.firstOf({{k > 11, "MEDIUM: TOP PAIR 2ND KICKER"}, {k > 10, "MEDIUM: TOP PAIR 3RD KICKER"}});
        }
    }
    r.step(pair > r.top, "MEDIUM: OVERPAIR");                                   // 4
    r.step(m.DPHigh[kHand] > 0, "STRONG: DOUBLE PAIR");                         // 5
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "STRONG: SET" : "STRONG: TRIPS"); // 6
    r.firstOf({{0 < r.ST && r.ST < r.SW2, "STRONG: STRAIGHT WITH 2 CARDS"},     // 7
               {r.ST == r.SW2 && r.ST > 0, "STRONG: MAX STRAIGHT WITH 2 CARDS"}});
    r.step(m.FlushValue[kHand] > m.FlushValue[kBoard], "VERY STRONG: FLUSH");          // 8
    r.step(m.FlushValue[kHand] / 100'000'000 == 14, "NUTS ON HAND: MAX FLUSH");        // 9
    r.step(straightFlush > m.StraightFlushTop[kBoard], "VERY STRONG: FLUSH STRAIGHT"); // 10
    // Three suited board cards leave no four-card window, so the highest three-card window is the measure.
    r.step(straightFlush > m.StraightFlushTop[kBoard] && straightFlush >= r.SSW2,
           "NUTS ON HAND: MAX FLUSH STRAIGHT"); // 11
}

void ruleSetI(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int boardPair = m.PairRank[kBoard];
    const int dpHigh = m.DPHigh[kHand];
    const int dpLow = m.DPLow[kHand];
    const int kT = r.topPairKicker();
    const int kM = r.midPairKicker();
    const int straightFlush = m.StraightFlushTop[kHand];
    const KickerLadder l = r.boardLadder();
    r.highCardTest(HighCardWording::kWeak); // 1
    if (r.pocket && r.h1 < boardPair) {     // 2a
        r.step(true, "WEAK: 3RD POCKET PAIR OR WORST");
        r.step(r.top == r.second ? r.h1 > r.third : r.h1 > r.second, "WEAK: MID POCKET PAIR");
    } else if (r.pocket && r.h1 > boardPair) { // 2b
        r.step(r.h1 > r.second, "WEAK: MID POCKET PAIR");
    } else {                                         // 2c
        r.step(dpHigh > 0, "WEAK: PAIR");            // 2c-1
        if (dpHigh == r.top && dpHigh > boardPair) { // 2c-2
            r.firstOf({{kT == l.L1, "MEDIUM: TOP PAIR TOP KICKER"},
                       {kT == l.L2, "MEDIUM: TOP PAIR 2ND KICKER"},
                       {kT == l.L3, "MEDIUM: TOP PAIR 3RD KICKER"},
                       {true, "MEDIUM: TOP PAIR 3RD KICKER OR WORST"}});
        } else if ((boardPair == r.top && dpLow == r.third) ||
                   (dpHigh == r.second && boardPair <= r.third)) { // 2c-3
            r.firstOf({{kM == l.L1, "WEAK: MID PAIR TOP KICKER"},
                       {kM == l.L2, "WEAK: MID PAIR 2ND KICKER"},
                       {kM == l.L3, "WEAK: MID PAIR 3RD KICKER"},
                       {true, "WEAK: MID PAIR 3RD KICKER OR WORST"}});
        }
    }
    r.step(r.pocket && r.h1 > r.top, "MEDIUM: OVERPAIR");                       // 3
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "STRONG: SET" : "STRONG: TRIPS"); // 4
    r.firstOf({{0 < r.ST && r.ST < r.SW2, "STRONG: STRAIGHT WITH 2 CARDS"},     // 5
               {r.ST == r.SW2 && r.ST > 0, "STRONG: MAX STRAIGHT WITH 2 CARDS"}});
    r.step(m.FlushValue[kHand] > 0, "STRONG: FLUSH");          // 6
    r.step(m.FullTrips[kHand] > 0, "VERY STRONG: FULL HOUSE"); // 7
    r.step(m.FullPair[kHand] >= m.PairKicker[kBoard] && m.FullTrips[kHand] > m.FullPair[kHand],
           "VERY STRONG: MAX FULL HOUSE"); // 8
    r.step(m.PokerRank[kHand] > 0,
           r.S == 0 || r.F == 0 ? "NUTS ON HAND: POKER" : "VERY STRONG: POKER"); // 9
    r.step(straightFlush > 0, "VERY STRONG: FLUSH STRAIGHT");                    // 10
    // As on the unpaired flush board: the highest three-card suited window is the measure.
    r.step(straightFlush > 0 && straightFlush >= r.SSW2, "NUTS ON HAND: MAX FLUSH STRAIGHT"); // 11
}

void ruleSetJ(StrengthRules& r) {
    const MadeHand& m = r.made;
    r.highCardTest(HighCardWording::kWeak);                                // 1
    r.step(m.DPLow[kHand] > m.DPLow[kBoard], "WEAK: MID DOUBLE PAIR");     // 2
    r.step(m.DPHigh[kHand] > m.DPHigh[kBoard], "MEDIUM: MAX DOUBLE PAIR"); // 3
    r.step(r.pocket && r.h1 > r.top, "MEDIUM: OVERPAIR");                  // 4
    r.firstOf({{0 < r.ST && r.ST < r.SW2, "MEDIUM: STRAIGHT"},             // 5
               {r.ST == r.SW2 && r.ST > 0, "MEDIUM: MAX STRAIGHT WITH 2 CARDS"}});
    r.step(m.FlushValue[kHand] > 0, "MEDIUM: FLUSH");                              // 6
    r.step(m.FullTrips[kHand] > 0, "STRONG: FULL HOUSE");                          // 7
    r.step(m.FullTrips[kHand] >= m.DPHigh[kBoard], "VERY STRONG: MAX FULL HOUSE"); // 8
    r.step(m.PokerRank[kHand] > 0, "VERY STRONG: POKER");                          // 9
    r.step(m.PokerRank[kHand] == m.DPHigh[kBoard], "NUTS ON HAND: MAX POKER");     // 10
}

void ruleSetK(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int tr = m.TripsRank[kBoard];
    const int tk = m.TripsKicker[kBoard];
    const int fullTrips = m.FullTrips[kHand];
    const int fullPair = m.FullPair[kHand];
    r.highCardTest(HighCardWording::kWeak);                               // 1
    r.firstOf({{0 < r.ST && r.ST < r.SW2, "WEAK: STRAIGHT WITH 2 CARDS"}, // 2
               {r.ST == r.SW2 && r.ST > 0, "WEAK: MAX STRAIGHT WITH 2 CARDS"}});
    r.step(m.FlushValue[kHand] > 0, "WEAK: FLUSH");                              // 3
    r.step(fullTrips == tr && fullPair < tk, "WEAK: MID PAIR (FULL HOUSE)");     // 4
    r.step(r.pocket && r.h1 > tk && r.h1 > tr, "MEDIUM: OVERPAIR (FULL HOUSE)"); // 5
    r.step(fullTrips == tr && fullPair == tk, "MEDIUM: TOP PAIR (FULL HOUSE)");  // 6
    r.step(fullTrips > tr, "STRONG: MAX FULL HOUSE");                            // 7
    r.step(m.PokerRank[kHand] > 0, "NUTS ON HAND: POKER");                       // 8
}

} // namespace tavolin
