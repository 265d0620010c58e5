// Strength labels on boards with four or five cards toward a straight or a flush (rule sets L to O). Each
// table holds, for every reachable step of its rule set, a hand in which that step (or the alternative a
// chain picks) decides the label; the expected labels were worked out from the rule tables by hand.

#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::DecidingHand;
using support::expectLabels;

// A straight flush can only be the best one on four suited board cards, which these boards never hold, so
// the last step of rule sets L and M has no hand here.

TEST(StrengthRuleSetL, EachRowDecidesAHand) {
    // 8-7-6-5 rainbow: best one-card straight to 9, two-card straight to T; ladder A, K, Q.
    expectLabels(
        'L', {
                 {"none", "Kh 2d", "8s 7d 6c 5h", "NOTHING"},
                 {"1 ace", "Ah 2d", "8s 7d 6c 5h", "NOTHING: HIGH CARD A"},
                 {"1 king", "Kh Qd", "Ah 2d 3c 4s", "NOTHING: HIGH CARD K WITH A ON BOARD"},
                 {"2 bottom pair", "5d 2d", "8s 7d 6c 5h", "NOTHING: PAIR"},
                 {"2a", "7h 2d", "8s 7d 6c 5h", "NOTHING: MID PAIR 3RD KICKER OR WORST"},
                 {"2a k >= L2", "7h Kd", "8s 7d 6c 5h", "NOTHING: MID PAIR 2ND KICKER"},
                 {"2a k >= L1", "7h Ad", "8s 7d 6c 5h", "NOTHING: MID PAIR TOP KICKER"},
                 {"3 low kicker", "8h 2d", "8s 7d 6c 5h", "NOTHING: TOP PAIR"},
                 {"3a above 13", "8h Ad", "8s 7d 6c 5h", "NOTHING: TOP PAIR TOP KICKER"},
                 {"3a above 12", "8h Kd", "8s 7d 6c 5h", "NOTHING: TOP PAIR 2ND KICKER"},
                 {"3a above 11", "8h Qd", "8s 7d 6c 5h", "NOTHING: TOP PAIR 3RD KICKER"},
                 {"3a no grade, 3b not tried", "8h Jd", "8s 7d 6c 5h", "NOTHING: TOP PAIR"},
                 {"3b above 11", "Kh Qd", "Ks 9d 8c 7h 6s", "NOTHING: TOP PAIR 2ND KICKER"},
                 {"3b above 10", "Kh Jd", "Ks 9d 8c 7h 6s", "NOTHING: TOP PAIR 3RD KICKER"},
                 {"4", "Ah Ad", "8s 7d 6c 5h", "NOTHING: OVERPAIR"},
                 {"5", "8h 7h", "8s 7d 6c 5h", "NOTHING: DOUBLE PAIR"},
                 {"6", "8h 8d", "8s 7d 6c 5h", "WEAK: SET"},
                 {"7a", "4h 2d", "8s 7d 6c 5h", "MEDIUM: STRAIGHT"},
                 {"7b", "9h 2d", "8s 7d 6c 5h", "STRONG: MAX STRAIGHT WITH 1 CARD"},
                 {"7b three hearts", "Ts 2d", "Ah Kh Qh Jd", "STRONG: MAX STRAIGHT WITH 1 CARD"},
                 {"7c", "Th 2d", "As Kd Qc Jh", "NUTS ON HAND: MAX STRAIGHT WITH 1 CARD"},
                 {"7d", "Th 6d", "9s 8d 7c 5h 2s", "STRONG: STRAIGHT WITH 2 CARDS"},
                 {"7e", "Jh Td", "9s 8s 7c 5h 2s", "STRONG: MAX STRAIGHT WITH 2 CARDS"},
                 {"7f", "Th 9d", "8s 7d 6c 5h", "NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS"},
                 {"7f", "Jh Td", "9s 8d 7c 5h 2s", "NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS"},
                 {"7g", "Ah 2d", "9s 8d 7c 6h 5s", "NOTHING: STRAIGHT ON BOARD"},
                 {"7b over the board", "Th 2d", "9s 8d 7c 6h 5s", "STRONG: MAX STRAIGHT WITH 1 CARD"},
                 {"7f over the board", "Jh Td", "9s 8d 7c 6h 5s", "NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS"},
                 {"8", "As 3s", "9s 8s 7c 5h 2s", "STRONG: FLUSH"},
                 {"9", "Ts 6s", "9s 8s 7s 5h", "VERY STRONG: FLUSH STRAIGHT"},
             });
}

