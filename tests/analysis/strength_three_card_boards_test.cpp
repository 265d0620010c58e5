// Strength labels on boards with three cards toward a straight or a flush (rule sets G to K). Each table
// holds, for every step of its rule set, a hand in which that step (or the alternative a chain picks) decides
// the label; the expected labels were worked out from the rule tables by hand.

#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::DecidingHand;
using support::expectLabels;

TEST(StrengthRuleSetG, EachRowDecidesAHand) {
    // 9-8-6 rainbow: the best two-card straight ends at T; kicker ladder A, K, Q.
    expectLabels('G', {
                          {"none", "Jh 2h", "9s 8d 6c", "NOTHING"},
                          {"1 ace", "Ah 2h", "9s 8d 6c", "WEAK: HIGH CARD A"},
                          {"1 king", "Kd 2h", "Ah Qd Jc", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2 bottom pair", "6h Ah", "9s 8d 6c", "WEAK: PAIR"},
                          {"2a", "Th Td", "Js 9d 8c", "WEAK: MID POCKET PAIR"},
                          {"2b k < L2", "8h Jh", "9s 8d 6c", "WEAK: MID PAIR 3RD OR WORST KICKER"},
                          {"2b k = L2", "8h Kh", "9s 8d 6c", "WEAK: MID PAIR 2ND KICKER"},
                          {"2b k = L1", "8h Ah", "9s 8d 6c", "WEAK: MID PAIR TOP KICKER"},
                          {"3 k <= L3", "9h Qh", "9s 8d 6c", "MEDIUM: TOP PAIR 3RD KICKER OR WORST"},
                          {"3 k <= L3", "9h 2h", "9s 8d 6c", "MEDIUM: TOP PAIR 3RD KICKER OR WORST"},
                          {"3 k = L2", "9h Kh", "9s 8d 6c", "MEDIUM: TOP PAIR 2ND KICKER"},
                          {"3 k = L1", "Ah 9h", "9s 8d 6c", "MEDIUM: TOP PAIR TOP KICKER"},
                          {"4", "Qh Qd", "9s 8d 6c", "MEDIUM: OVERPAIR"},
                          {"5", "9h 6h", "9s 8d 6c", "STRONG: DOUBLE PAIR"},
                          {"6", "9h 8h", "9s 8d 6c", "STRONG: BEST DOUBLE PAIR"},
                          {"7", "9h 9d", "9s 8d 6c", "STRONG: SET"},
                          {"8 below the best", "7h 5h", "9s 8d 6c", "VERY STRONG: STRAIGHT WITH 2 CARDS"},
                          {"8 the best", "Th 7h", "9s 8d 6c", "VERY STRONG: MAX STRAIGHT WITH 2 CARDS"},
                      });
}

TEST(StrengthRuleSetH, EachRowDecidesAHand) {
    // Ks-8s-3s: kickers graded by fixed ranks; Ts-8s-3s lets a kicker above the top card miss every grade.
    expectLabels('H', {
                          {"none", "7h 2d", "Ks 8s 3s", "NOTHING"},
                          {"1 ace", "Ah 2d", "Ks 8s 3s", "WEAK: HIGH CARD A"},
                          {"1 king", "Kh 2d", "As 8s 3s", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2 bottom pair", "3h 2d", "Ks 8s 3s", "WEAK: PAIR"},
                          {"2a", "Th Td", "Ks 8s 3s", "WEAK: MID POCKET PAIR"},
                          {"2b k < L2", "8h Jd", "Ks 8s 3s", "WEAK: MID PAIR 3RD OR WORST KICKER"},
                          {"2b k = L2", "8h Qd", "Ks 8s 3s", "WEAK: MID PAIR 2ND KICKER"},
                          {"2b k = L1", "8h Ad", "Ks 8s 3s", "WEAK: MID PAIR TOP KICKER"},
                          {"3 low kicker", "Kh 2d", "Ks 8s 3s", "MEDIUM: TOP PAIR"},
                          {"3b no grade", "Kh 9d", "Ks 8s 3s", "MEDIUM: TOP PAIR"},
                          {"3b no grade", "Kh Td", "Ks 8s 3s", "MEDIUM: TOP PAIR"},
                          {"3a above 13", "Ah Kd", "Ks 8s 3s", "MEDIUM: TOP PAIR TOP KICKER"},
                          {"3a above 12", "Th Kd", "Ts 8s 3s", "MEDIUM: TOP PAIR 2ND KICKER"},
                          {"3a above 11", "Th Qd", "Ts 8s 3s", "MEDIUM: TOP PAIR 3RD KICKER"},
                          {"3a no grade, 3b not tried", "Th Jd", "Ts 8s 3s", "MEDIUM: TOP PAIR"},
                          {"3b above 11", "Kh Qd", "Ks 8s 3s", "MEDIUM: TOP PAIR 2ND KICKER"},
                          {"3b above 10", "Kh Jd", "Ks 8s 3s", "MEDIUM: TOP PAIR 3RD KICKER"},
                          {"4", "Ah Ad", "Ks 8s 3s", "MEDIUM: OVERPAIR"},
                          {"5, no best two pair", "Kh 8d", "Ks 8s 3s", "STRONG: DOUBLE PAIR"},
                          {"6", "8h 8d", "Ks 8s 3s", "STRONG: SET"},
                          {"7 below the best", "7h 5d", "9s 8s 6s", "STRONG: STRAIGHT WITH 2 CARDS"},
                          {"7 the best", "Th 7d", "9s 8s 6s", "STRONG: MAX STRAIGHT WITH 2 CARDS"},
                          {"8", "Qs Js", "Ks 8s 3s", "VERY STRONG: FLUSH"},
                          {"8 after a straight", "7s 5s", "9s 8s 6d 2s", "VERY STRONG: FLUSH"},
                          {"9", "As 2s", "Ks 8s 3s", "NUTS ON HAND: MAX FLUSH"},
                          {"9 board ace", "5s 4s", "As 8s 3s", "NUTS ON HAND: MAX FLUSH"},
                          {"10", "8c 5c", "Qh Jh 6c 9c 7c", "VERY STRONG: FLUSH STRAIGHT"},
                          {"11", "Tc 8c", "Qh Jh 6c 9c 7c", "NUTS ON HAND: MAX FLUSH STRAIGHT"},
                      });
}

TEST(StrengthRuleSetI, EachRowDecidesAHand) {
    // 9-8-8-7 rainbow: best two-card straight to J, ladder A, K, Q. 9-9-7-6 puts the board pair on top.
    expectLabels('I', {
                          {"none", "Kh 2d", "9s 8d 8c 7h", "NOTHING"},
                          {"1 ace", "Ah 2d", "9s 8d 8c 7h", "WEAK: HIGH CARD A"},
                          {"1 king", "Kd 2c", "As Ad Qc Jh", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2a", "2h 2d", "9s 8d 8c 7h", "WEAK: 3RD POCKET PAIR OR WORST"},
                          {"2a above 3rd", "8h 8d", "9s 9d 7c 6h", "WEAK: MID POCKET PAIR"},
                          {"2b above 2nd", "Th Td", "Js 8d 8c 7h", "WEAK: MID POCKET PAIR"},
                          {"2b below 2nd, chain ends", "7h 7d", "Js Td 9c 5h 5s", "NOTHING"},
                          {"2c-1", "9h 2d", "Js Td 9c 5h 5s", "WEAK: PAIR"},
                          {"2c-2 kT = L1", "Ah 9h", "9s 8d 8c 7h", "MEDIUM: TOP PAIR TOP KICKER"},
                          {"2c-2 kT = L2", "Kh 9h", "9s 8d 8c 7h", "MEDIUM: TOP PAIR 2ND KICKER"},
                          {"2c-2 kT = L3", "Qh 9h", "9s 8d 8c 7h", "MEDIUM: TOP PAIR 3RD KICKER"},
                          {"2c-2 otherwise", "9h 2d", "9s 8d 8c 7h", "MEDIUM: TOP PAIR 3RD KICKER OR WORST"},
                          {"2c-3 kM = L1", "7s Ah", "9s 9d 7c 6h", "WEAK: MID PAIR TOP KICKER"},
                          {"2c-3 kM = L2", "7s Kh", "9s 9d 7c 6h", "WEAK: MID PAIR 2ND KICKER"},
                          {"2c-3 kM = L3", "7s Qh", "9s 9d 7c 6h", "WEAK: MID PAIR 3RD KICKER"},
                          {"2c-3 otherwise", "7s Jh", "9s 9d 7c 6h", "WEAK: MID PAIR 3RD KICKER OR WORST"},
                          {"2c-3 pair = 2nd", "7s 2d", "9s 8d 8c 7h", "WEAK: MID PAIR 3RD KICKER OR WORST"},
                          {"2c-3 pair = 2nd", "Jh Td", "Qs Jd 9c 5h 5s", "WEAK: MID PAIR 3RD KICKER"},
                          {"3", "Qh Qd", "9s 8d 8c 7h", "MEDIUM: OVERPAIR"},
                          {"4", "8h 2d", "9s 8d 8c 7h", "STRONG: TRIPS"},
                          {"5 below the best", "6h 5d", "9s 8d 8c 7h", "STRONG: STRAIGHT WITH 2 CARDS"},
                          {"5 the best", "Th Jd", "9s 8d 8c 7h", "STRONG: MAX STRAIGHT WITH 2 CARDS"},
                          {"6", "Qs 2s", "Ks 8s 8d 3s", "STRONG: FLUSH"},
                          {"7", "9h 9d", "9s 8d 8c 7h", "VERY STRONG: FULL HOUSE"},
                          {"8", "9h 8d", "9s 9d 8c 7h", "VERY STRONG: MAX FULL HOUSE"},
                          {"9 one texture", "8h 8s", "9s 8d 8c 7h", "NUTS ON HAND: POKER"},
                          {"9 flush texture only", "8h 8c", "Ks 8s 8d 3s", "NUTS ON HAND: POKER"},
                          {"9 both textures", "8h 8c", "9s 8s 8d 7s", "VERY STRONG: POKER"},
                          {"10", "8c 5c", "9c 7c 6c 6d", "VERY STRONG: FLUSH STRAIGHT"},
                          {"11", "Tc 8c", "9c 7c 6c 6d", "NUTS ON HAND: MAX FLUSH STRAIGHT"},
                      });
}

TEST(StrengthRuleSetJ, EachRowDecidesAHand) {
    // Kh-Kd-7h-7c-2h: three hearts beside two pair on the board.
    expectLabels('J', {
                          {"none", "Qs 3d", "Kh Kd 7h 7c 2h", "NOTHING"},
                          {"1 ace", "As 3d", "Kh Kd 7h 7c 2h", "WEAK: HIGH CARD A"},
                          {"1 king", "Ks 3d", "Ah Ad 7h 7c 2h", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2", "9s 9d", "Kh Kd 7h 7c 2h", "WEAK: MID DOUBLE PAIR"},
                          {"3", "As 2d", "Ah 9h 9d 5h 5c", "MEDIUM: MAX DOUBLE PAIR"},
                          {"4", "As Ad", "Kh Kd 7h 7c 2h", "MEDIUM: OVERPAIR"},
                          {"5 below the best", "6h 5d", "9s 8d 8c 7h 7s", "MEDIUM: STRAIGHT"},
                          {"5 the best", "Th Jd", "9s 8d 8c 7h 7s", "MEDIUM: MAX STRAIGHT WITH 2 CARDS"},
                          {"6", "Ah 5h", "Kh Kd 7h 7c 2h", "MEDIUM: FLUSH"},
                          {"7", "7s 4d", "Kh Kd 7h 7c 2h", "STRONG: FULL HOUSE"},
                          {"8", "Ks 4d", "Kh Kd 7h 7c 2h", "VERY STRONG: MAX FULL HOUSE"},
                          {"9", "7s 7d", "Kh Kd 7h 7c 2h", "VERY STRONG: POKER"},
                          {"10", "Ks Kc", "Kh Kd 7h 7c 2h", "NUTS ON HAND: MAX POKER"},
                      });
}

TEST(StrengthRuleSetK, EachRowDecidesAHand) {
    // T-9-8-8-8 rainbow: TR = 8, TK = T, the best two-card straight ends at Q.
    expectLabels('K', {
                          {"none", "3h 2d", "Ts 9d 8c 8h 8s", "NOTHING"},
                          {"1 ace", "Ah 2d", "Ts 9d 8c 8h 8s", "WEAK: HIGH CARD A"},
                          {"1 king", "Kd 7c", "3s 3d 3c Ah 2h", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2 below the best", "7h 6d", "Ts 9d 8c 8h 8s", "WEAK: STRAIGHT WITH 2 CARDS"},
                          {"2 the best", "Qh Jd", "Ts 9d 8c 8h 8s", "WEAK: MAX STRAIGHT WITH 2 CARDS"},
                          {"3", "As 2s", "8s 8d 8c Ks 4s", "WEAK: FLUSH"},
                          {"4", "9h 2d", "Ts 9d 8c 8h 8s", "WEAK: MID PAIR (FULL HOUSE)"},
                          {"5", "Ah Ad", "Ts 9d 8c 8h 8s", "MEDIUM: OVERPAIR (FULL HOUSE)"},
                          {"6", "Th 2d", "Ts 9d 8c 8h 8s", "MEDIUM: TOP PAIR (FULL HOUSE)"},
                          {"7", "Th Td", "Ts 9d 8c 8h 8s", "STRONG: MAX FULL HOUSE"},
                          {"8", "8d 2d", "Ts 9d 8c 8h 8s", "NUTS ON HAND: POKER"},
                      });
}

} // namespace
} // namespace tavolin
