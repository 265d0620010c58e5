// Strength rules for boards with four or five cards toward a straight or a flush: pairs and two pairs are
// worth nothing, sets drop to weak, and straights and flushes are graded by how close they come to the best.
#include "analysis/strength_rule_sets.h"

namespace tavolin {

namespace {

// Steps 1 to 3 of the unpaired boards, the same for the straight and the flush texture.
void fourCardUnpairedPairSteps(StrengthRules& r) {
    const int pair = r.made.PairRank[kHand];
    const int k = r.pairKicker();
    const KickerLadder l = r.boardLadder();
    r.highCardTest(HighCardWording::kNothing);                                                   // 1
    if (r.step(pair > 0, "NOTHING: PAIR")) {                                                     // 2
        if (r.step(r.second <= pair && pair < r.top, "NOTHING: MID PAIR 3RD KICKER OR WORST")) { // 2a
            r.step(k >= l.L2, "NOTHING: MID PAIR 2ND KICKER");
            r.step(k >= l.L1, "NOTHING: MID PAIR TOP KICKER");
        }
    }
    if (r.step(pair == r.top, "NOTHING: TOP PAIR")) { // 3
        if (k > r.top) {                              // 3a
            r.step(k > 11, "NOTHING: TOP PAIR 3RD KICKER");
            r.step(k > 12, "NOTHING: TOP PAIR 2ND KICKER");
            r.step(k > 13, "NOTHING: TOP PAIR TOP KICKER");
        } else if (k > r.second) { // 3b
            r.firstOf({{k > 11, "NOTHING: TOP PAIR 2ND KICKER"}, {k > 10, "NOTHING: TOP PAIR 3RD KICKER"}});
        }
    }
}

// Steps 1 and 2 of the paired boards, the same for the straight and the flush texture.
void pairedPairSteps(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int boardPair = m.PairRank[kBoard];
    const int dpHigh = m.DPHigh[kHand];
    const int dpLow = m.DPLow[kHand];
    const int kT = r.topPairKicker();
    const int kM = r.midPairKicker();
    const KickerLadder l = r.boardLadder();
    r.highCardTest(HighCardWording::kNothing); // 1
    if (r.pocket && r.h1 < boardPair) {        // 2a
        r.step(true, "WEAK: 3RD POCKET PAIR OR WORST");
        r.step(r.top == r.second ? r.h1 > r.third : r.h1 > r.second, "NOTHING: MID POCKET PAIR");
    } else if (r.pocket && r.h1 > boardPair) { // 2b
        r.step(r.h1 > r.second, "NOTHING: MID POCKET PAIR");
    } else {                                         // 2c
        r.step(dpHigh > 0, "NOTHING: PAIR");         // 2c-1
        if (dpHigh == r.top && dpHigh > boardPair) { // 2c-2
            r.firstOf({{kT == l.L1, "NOTHING: TOP PAIR TOP KICKER"},
                       {kT == l.L2, "NOTHING: TOP PAIR 2ND KICKER"},
                       {kT == l.L3, "NOTHING: TOP PAIR 3RD KICKER"},
                       {true, "NOTHING: TOP PAIR 3RD KICKER OR WORST"}});
        } else if ((boardPair == r.top && dpLow == r.third) ||
                   (dpHigh == r.second && boardPair <= r.third)) { // 2c-3
            r.firstOf({{kM == l.L1, "NOTHING: MID PAIR TOP KICKER"},
                       {kM == l.L2, "NOTHING: MID PAIR 2ND KICKER"},
                       {kM == l.L3, "NOTHING: MID PAIR 3RD KICKER"},
                       {true, "NOTHING: MID PAIR 3RD KICKER OR WORST"}});
        }
    }
}

} // namespace

void ruleSetL(StrengthRules& r) {
    const MadeHand& m = r.made;
    fourCardUnpairedPairSteps(r);                                           // 1-3
    r.step(r.pocket && r.h1 > r.top, "NOTHING: OVERPAIR");                  // 4
    r.step(m.DPHigh[kHand] > 0, "NOTHING: DOUBLE PAIR");                    // 5
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "WEAK: SET" : "WEAK: TRIPS"); // 6
    r.firstOf(
        {{r.SB < r.ST && r.ST < r.SW1, "MEDIUM: STRAIGHT"}, // 7, alternatives a to g
         {r.ST == r.SW1 && r.ST > r.SB && (r.SW1 < 14 || r.F > 0), "STRONG: MAX STRAIGHT WITH 1 CARD"},
         {r.ST == r.SW1 && r.SW1 == 14 && r.ST > r.SB && r.F == 0, "NUTS ON HAND: MAX STRAIGHT WITH 1 CARD"},
         {r.SB < r.ST && r.ST < r.SW2, "STRONG: STRAIGHT WITH 2 CARDS"},
         {r.ST == r.SW2 && r.ST > r.SB && r.F > 0, "STRONG: MAX STRAIGHT WITH 2 CARDS"},
         {r.ST == r.SW2 && r.ST > r.SB && r.F == 0, "NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS"},
         {r.ST == r.SB && r.ST > 0, "NOTHING: STRAIGHT ON BOARD"}});
    r.step(m.FlushValue[kHand] > 0, "STRONG: FLUSH");                        // 8
    r.step(m.StraightFlushTop[kHand] > 0, "VERY STRONG: FLUSH STRAIGHT");    // 9
    r.step(r.bestStraightFlushOnHand(), "NUTS ON HAND: MAX FLUSH STRAIGHT"); // 10
}

