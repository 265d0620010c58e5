// Strength rules for boards with no three cards toward a straight or a flush: only pairs, two pairs, sets,
// full houses and fours of a kind can be made, graded by the board's own pairing.
#include "analysis/strength_rule_sets.h"

namespace tavolin {

void ruleSetA(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int pair = m.PairRank[kHand];
    const int k = r.pairKicker();
    const KickerLadder l = r.boardLadder();
    r.highCardTest(HighCardWording::kWeak);                                             // 1
    if (r.step(pair > 0, "WEAK: PAIR")) {                                               // 2
        r.step(pair < r.top && r.pocket && pair > r.second, "MEDIUM: MID POCKET PAIR"); // 2a
        if (pair < r.top && !r.pocket && pair == r.second) {                            // 2b
            r.firstOf({{k < l.L2, "WEAK: MID PAIR 3RD OR WORST KICKER"},
                       {k == l.L2, "MEDIUM: MID PAIR 2ND KICKER"},
                       {k == l.L1, "MEDIUM: MID PAIR TOP KICKER"}});
        }
    }
    if (r.step(pair == r.top, "MEDIUM: TOP PAIR")) { // 3
        r.step(k == l.L3, "MEDIUM: TOP PAIR 3RD KICKER");
        r.step(k == l.L2, "STRONG: TOP PAIR 2ND KICKER");
        r.step(k == l.L1, "STRONG: TOP PAIR TOP KICKER");
    }
    r.step(pair > r.top, "STRONG: OVERPAIR");                                                        // 4
    r.step(m.DPHigh[kHand] > 0, "STRONG: DOUBLE PAIR");                                              // 5
    r.step(m.DPHigh[kHand] == r.top && m.DPLow[kHand] == r.second, "VERY STRONG: BEST DOUBLE PAIR"); // 6
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "VERY STRONG: SET" : "VERY STRONG: TRIPS");            // 7
}

void ruleSetB(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int boardPair = m.PairRank[kBoard];
    const int dpHigh = m.DPHigh[kHand];
    const int dpLow = m.DPLow[kHand];
    const int kT = r.topPairKicker();
    const int kM = r.midPairKicker();
    const KickerLadder l = r.boardLadder();
    r.highCardTest(HighCardWording::kWeak); // 1
    if (r.pocket && r.h1 < boardPair) {     // 2a
        r.step(true, "WEAK: 3RD POCKET PAIR OR WORST");
        r.step(r.top == r.second ? r.h1 > r.third : r.h1 > r.second, "MEDIUM: MID POCKET PAIR");
    } else if (r.pocket && r.h1 > boardPair) { // 2b
        r.step(r.h1 > r.second, "MEDIUM: MID POCKET PAIR");
    } else {                                         // 2c
        r.step(dpHigh > 0, "WEAK: PAIR");            // 2c-1
        if (dpHigh == r.top && dpHigh > boardPair) { // 2c-2
            r.firstOf({{kT == l.L1, "MEDIUM: TOP PAIR TOP KICKER"},
                       {kT == l.L2, "MEDIUM: TOP PAIR 2ND KICKER"},
                       {kT == l.L3, "MEDIUM: TOP PAIR 3RD KICKER"},
                       {true, "MEDIUM: TOP PAIR 3RD KICKER OR WORST"}});
        } else if ((boardPair == r.top && dpLow == r.third) ||
                   (dpHigh > r.third && boardPair <= r.third)) { // 2c-3
            r.firstOf({{kM == l.L1, "MEDIUM: MID PAIR TOP KICKER"},
                       {kM == l.L2, "MEDIUM: MID PAIR 2ND KICKER"},
                       {kM == l.L3, "MEDIUM: MID PAIR 3RD KICKER"},
                       {true, "MEDIUM: MID PAIR 3RD KICKER OR WORST"}});
        }
    }
    r.step(r.pocket && r.h1 > r.top, "MEDIUM: OVERPAIR");                       // 3
    r.step(m.TripsRank[kHand] > 0, r.pocket ? "STRONG: SET" : "STRONG: TRIPS"); // 4
    r.step(m.FullTrips[kHand] > 0, "VERY STRONG: FULL HOUSE");                  // 5
    r.step(m.FullPair[kHand] >= m.PairKicker[kBoard] && m.FullTrips[kHand] > m.FullPair[kHand],
           "VERY STRONG: MAX FULL HOUSE");                // 6
    r.step(m.PokerRank[kHand] > 0, "VERY STRONG: POKER"); // 7
}

