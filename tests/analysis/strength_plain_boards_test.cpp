// Strength labels on boards without three cards toward a straight or a flush (rule sets A to F). Each table
// holds, for every step of its rule set, a hand in which that step (or the alternative a chain picks) is the
// one that decides the label; the expected labels were worked out from the rule tables by hand.

#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::DecidingHand;
using support::expectLabels;

TEST(StrengthRuleSetA, EachRowDecidesAHand) {
    // K-9-4 rainbow: kicker ladder A, Q, J.
    expectLabels('A', {
                          {"none", "Kh Qh", "9s 5d 2c", "NOTHING"},
                          {"1 ace", "Ah 7s", "Ks 9d 4c", "WEAK: HIGH CARD A"},
                          {"1 king", "Kh Qh", "As 9d 4c", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2 bottom pair", "Ah 4h", "Ks 9d 4c", "WEAK: PAIR"},
                          {"2 low pocket pair", "5h 5d", "Ks 9d 4c", "WEAK: PAIR"},
                          {"2a", "Qh Qd", "Ks 9d 4c", "MEDIUM: MID POCKET PAIR"},
                          {"2b k < L2", "9h Jh", "Ks 9d 4c", "WEAK: MID PAIR 3RD OR WORST KICKER"},
                          {"2b k < L2", "9h 8h", "Ks 9d 4c", "WEAK: MID PAIR 3RD OR WORST KICKER"},
                          {"2b k = L2", "9h Qh", "Ks 9d 4c", "MEDIUM: MID PAIR 2ND KICKER"},
                          {"2b k = L1", "9h Ah", "Ks 9d 4c", "MEDIUM: MID PAIR TOP KICKER"},
                          {"3 other kicker", "Kh Th", "Ks 9d 4c", "MEDIUM: TOP PAIR"},
                          {"3 k = L3", "Kh Jh", "Ks 9d 4c", "MEDIUM: TOP PAIR 3RD KICKER"},
                          {"3 k = L2", "Kh Qh", "Ks 9d 4c", "STRONG: TOP PAIR 2ND KICKER"},
                          {"3 k = L1", "Ah Kh", "Ks 9d 4c", "STRONG: TOP PAIR TOP KICKER"},
                          {"4", "Ah Ad", "Ks 9d 4c", "STRONG: OVERPAIR"},
                          {"5", "9h 4h", "Ks 9d 4c", "STRONG: DOUBLE PAIR"},
                          {"5 top and bottom", "Kh 4h", "Ks 9d 4c", "STRONG: DOUBLE PAIR"},
                          {"6", "Kh 9h", "Ks 9d 4c", "VERY STRONG: BEST DOUBLE PAIR"},
                          {"7", "9h 9s", "Ks 9d 4c", "VERY STRONG: SET"},
                      });
}

TEST(StrengthRuleSetB, EachRowDecidesAHand) {
    // K-K-5: ladder A, Q, J (the second king matches nothing). 9-5-5: ladder A, K, Q. K-K-9: A, Q, J.
    expectLabels(
        'B', {
                 {"none", "Qh 8h", "Ks Kd 5c", "NOTHING"},
                 {"1 ace", "Ah 7h", "Ks Kd 5c", "WEAK: HIGH CARD A"},
                 {"1 king", "Kh 7h", "As Ad 5c", "WEAK: HIGH CARD K WITH A ON BOARD"},
                 {"2a", "4h 4d", "Ks Kd 5c", "WEAK: 3RD POCKET PAIR OR WORST"},
                 {"2a above 3rd", "7h 7d", "Ks Kd 5c", "MEDIUM: MID POCKET PAIR"},
                 {"2b above 2nd", "Th Td", "Kd 9s 5h 5c", "MEDIUM: MID POCKET PAIR"},
                 {"2b below 2nd, chain ends", "7h 7d", "Kd 9s 5h 5c", "NOTHING"},
                 {"2c-1", "5s 2d", "Ks Kd 9c 5h", "WEAK: PAIR"},
                 {"2c-2 kT = L1", "Ah 9h", "9s 5d 5c", "MEDIUM: TOP PAIR TOP KICKER"},
                 {"2c-2 kT = L2", "Kh 9h", "9s 5d 5c", "MEDIUM: TOP PAIR 2ND KICKER"},
                 {"2c-2 kT = L3", "Qh 9h", "9s 5d 5c", "MEDIUM: TOP PAIR 3RD KICKER"},
                 {"2c-2 otherwise", "Jh 9h", "9s 5d 5c", "MEDIUM: TOP PAIR 3RD KICKER OR WORST"},
                 {"2c-3 kM = L1", "Ah 9h", "Ks Kd 9c", "MEDIUM: MID PAIR TOP KICKER"},
                 {"2c-3 kM = L2", "Qh 9h", "Ks Kd 9c", "MEDIUM: MID PAIR 2ND KICKER"},
                 {"2c-3 kM = L3", "Jh 9h", "Ks Kd 9c", "MEDIUM: MID PAIR 3RD KICKER"},
                 {"2c-3 otherwise", "Th 9h", "Ks Kd 9c", "MEDIUM: MID PAIR 3RD KICKER OR WORST"},
                 {"2c-3 board pair low", "8h Ah", "Ks 8d 5c 5h", "MEDIUM: MID PAIR TOP KICKER"},
                 {"2c-3 board on top", "5h 2h", "Ks Kd 5c", "MEDIUM: MID PAIR 3RD KICKER OR WORST"},
                 {"2c-3 second ace matches no kicker", "Kh 5h", "As Ad 5c", "MEDIUM: MID PAIR TOP KICKER"},
                 {"3", "Ah Ad", "Ks Kd 5c", "MEDIUM: OVERPAIR"},
                 {"4", "Kh 7h", "Ks Kd 5c", "STRONG: TRIPS"},
                 {"5", "5h 5d", "Ks Kd 5c", "VERY STRONG: FULL HOUSE"},
                 {"6", "Kh 5h", "Ks Kd 5c", "VERY STRONG: MAX FULL HOUSE"},
                 {"7", "Kh Kc", "Ks Kd 5c", "VERY STRONG: POKER"},
             });
}

TEST(StrengthRuleSetC, EachRowDecidesAHand) {
    // Three eights with a king beside them: TR = 8, TK = K.
    expectLabels('C', {
                          {"none", "Qh 7h", "8s 8d 8c Kh", "NOTHING"},
                          {"1 ace", "Ah 2h", "8s 8d 8c Kh", "WEAK: HIGH CARD A"},
                          {"1 king", "Kd 2h", "8s 8d 8c Ah", "WEAK: HIGH CARD K WITH A ON BOARD"},
                          {"2", "4h 2h", "8s 8d 8c Kh 4d", "WEAK: MID PAIR (FULL HOUSE)"},
                          {"3a", "5h 5d", "8s 8d 8c Kh", "WEAK: MID POCKET PAIR (FULL HOUSE)"},
                          {"3b", "Kd Qh", "8s 8d 8c Kh", "MEDIUM: TOP PAIR (FULL HOUSE)"},
                          {"3c", "Ah Ad", "8s 8d 8c Kh", "STRONG: OVERPAIR (FULL HOUSE)"},
                          {"3c without TK", "5h 5d", "8s 8d 8c", "STRONG: OVERPAIR (FULL HOUSE)"},
                          {"4", "Kd Kc", "8s 8d 8c Kh", "STRONG: MAX FULL HOUSE"},
                          {"5", "8h 2h", "8s 8d 8c Kh", "NUTS ON HAND: POKER"},
                      });
}

TEST(StrengthRuleSetD, EachAlternativeDecidesAHand) {
    expectLabels('D', {
                          {"a", "Kh Qh", "7s 7h 7c 7d As", "NUTS ON BOARD: POKER"},
                          {"b", "Ah 2h", "7s 7h 7c 7d Kh", "NUTS ON HAND: POKER WITH TOP KICKER"},
                          {"b four aces", "Kh 3h", "As Ah Ac Ad 2h", "NUTS ON HAND: POKER WITH TOP KICKER"},
                          {"b turn", "Ah 2h", "Ks Kh Kc Kd", "NUTS ON HAND: POKER WITH TOP KICKER"},
                          {"c", "Kh 3h", "7s 7h 7c 7d 2h", "MEDIUM: POKER WITH 2ND KICKER"},
                          {"c turn", "Qh 2h", "Ks Kh Kc Kd", "MEDIUM: POKER WITH 2ND KICKER"},
                          {"d before e", "Qh 2h", "7s 7h 7c 7d Kh", "NOTHING"},
                          {"e", "Qh 3h", "7s 7h 7c 7d 2h", "NOTHING: POKER WITH 3RD OR WORST KICKER"},
                          {"e", "Jh 3h", "7s 7h 7c 7d 2h", "NOTHING: POKER WITH 3RD OR WORST KICKER"},
                          {"e turn", "Jh 2h", "Ks Kh Kc Kd", "NOTHING: POKER WITH 3RD OR WORST KICKER"},
                      });
}

TEST(StrengthRuleSetE, EachRowDecidesAHand) {
    expectLabels(
        'E', {
                 {"none", "Qh 2h", "Ks Kd 7c 7h", "NOTHING"},
                 {"1", "Ah 2h", "Ks Kd 7c 7h", "WEAK: HIGH CARD A"},
                 {"1 has no king wording", "Kh 2h", "As Ad 7c 7h", "NOTHING"},
                 {"2 pocket", "9s 9d", "Ks Kd 7c 7h", "WEAK: MID DOUBLE PAIR"},
                 {"2 paired", "9h 2d", "Ks Kd 7c 7h 9s", "WEAK: MID DOUBLE PAIR"},
                 {"3", "Kh 2d", "Ks 7d 7c 5h 5s", "MEDIUM: BEST DOUBLE PAIR"},
                 {"3 pocket below top", "9h 9d", "Ks 7d 7c 5h 5s", "MEDIUM: BEST DOUBLE PAIR"},
                 {"4", "Ah Ad", "Ks Kd 7c 7h", "MEDIUM: OVERPAIR"},
                 {"5", "7s 2h", "Ks Kd 7c 7h", "STRONG: FULL HOUSE"},
                 {"6", "Kh 2h", "Ks Kd 7c 7h", "VERY STRONG: MAX FULL HOUSE"},
                 {"5, measured against the hero's top pair", "Kh Ad", "Ks Kd 7c 7h As", "STRONG: FULL HOUSE"},
                 {"7", "7s 7d", "Ks Kd 7c 7h", "VERY STRONG: POKER"},
                 {"8", "Kh Kc", "Ks Kd 7c 7h", "NUTS ON HAND: MAX POKER"},
             });
}

TEST(StrengthRuleSetF, EachAlternativeDecidesAHand) {
    expectLabels('F', {
                          {"none, no high-card test", "Qh 2h", "Ks Kd Kc 9h 9s", "NOTHING"},
                          {"1a", "Qh 2h", "As Ad Ac Kh Ks", "NUTS ON BOARD: MAX FULL HOUSE"},
                          {"1b", "Kd 2c", "9s 9d 9c Kh Ks", "STRONG: MAX FULL"},
                          {"1c", "Ah Ac", "Ks Kd Kc 9h 9s", "MEDIUM: POCKET FULL HOUSE"},
                          {"2a", "Kh 2h", "Ks Kd Kc 9h 9s", "NUTS ON HAND: MAX POKER"},
                          {"2a after 1a", "Ah 2h", "As Ad Ac Kh Ks", "NUTS ON HAND: MAX POKER"},
                          {"2b", "9h 2h", "9s 9d 9c Kh Ks", "VERY STRONG: POKER"},
                          {"2c", "9d 9c", "Ks Kd Kc 9h 9s", "VERY STRONG: POKER"},
                          {"2d", "Kd Kc", "9s 9d 9c Kh Ks", "NUTS ON HAND: MAX POKER"},
                      });
}

TEST(StrengthReport, TheStrengthLineShowsTheLabel) {
    std::string board = "Ks 9d 4c";
    const std::string report = analyseHand("Ah Kh", board, "100", "0", "50", "500", 1, 1, false);
    EXPECT_NE(report.find("Strength: STRONG: TOP PAIR TOP KICKER\r\n"), std::string::npos) << report;
}

} // namespace
} // namespace tavolin