TEST(StrengthRuleSetM, EachRowDecidesAHand) {
    // 8-7-6-5-5 rainbow: best one-card straight to 9, two-card straight to T; ladder A, K, Q.
    expectLabels(
        'M', {
                 {"none", "Kh 2d", "8s 7d 6c 5h 5s", "NOTHING"},
                 {"1 ace", "Ah 2d", "8s 7d 6c 5h 5s", "NOTHING: HIGH CARD A"},
                 {"1 king", "Kh Qd", "Ah 2d 3c 4s 4h", "NOTHING: HIGH CARD K WITH A ON BOARD"},
                 {"2a", "3h 3d", "8s 7d 6c 5h 5s", "WEAK: 3RD POCKET PAIR OR WORST"},
                 {"2c-1", "6h 2d", "8s 7d 6c 5h 5s", "NOTHING: PAIR"},
                 {"2c-2 kT = L1", "8h Ad", "8s 7d 6c 5h 5s", "NOTHING: TOP PAIR TOP KICKER"},
                 {"2c-2 kT = L2", "8h Kd", "8s 7d 6c 5h 5s", "NOTHING: TOP PAIR 2ND KICKER"},
                 {"2c-2 kT = L3", "8h Qd", "8s 7d 6c 5h 5s", "NOTHING: TOP PAIR 3RD KICKER"},
                 {"2c-2 otherwise", "8h 2d", "8s 7d 6c 5h 5s", "NOTHING: TOP PAIR 3RD KICKER OR WORST"},
                 {"2c-3 kM = L1", "7h Ad", "8s 7d 6c 5h 5s", "NOTHING: MID PAIR TOP KICKER"},
                 {"2c-3 kM = L2", "7h Kd", "8s 7d 6c 5h 5s", "NOTHING: MID PAIR 2ND KICKER"},
                 {"2c-3 kM = L3", "7h Qd", "8s 7d 6c 5h 5s", "NOTHING: MID PAIR 3RD KICKER"},
                 {"2c-3 otherwise", "7h 2d", "8s 7d 6c 5h 5s", "NOTHING: MID PAIR 3RD KICKER OR WORST"},
                 {"2c-3 board pair on top", "8h Ad", "9s 9d 8c 7h 6s", "NOTHING: MID PAIR TOP KICKER"},
                 {"3", "Ah Ad", "8s 7d 6c 5h 5s", "NOTHING: OVERPAIR"},
                 {"4", "5d 2d", "8s 7d 6c 5h 5s", "WEAK: TRIPS"},
                 {"5 below the one-card best", "4h 2d", "8s 7d 6c 5h 5s", "MEDIUM: STRAIGHT"},
                 {"5 the one-card best", "9h 2d", "8s 7d 6c 5h 5s", "MEDIUM: MAX STRAIGHT WITH 1 CARD"},
                 {"5 below the two-card best", "Th 6d", "9s 8d 7c 5h 5s", "STRONG: STRAIGHT WITH 2 CARDS"},
                 {"5 the two-card best", "Th 9d", "8s 7d 6c 5h 5s", "STRONG: MAX STRAIGHT WITH 2 CARDS"},
                 {"6", "As 2s", "8s 7s 6c 5h 5s", "STRONG: FLUSH"},
                 {"7", "8h 8d", "8s 7d 6c 5h 5s", "VERY STRONG: FULL HOUSE"},
                 {"8", "8h 7h", "8s 8d 7c 6h 5s", "VERY STRONG: MAX FULL HOUSE"},
                 {"9 no suited three", "5d 5c", "8s 7d 6c 5h 5s", "NUTS ON HAND: POKER"},
                 {"9 three suited", "5d 5c", "8s 7s 6c 5h 5s", "VERY STRONG: POKER"},
                 {"10", "9s Ts", "8s 7s 6s 5h 5d", "VERY STRONG: FLUSH STRAIGHT"},
             });
}