void ruleSetC(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int tr = m.TripsRank[kBoard];
    const int tk = m.TripsKicker[kBoard]; // 0 on a three-card board
    const int fullTrips = m.FullTrips[kHand];
    const int fullPair = m.FullPair[kHand];
    r.highCardTest(HighCardWording::kWeak);                                                          // 1
    r.step(fullTrips == tr && fullPair < tk, "WEAK: MID PAIR (FULL HOUSE)");                         // 2
    r.firstOf({{r.pocket && fullTrips == tr && fullPair < tk, "WEAK: MID POCKET PAIR (FULL HOUSE)"}, // 3
               {fullPair == tk && fullTrips == tr && tk > 0, "MEDIUM: TOP PAIR (FULL HOUSE)"},
               {r.pocket && fullTrips == tr && fullPair > tk, "STRONG: OVERPAIR (FULL HOUSE)"}});
    r.step(fullTrips > tr, "STRONG: MAX FULL HOUSE");      // 4
    r.step(m.PokerRank[kHand] > 0, "NUTS ON HAND: POKER"); // 5
}

void ruleSetD(StrengthRules& r) {
    const int q = r.made.PokerRank[kBoard];
    const int bk = r.made.PokerKicker[kBoard]; // 0 on a four-card board
    const std::array<int, 1> quadRank{q};
    const KickerLadder l = kickerLadder(quadRank);
    // Each alternative ends the classification; only the hero's higher card plays as the kicker.
    r.firstOf({{bk == l.L1, "NUTS ON BOARD: POKER"},
               {r.h2 > bk && r.h2 == l.L1, "NUTS ON HAND: POKER WITH TOP KICKER"},
               {r.h2 > bk && r.h2 == l.L2, "MEDIUM: POKER WITH 2ND KICKER"},
               {r.h2 <= bk, "NOTHING"},
               {r.h2 <= l.L3, "NOTHING: POKER WITH 3RD OR WORST KICKER"}});
}

void ruleSetE(StrengthRules& r) {
    const MadeHand& m = r.made;
    r.step(r.h2 > r.top && r.h2 == 14, "WEAK: HIGH CARD A");                      // 1
    r.step(m.DPLow[kHand] > m.DPLow[kBoard], "WEAK: MID DOUBLE PAIR");            // 2
    r.step(m.DPHigh[kHand] > m.DPHigh[kBoard], "MEDIUM: BEST DOUBLE PAIR");       // 3
    r.step(r.pocket && r.h1 > r.top, "MEDIUM: OVERPAIR");                         // 4
    r.step(m.FullTrips[kHand] > 0, "STRONG: FULL HOUSE");                         // 5
    r.step(m.FullTrips[kHand] >= m.DPHigh[kHand], "VERY STRONG: MAX FULL HOUSE"); // 6
    r.step(m.PokerRank[kHand] > 0, "VERY STRONG: POKER");                         // 7
    r.step(m.PokerRank[kHand] == m.DPHigh[kBoard], "NUTS ON HAND: MAX POKER");    // 8
}

void ruleSetF(StrengthRules& r) {
    const MadeHand& m = r.made;
    const int bt = m.FullTrips[kBoard];
    const int bp = m.FullPair[kBoard];
    const int quads = m.PokerRank[kHand];
    r.firstOf({{bt == 14 && bp == 13, "NUTS ON BOARD: MAX FULL HOUSE"}, // 1
               {m.FullTrips[kHand] > bt, "STRONG: MAX FULL"},
               {m.FullTrips[kHand] == bt && m.FullPair[kHand] > bp, "MEDIUM: POCKET FULL HOUSE"}});
    // Each alternative ends the classification, and nothing follows.
    r.firstOf({{quads == bt && bt > bp, "NUTS ON HAND: MAX POKER"}, // 2
               {quads == bt && bt < bp, "VERY STRONG: POKER"},
               {quads < bt && quads == bp, "VERY STRONG: POKER"},
               {quads > bt && quads == bp, "NUTS ON HAND: MAX POKER"}});
}

} // namespace tavolin