void ruleSetM(StrengthRules& r) {
    const MadeHand& m = r.made;
    pairedPairSteps(r);                                                     // 1, 2
    r.step(r.pocket && r.h1 > r.top, "NOTHING: OVERPAIR");                  // 3
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "WEAK: SET" : "WEAK: TRIPS"); // 4
    r.firstOf({{0 < r.ST && r.ST < r.SW1, "MEDIUM: STRAIGHT"},              // 5
               {r.ST == r.SW1 && r.ST > 0, "MEDIUM: MAX STRAIGHT WITH 1 CARD"},
               {0 < r.ST && r.ST < r.SW2, "STRONG: STRAIGHT WITH 2 CARDS"},
               {r.ST == r.SW2 && r.ST > 0, "STRONG: MAX STRAIGHT WITH 2 CARDS"}});
    r.step(m.FlushValue[kHand] > 0, "STRONG: FLUSH");          // 6
    r.step(m.FullTrips[kHand] > 0, "VERY STRONG: FULL HOUSE"); // 7
    r.step(m.FullPair[kHand] >= m.PairKicker[kBoard] && m.FullTrips[kHand] > m.FullPair[kHand],
           "VERY STRONG: MAX FULL HOUSE");                                                   // 8
    r.step(m.PokerRank[kHand] > 0, r.F == 0 ? "NUTS ON HAND: POKER" : "VERY STRONG: POKER"); // 9
    r.step(m.StraightFlushTop[kHand] > 0, "VERY STRONG: FLUSH STRAIGHT");                    // 10
    r.step(r.bestStraightFlushOnHand(), "NUTS ON HAND: MAX FLUSH STRAIGHT");                 // 11
}

void ruleSetN(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int straightFlush = m.StraightFlushTop[kHand];
    fourCardUnpairedPairSteps(r);                                           // 1-3
    r.step(m.PairRank[kHand] > r.top, "NOTHING: OVERPAIR");                 // 4
    r.step(m.DPHigh[kHand] > 0, "NOTHING: DOUBLE PAIR");                    // 5
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "WEAK: SET" : "WEAK: TRIPS"); // 6
    r.firstOf({{0 < r.ST && r.ST < r.SW1, "WEAK: STRAIGHT"},                // 7
               {r.ST == r.SW1 && r.ST > 0, "WEAK: MAX STRAIGHT WITH 1 CARD"},
               {0 < r.ST && r.ST < r.SW2, "WEAK: STRAIGHT WITH 2 CARDS"},
               {r.ST == r.SW2 && r.ST > 0, "WEAK: MAX STRAIGHT WITH 2 CARDS"}});
    r.flushRank(); // 8
    r.step(straightFlush > m.StraightFlushTop[kBoard] && straightFlush > 0,
           "VERY STRONG: FLUSH STRAIGHT");                                   // 9
    r.step(r.bestStraightFlushOnHand(), "NUTS ON HAND: MAX FLUSH STRAIGHT"); // 10
    r.step(straightFlush == m.StraightFlushTop[kBoard] && r.S == 3 && straightFlush > 0,
           "NUTS ON BOARD: MAX FLUSH STRAIGHT"); // 11
}

void ruleSetO(StrengthRules& r) {
    const MadeHand& m = r.made;
    pairedPairSteps(r);                                                     // 1, 2
    r.step(m.PairRank[kHand] > r.top, "NOTHING: OVERPAIR");                 // 3
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "WEAK: SET" : "WEAK: TRIPS"); // 4
    // A two-card straight below the best one sets no label here.
    r.firstOf({{0 < r.ST && r.ST < r.SW1, "WEAK: STRAIGHT"}, // 5
               {r.ST == r.SW1 && r.ST > 0, "WEAK: MAX STRAIGHT WITH 1 CARD"},
               {r.ST == r.SW2 && r.ST > 0, "WEAK: MAX STRAIGHT WITH 2 CARDS"}});
    r.flushRank();                                             // 6
    r.step(m.FullTrips[kHand] > 0, "VERY STRONG: FULL HOUSE"); // 7
    r.step(m.FullPair[kHand] >= m.PairKicker[kBoard] && m.FullTrips[kHand] > m.FullPair[kHand],
           "VERY STRONG: MAX FULL HOUSE");                                                   // 8
    r.step(m.PokerRank[kHand] > 0, r.S == 0 ? "NUTS ON HAND: POKER" : "VERY STRONG: POKER"); // 9
    r.step(m.StraightFlushTop[kHand] > 0, "VERY STRONG: FLUSH STRAIGHT");                    // 10
    r.step(r.bestStraightFlushOnHand(), "NUTS ON HAND: MAX FLUSH STRAIGHT");                 // 11
}

} // namespace tavolin