TEST(StrengthRuleSetN, EachRowDecidesAHand) {
    // Ks-9s-6s-2s: flush ladder A, Q, J, T, 8, 7, no straight-flush window; kicker ladder A, Q, J.
    expectLabels(
        'N', {
                 {"none", "Qh 3d", "Ks 9s 6s 2s", "NOTHING"},
                 {"1 ace", "Ah 3d", "Ks 9s 6s 2s", "NOTHING: HIGH CARD A"},
                 {"1 king", "Kh 3d", "As 9s 6s 2s", "NOTHING: HIGH CARD K WITH A ON BOARD"},
                 {"2 bottom pair", "2h 3d", "Ks 9s 6s 2s", "NOTHING: PAIR"},
                 {"2a", "9h 3d", "Ks 9s 6s 2s", "NOTHING: MID PAIR 3RD KICKER OR WORST"},
                 {"2a k >= L2", "9h Qd", "Ks 9s 6s 2s", "NOTHING: MID PAIR 2ND KICKER"},
                 {"2a k >= L1", "9h Ad", "Ks 9s 6s 2s", "NOTHING: MID PAIR TOP KICKER"},
                 {"3 low kicker", "Kh 3d", "Ks 9s 6s 2s", "NOTHING: TOP PAIR"},
                 {"3a", "Kh Ad", "Ks 9s 6s 2s", "NOTHING: TOP PAIR TOP KICKER"},
                 {"3b above 11", "Kh Qd", "Ks 9s 6s 2s", "NOTHING: TOP PAIR 2ND KICKER"},
                 {"3b above 10", "Kh Jd", "Ks 9s 6s 2s", "NOTHING: TOP PAIR 3RD KICKER"},
                 {"3b no grade", "Kh Td", "Ks 9s 6s 2s", "NOTHING: TOP PAIR"},
                 {"4", "Ah Ad", "Ks 9s 6s 2s", "NOTHING: OVERPAIR"},
                 {"5", "Kh 9d", "Ks 9s 6s 2s", "NOTHING: DOUBLE PAIR"},
                 {"6", "9h 9d", "Ks 9s 6s 2s", "WEAK: SET"},
                 {"7 below the one-card best", "5h 2d", "9s 8s 7s 2s 6d", "WEAK: STRAIGHT"},
                 {"7 the one-card best", "Th 2d", "9s 8s 7s 2s 6d", "WEAK: MAX STRAIGHT WITH 1 CARD"},
                 {"7 below the two-card best", "7h 6d", "Ts 9s 8s 2s", "WEAK: STRAIGHT WITH 2 CARDS"},
                 {"7 the two-card best", "Qh Jd", "Ts 9s 8s 2s", "WEAK: MAX STRAIGHT WITH 2 CARDS"},
                 {"8 on board", "4h 3d", "Ks Js 9s 6s 2s", "NOTHING: FLUSH ON BOARD"},
                 {"8 sixth or worse", "5s 3d", "Ks 9s 6s 2s", "WEAK: 6TH OR WORST FLUSH"},
                 {"8 third to fifth", "Ts 3d", "Ks 9s 6s 2s", "MEDIUM: 3RD TO 5TH FLUSH"},
                 {"8 third to fifth, five on board", "3s 4d", "Ks Js 9s 6s 2s", "MEDIUM: 3RD TO 5TH FLUSH"},
                 {"8 second", "Qs 3d", "Ks 9s 6s 2s", "STRONG: 2ND FLUSH"},
                 {"8 first", "As 7d", "Ks 9s 6s 2s", "NUTS ON HAND: 1ST FLUSH"},
                 {"8 first, the higher of two suited hole cards", "As 3s", "Ks 9s 6s 2s",
                  "NUTS ON HAND: 1ST FLUSH"},
                 {"8 first, straight flush open", "As 3d", "9s 8s 7s 2s Kd", "VERY STRONG: 1ST FLUSH"},
                 {"9 four-card window", "5s 2d", "9s 8s 7s 6s Kd", "VERY STRONG: FLUSH STRAIGHT"},
                 {"9 three-card window", "Ts 7s", "Js 9s 8s 2s 3d", "VERY STRONG: FLUSH STRAIGHT"},
                 {"9 board straight flush beaten", "Ts 2d", "9s 8s 7s 6s 5s", "VERY STRONG: FLUSH STRAIGHT"},
                 {"10 four-card window", "Ts 2d", "9s 8s 7s 6s Kd", "NUTS ON HAND: MAX FLUSH STRAIGHT"},
                 {"10 three-card window", "Qs Ts", "Js 9s 8s 2s 3d", "NUTS ON HAND: MAX FLUSH STRAIGHT"},
                 {"11", "Ah 2d", "9s 8s 7s 6s 5s", "NUTS ON BOARD: MAX FLUSH STRAIGHT"},
             });
}

TEST(StrengthRuleSetO, EachRowDecidesAHand) {
    // Ks-9s-6s-2s-2d: flush ladder A, Q, J, T, 8, 7; kicker ladder A, Q, J.
    expectLabels('O',
                 {
                     {"none", "Qh 3d", "Ks 9s 6s 2s 2d", "NOTHING"},
                     {"1 ace", "Ah 3d", "Ks 9s 6s 2s 2d", "NOTHING: HIGH CARD A"},
                     {"1 king", "Kh 3d", "As 9s 6s 2s 2d", "NOTHING: HIGH CARD K WITH A ON BOARD"},
                     {"2a", "7h 7d", "Ks Kd 9s 6s 2s", "WEAK: 3RD POCKET PAIR OR WORST"},
                     {"2a above 3rd", "Qh Qd", "Ks Kd 9s 6s 2s", "NOTHING: MID POCKET PAIR"},
                     {"2b above 2nd", "Th Td", "Ks 9s 6s 2s 2d", "NOTHING: MID POCKET PAIR"},
                     {"2b below 2nd, chain ends", "7h 7d", "Ks 9s 6s 2s 2d", "NOTHING"},
                     {"2c-1", "6h 3d", "Ks 9s 6s 2s 2d", "NOTHING: PAIR"},
                     {"2c-2 kT = L1", "Kh Ad", "Ks 9s 6s 2s 2d", "NOTHING: TOP PAIR TOP KICKER"},
                     {"2c-2 kT = L2", "Kh Qd", "Ks 9s 6s 2s 2d", "NOTHING: TOP PAIR 2ND KICKER"},
                     {"2c-2 kT = L3", "Kh Jd", "Ks 9s 6s 2s 2d", "NOTHING: TOP PAIR 3RD KICKER"},
                     {"2c-2 otherwise", "Kh 3d", "Ks 9s 6s 2s 2d", "NOTHING: TOP PAIR 3RD KICKER OR WORST"},
                     {"2c-3 kM = L1", "9h Ad", "Ks 9s 6s 2s 2d", "NOTHING: MID PAIR TOP KICKER"},
                     {"2c-3 kM = L2", "9h Qd", "Ks 9s 6s 2s 2d", "NOTHING: MID PAIR 2ND KICKER"},
                     {"2c-3 kM = L3", "9h Jd", "Ks 9s 6s 2s 2d", "NOTHING: MID PAIR 3RD KICKER"},
                     {"2c-3 otherwise", "9h 3d", "Ks 9s 6s 2s 2d", "NOTHING: MID PAIR 3RD KICKER OR WORST"},
                     {"2c-3 board pair on top", "9h Ad", "Ks Kd 9s 6s 2s", "NOTHING: MID PAIR TOP KICKER"},
                     {"3", "Ah Ad", "Ks 9s 6s 2s 2d", "NOTHING: OVERPAIR"},
                     {"4", "2h 3d", "Ks 9s 6s 2s 2d", "WEAK: TRIPS"},
                     {"5 below the one-card best", "5h 2d", "9s 8s 7s 6d 6s", "WEAK: STRAIGHT"},
                     {"5 the one-card best", "Th 2d", "9s 8s 7s 6d 6s", "WEAK: MAX STRAIGHT WITH 1 CARD"},
                     {"5 the two-card best", "Jh Td", "9s 8s 7s 2s 2d", "WEAK: MAX STRAIGHT WITH 2 CARDS"},
                     {"5 below the two-card best", "6h 5d", "9s 8s 7s 2s 2d", "NOTHING"},
                     {"6 first", "As 3d", "Ks 9s 6s 2s 2d", "NUTS ON HAND: 1ST FLUSH"},
                     {"6 second", "Qs 3d", "Ks 9s 6s 2s 2d", "STRONG: 2ND FLUSH"},
                     {"7", "Kh 2h", "Ks 9s 6s 2s 2d", "VERY STRONG: FULL HOUSE"},
                     {"8", "Kh 9h", "Ks Kd 9s 6s 2s", "VERY STRONG: MAX FULL HOUSE"},
                     {"9 no straight texture", "2h 2c", "Ks 9s 6s 2s 2d", "NUTS ON HAND: POKER"},
                     {"9 straight texture", "2h 2c", "9s 8s 7s 2s 2d", "VERY STRONG: POKER"},
                     {"10", "5s 2d", "9s 8s 7s 6s 6d", "VERY STRONG: FLUSH STRAIGHT"},
                     {"11", "Ts 2d", "9s 8s 7s 6s 6d", "NUTS ON HAND: MAX FLUSH STRAIGHT"},
                 });
}

} // namespace
} // namespace tavolin
