// Strength labels: for every step of every rule set a hand in which that step (or the alternative a chain
// picks) decides the label, worked out from the rule tables by hand.

#include "analysis/strength.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tavolin {
namespace {

// One hand a line: rule set, hole cards, board | expected label | the step that decides. The high-card test
// is shared: its king row stands once for each wording.
constexpr std::string_view kDecidingHands = R"(
A Kh Qh 9s 5d 2c       | NOTHING                                 | none
A Ah 7s Ks 9d 4c       | WEAK: HIGH CARD A                       | 1 ace
A Kh Qh As 9d 4c       | WEAK: HIGH CARD K WITH A ON BOARD       | 1 king
A Ah 4h Ks 9d 4c       | WEAK: PAIR                              | 2 bottom pair
A Qh Qd Ks 9d 4c       | MEDIUM: MID POCKET PAIR                 | 2a
A 9h Jh Ks 9d 4c       | WEAK: MID PAIR 3RD OR WORST KICKER      | 2b k < L2
A 9h Qh Ks 9d 4c       | MEDIUM: MID PAIR 2ND KICKER             | 2b k = L2
A 9h Ah Ks 9d 4c       | MEDIUM: MID PAIR TOP KICKER             | 2b k = L1
A Kh Th Ks 9d 4c       | MEDIUM: TOP PAIR                        | 3 other kicker
A Kh Jh Ks 9d 4c       | MEDIUM: TOP PAIR 3RD KICKER             | 3 k = L3
A Kh Qh Ks 9d 4c       | STRONG: TOP PAIR 2ND KICKER             | 3 k = L2
A Ah Kh Ks 9d 4c       | STRONG: TOP PAIR TOP KICKER             | 3 k = L1
A Ah Ad Ks 9d 4c       | STRONG: OVERPAIR                        | 4
A 9h 4h Ks 9d 4c       | STRONG: DOUBLE PAIR                     | 5
A Kh 9h Ks 9d 4c       | VERY STRONG: BEST DOUBLE PAIR           | 6
A 9h 9s Ks 9d 4c       | VERY STRONG: SET                        | 7
B Qh 8h Ks Kd 5c       | NOTHING                                 | none
B Ah 7h Ks Kd 5c       | WEAK: HIGH CARD A                       | 1 ace
B 4h 4d Ks Kd 5c       | WEAK: 3RD POCKET PAIR OR WORST          | 2a
B 7h 7d Ks Kd 5c       | MEDIUM: MID POCKET PAIR                 | 2a above 3rd
B Th Td Kd 9s 5h 5c    | MEDIUM: MID POCKET PAIR                 | 2b above 2nd
B 7h 7d Kd 9s 5h 5c    | NOTHING                                 | 2b below 2nd, chain ends
B 5s 2d Ks Kd 9c 5h    | WEAK: PAIR                              | 2c-1
B Ah 9h 9s 5d 5c       | MEDIUM: TOP PAIR TOP KICKER             | 2c-2 kT = L1
B Kh 9h 9s 5d 5c       | MEDIUM: TOP PAIR 2ND KICKER             | 2c-2 kT = L2
B Qh 9h 9s 5d 5c       | MEDIUM: TOP PAIR 3RD KICKER             | 2c-2 kT = L3
B Jh 9h 9s 5d 5c       | MEDIUM: TOP PAIR 3RD KICKER OR WORST    | 2c-2 otherwise
B Ah 9h Ks Kd 9c       | MEDIUM: MID PAIR TOP KICKER             | 2c-3 kM = L1
B Qh 9h Ks Kd 9c       | MEDIUM: MID PAIR 2ND KICKER             | 2c-3 kM = L2
B Jh 9h Ks Kd 9c       | MEDIUM: MID PAIR 3RD KICKER             | 2c-3 kM = L3
B Th 9h Ks Kd 9c       | MEDIUM: MID PAIR 3RD KICKER OR WORST    | 2c-3 otherwise
B 8h Ah Ks 8d 5c 5h    | MEDIUM: MID PAIR TOP KICKER             | 2c-3 board pair low
B 5h 2h Ks Kd 5c       | MEDIUM: MID PAIR 3RD KICKER OR WORST    | 2c-3 board on top
B Ah Ad Ks Kd 5c       | MEDIUM: OVERPAIR                        | 3
B Kh 7h Ks Kd 5c       | STRONG: TRIPS                           | 4
B 5h 5d Ks Kd 5c       | VERY STRONG: FULL HOUSE                 | 5
B Kh 5h Ks Kd 5c       | VERY STRONG: MAX FULL HOUSE             | 6
B Kh Kc Ks Kd 5c       | VERY STRONG: POKER                      | 7
C Qh 7h 8s 8d 8c Kh    | NOTHING                                 | none
C Ah 2h 8s 8d 8c Kh    | WEAK: HIGH CARD A                       | 1 ace
C 4h 2h 8s 8d 8c Kh 4d | WEAK: MID PAIR (FULL HOUSE)             | 2
C 5h 5d 8s 8d 8c Kh    | WEAK: MID POCKET PAIR (FULL HOUSE)      | 3a
C Kd Qh 8s 8d 8c Kh    | MEDIUM: TOP PAIR (FULL HOUSE)           | 3b
C Ah Ad 8s 8d 8c Kh    | STRONG: OVERPAIR (FULL HOUSE)           | 3c
C 5h 5d 8s 8d 8c       | STRONG: OVERPAIR (FULL HOUSE)           | 3c without TK
C Kd Kc 8s 8d 8c Kh    | STRONG: MAX FULL HOUSE                  | 4
C 8h 2h 8s 8d 8c Kh    | NUTS ON HAND: POKER                     | 5
D Kh Qh 7s 7h 7c 7d As | NUTS ON BOARD: POKER                    | a
D Ah 2h 7s 7h 7c 7d Kh | NUTS ON HAND: POKER WITH TOP KICKER     | b
D Kh 3h As Ah Ac Ad 2h | NUTS ON HAND: POKER WITH TOP KICKER     | b four aces
D Ah 2h Ks Kh Kc Kd    | NUTS ON HAND: POKER WITH TOP KICKER     | b turn
D Kh 3h 7s 7h 7c 7d 2h | MEDIUM: POKER WITH 2ND KICKER           | c
D Qh 2h Ks Kh Kc Kd    | MEDIUM: POKER WITH 2ND KICKER           | c turn
D Qh 2h 7s 7h 7c 7d Kh | NOTHING                                 | d before e
D Qh 3h 7s 7h 7c 7d 2h | NOTHING: POKER WITH 3RD OR WORST KICKER | e
D Jh 2h Ks Kh Kc Kd    | NOTHING: POKER WITH 3RD OR WORST KICKER | e turn
E Qh 2h Ks Kd 7c 7h    | NOTHING                                 | none
E Ah 2h Ks Kd 7c 7h    | WEAK: HIGH CARD A                       | 1
E Kh 2h As Ad 7c 7h    | NOTHING                                 | 1 has no king wording
E 9s 9d Ks Kd 7c 7h    | WEAK: MID DOUBLE PAIR                   | 2 pocket
E 9h 2d Ks Kd 7c 7h 9s | WEAK: MID DOUBLE PAIR                   | 2 paired
E Kh 2d Ks 7d 7c 5h 5s | MEDIUM: BEST DOUBLE PAIR                | 3
E Ah Ad Ks Kd 7c 7h    | MEDIUM: OVERPAIR                        | 4
E 7s 2h Ks Kd 7c 7h    | STRONG: FULL HOUSE                      | 5
E Kh 2h Ks Kd 7c 7h    | VERY STRONG: MAX FULL HOUSE             | 6
E Kh Ad Ks Kd 7c 7h As | STRONG: FULL HOUSE                      | 5, measured against the hero's top pair
E 7s 7d Ks Kd 7c 7h    | VERY STRONG: POKER                      | 7
E Kh Kc Ks Kd 7c 7h    | NUTS ON HAND: MAX POKER                 | 8
F Qh 2h Ks Kd Kc 9h 9s | NOTHING                                 | none, no high-card test
F Qh 2h As Ad Ac Kh Ks | NUTS ON BOARD: MAX FULL HOUSE           | 1a
F Kd 2c 9s 9d 9c Kh Ks | STRONG: MAX FULL                        | 1b
F Ah Ac Ks Kd Kc 9h 9s | MEDIUM: POCKET FULL HOUSE               | 1c
F Kh 2h Ks Kd Kc 9h 9s | NUTS ON HAND: MAX POKER                 | 2a
F Ah 2h As Ad Ac Kh Ks | NUTS ON HAND: MAX POKER                 | 2a after 1a
F 9h 2h 9s 9d 9c Kh Ks | VERY STRONG: POKER                      | 2b
F 9d 9c Ks Kd Kc 9h 9s | VERY STRONG: POKER                      | 2c
F Kd Kc 9s 9d 9c Kh Ks | NUTS ON HAND: MAX POKER                 | 2d
G Jh 2h 9s 8d 6c       | NOTHING                                 | none
G Ah 2h 9s 8d 6c       | WEAK: HIGH CARD A                       | 1 ace
G 6h Ah 9s 8d 6c       | WEAK: PAIR                              | 2 bottom pair
G Th Td Js 9d 8c       | WEAK: MID POCKET PAIR                   | 2a
G 8h Jh 9s 8d 6c       | WEAK: MID PAIR 3RD OR WORST KICKER      | 2b k < L2
G 8h Kh 9s 8d 6c       | WEAK: MID PAIR 2ND KICKER               | 2b k = L2
G 8h Ah 9s 8d 6c       | WEAK: MID PAIR TOP KICKER               | 2b k = L1
G 9h Qh 9s 8d 6c       | MEDIUM: TOP PAIR 3RD KICKER OR WORST    | 3 k <= L3
G 9h Kh 9s 8d 6c       | MEDIUM: TOP PAIR 2ND KICKER             | 3 k = L2
G Ah 9h 9s 8d 6c       | MEDIUM: TOP PAIR TOP KICKER             | 3 k = L1
G Qh Qd 9s 8d 6c       | MEDIUM: OVERPAIR                        | 4
G 9h 6h 9s 8d 6c       | STRONG: DOUBLE PAIR                     | 5
G 9h 8h 9s 8d 6c       | STRONG: BEST DOUBLE PAIR                | 6
G 9h 9d 9s 8d 6c       | STRONG: SET                             | 7
G 7h 5h 9s 8d 6c       | VERY STRONG: STRAIGHT WITH 2 CARDS      | 8 below the best
G Th 7h 9s 8d 6c       | VERY STRONG: MAX STRAIGHT WITH 2 CARDS  | 8 the best
H 7h 2d Ks 8s 3s       | NOTHING                                 | none
H Ah 2d Ks 8s 3s       | WEAK: HIGH CARD A                       | 1 ace
H 3h 2d Ks 8s 3s       | WEAK: PAIR                              | 2 bottom pair
H Th Td Ks 8s 3s       | WEAK: MID POCKET PAIR                   | 2a
H 8h Jd Ks 8s 3s       | WEAK: MID PAIR 3RD OR WORST KICKER      | 2b k < L2
H 8h Qd Ks 8s 3s       | WEAK: MID PAIR 2ND KICKER               | 2b k = L2
H 8h Ad Ks 8s 3s       | WEAK: MID PAIR TOP KICKER               | 2b k = L1
H Kh 2d Ks 8s 3s       | MEDIUM: TOP PAIR                        | 3 low kicker
H Kh 9d Ks 8s 3s       | MEDIUM: TOP PAIR                        | 3b no grade
H Ah Kd Ks 8s 3s       | MEDIUM: TOP PAIR TOP KICKER             | 3a above 13
H Th Kd Ts 8s 3s       | MEDIUM: TOP PAIR 2ND KICKER             | 3a above 12
H Th Qd Ts 8s 3s       | MEDIUM: TOP PAIR 3RD KICKER             | 3a above 11
H Th Jd Ts 8s 3s       | MEDIUM: TOP PAIR                        | 3a no grade, 3b not tried
H Kh Qd Ks 8s 3s       | MEDIUM: TOP PAIR 2ND KICKER             | 3b above 11
H Kh Jd Ks 8s 3s       | MEDIUM: TOP PAIR 3RD KICKER             | 3b above 10
H Ah Ad Ks 8s 3s       | MEDIUM: OVERPAIR                        | 4
H Kh 8d Ks 8s 3s       | STRONG: DOUBLE PAIR                     | 5, no best two pair
H 8h 8d Ks 8s 3s       | STRONG: SET                             | 6
H 7h 5d 9s 8s 6s       | STRONG: STRAIGHT WITH 2 CARDS           | 7 below the best
H Th 7d 9s 8s 6s       | STRONG: MAX STRAIGHT WITH 2 CARDS       | 7 the best
H Qs Js Ks 8s 3s       | VERY STRONG: FLUSH                      | 8
H As 2s Ks 8s 3s       | NUTS ON HAND: MAX FLUSH                 | 9
H 5s 4s As 8s 3s       | NUTS ON HAND: MAX FLUSH                 | 9 board ace
H 8c 5c Qh Jh 6c 9c 7c | VERY STRONG: FLUSH STRAIGHT             | 10
H Tc 8c Qh Jh 6c 9c 7c | NUTS ON HAND: MAX FLUSH STRAIGHT        | 11
I Kh 2d 9s 8d 8c 7h    | NOTHING                                 | none
I Ah 2d 9s 8d 8c 7h    | WEAK: HIGH CARD A                       | 1 ace
I 2h 2d 9s 8d 8c 7h    | WEAK: 3RD POCKET PAIR OR WORST          | 2a
I 8h 8d 9s 9d 7c 6h    | WEAK: MID POCKET PAIR                   | 2a above 3rd
I Th Td Js 8d 8c 7h    | WEAK: MID POCKET PAIR                   | 2b above 2nd
I 7h 7d Js Td 9c 5h 5s | NOTHING                                 | 2b below 2nd, chain ends
I 9h 2d Js Td 9c 5h 5s | WEAK: PAIR                              | 2c-1
I Ah 9h 9s 8d 8c 7h    | MEDIUM: TOP PAIR TOP KICKER             | 2c-2 kT = L1
I Kh 9h 9s 8d 8c 7h    | MEDIUM: TOP PAIR 2ND KICKER             | 2c-2 kT = L2
I Qh 9h 9s 8d 8c 7h    | MEDIUM: TOP PAIR 3RD KICKER             | 2c-2 kT = L3
I 9h 2d 9s 8d 8c 7h    | MEDIUM: TOP PAIR 3RD KICKER OR WORST    | 2c-2 otherwise
I 7s Ah 9s 9d 7c 6h    | WEAK: MID PAIR TOP KICKER               | 2c-3 kM = L1
I 7s Kh 9s 9d 7c 6h    | WEAK: MID PAIR 2ND KICKER               | 2c-3 kM = L2
I 7s Qh 9s 9d 7c 6h    | WEAK: MID PAIR 3RD KICKER               | 2c-3 kM = L3
I 7s Jh 9s 9d 7c 6h    | WEAK: MID PAIR 3RD KICKER OR WORST      | 2c-3 otherwise
I 7s 2d 9s 8d 8c 7h    | WEAK: MID PAIR 3RD KICKER OR WORST      | 2c-3 pair = 2nd
I Qh Qd 9s 8d 8c 7h    | MEDIUM: OVERPAIR                        | 3
I 8h 2d 9s 8d 8c 7h    | STRONG: TRIPS                           | 4
I 6h 5d 9s 8d 8c 7h    | STRONG: STRAIGHT WITH 2 CARDS           | 5 below the best
I Th Jd 9s 8d 8c 7h    | STRONG: MAX STRAIGHT WITH 2 CARDS       | 5 the best
I Qs 2s Ks 8s 8d 3s    | STRONG: FLUSH                           | 6
I 9h 9d 9s 8d 8c 7h    | VERY STRONG: FULL HOUSE                 | 7
I 9h 8d 9s 9d 8c 7h    | VERY STRONG: MAX FULL HOUSE             | 8
I 8h 8s 9s 8d 8c 7h    | NUTS ON HAND: POKER                     | 9 one texture
I 8h 8c Ks 8s 8d 3s    | NUTS ON HAND: POKER                     | 9 flush texture only
I 8h 8c 9s 8s 8d 7s    | VERY STRONG: POKER                      | 9 both textures
I 8c 5c 9c 7c 6c 6d    | VERY STRONG: FLUSH STRAIGHT             | 10
I Tc 8c 9c 7c 6c 6d    | NUTS ON HAND: MAX FLUSH STRAIGHT        | 11
J Qs 3d Kh Kd 7h 7c 2h | NOTHING                                 | none
J As 3d Kh Kd 7h 7c 2h | WEAK: HIGH CARD A                       | 1 ace
J 9s 9d Kh Kd 7h 7c 2h | WEAK: MID DOUBLE PAIR                   | 2
J As 2d Ah 9h 9d 5h 5c | MEDIUM: MAX DOUBLE PAIR                 | 3
J As Ad Kh Kd 7h 7c 2h | MEDIUM: OVERPAIR                        | 4
J 6h 5d 9s 8d 8c 7h 7s | MEDIUM: STRAIGHT                        | 5 below the best
J Th Jd 9s 8d 8c 7h 7s | MEDIUM: MAX STRAIGHT WITH 2 CARDS       | 5 the best
J Ah 5h Kh Kd 7h 7c 2h | MEDIUM: FLUSH                           | 6
J 7s 4d Kh Kd 7h 7c 2h | STRONG: FULL HOUSE                      | 7
J Ks 4d Kh Kd 7h 7c 2h | VERY STRONG: MAX FULL HOUSE             | 8
J 7s 7d Kh Kd 7h 7c 2h | VERY STRONG: POKER                      | 9
J Ks Kc Kh Kd 7h 7c 2h | NUTS ON HAND: MAX POKER                 | 10
K 3h 2d Ts 9d 8c 8h 8s | NOTHING                                 | none
K Ah 2d Ts 9d 8c 8h 8s | WEAK: HIGH CARD A                       | 1 ace
K 7h 6d Ts 9d 8c 8h 8s | WEAK: STRAIGHT WITH 2 CARDS             | 2 below the best
K Qh Jd Ts 9d 8c 8h 8s | WEAK: MAX STRAIGHT WITH 2 CARDS         | 2 the best
K As 2s 8s 8d 8c Ks 4s | WEAK: FLUSH                             | 3
K 9h 2d Ts 9d 8c 8h 8s | WEAK: MID PAIR (FULL HOUSE)             | 4
K Ah Ad Ts 9d 8c 8h 8s | MEDIUM: OVERPAIR (FULL HOUSE)           | 5
K Th 2d Ts 9d 8c 8h 8s | MEDIUM: TOP PAIR (FULL HOUSE)           | 6
K Th Td Ts 9d 8c 8h 8s | STRONG: MAX FULL HOUSE                  | 7
K 8d 2d Ts 9d 8c 8h 8s | NUTS ON HAND: POKER                     | 8
L Kh 2d 8s 7d 6c 5h    | NOTHING                                 | none
L Ah 2d 8s 7d 6c 5h    | NOTHING: HIGH CARD A                    | 1 ace
L Kh Qd Ah 2d 3c 4s    | NOTHING: HIGH CARD K WITH A ON BOARD    | 1 king
L 5d 2d 8s 7d 6c 5h    | NOTHING: PAIR                           | 2 bottom pair
L 7h 2d 8s 7d 6c 5h    | NOTHING: MID PAIR 3RD KICKER OR WORST   | 2a
L 7h Kd 8s 7d 6c 5h    | NOTHING: MID PAIR 2ND KICKER            | 2a k >= L2
L 7h Ad 8s 7d 6c 5h    | NOTHING: MID PAIR TOP KICKER            | 2a k >= L1
L 8h 2d 8s 7d 6c 5h    | NOTHING: TOP PAIR                       | 3 low kicker
L 8h Ad 8s 7d 6c 5h    | NOTHING: TOP PAIR TOP KICKER            | 3a above 13
L 8h Kd 8s 7d 6c 5h    | NOTHING: TOP PAIR 2ND KICKER            | 3a above 12
L 8h Qd 8s 7d 6c 5h    | NOTHING: TOP PAIR 3RD KICKER            | 3a above 11
L 8h Jd 8s 7d 6c 5h    | NOTHING: TOP PAIR                       | 3a no grade, 3b not tried
L Kh Qd Ks 9d 8c 7h 6s | NOTHING: TOP PAIR 2ND KICKER            | 3b above 11
L Kh Jd Ks 9d 8c 7h 6s | NOTHING: TOP PAIR 3RD KICKER            | 3b above 10
L Ah Ad 8s 7d 6c 5h    | NOTHING: OVERPAIR                       | 4
L 8h 7h 8s 7d 6c 5h    | NOTHING: DOUBLE PAIR                    | 5
L 8h 8d 8s 7d 6c 5h    | WEAK: SET                               | 6
L 4h 2d 8s 7d 6c 5h    | MEDIUM: STRAIGHT                        | 7a
L 9h 2d 8s 7d 6c 5h    | STRONG: MAX STRAIGHT WITH 1 CARD        | 7b
L Ts 2d Ah Kh Qh Jd    | STRONG: MAX STRAIGHT WITH 1 CARD        | 7b three hearts
L Th 2d As Kd Qc Jh    | NUTS ON HAND: MAX STRAIGHT WITH 1 CARD  | 7c
L Th 6d 9s 8d 7c 5h 2s | STRONG: STRAIGHT WITH 2 CARDS           | 7d
L Jh Td 9s 8s 7c 5h 2s | STRONG: MAX STRAIGHT WITH 2 CARDS       | 7e
L Th 9d 8s 7d 6c 5h    | NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS | 7f
L Ah 2d 9s 8d 7c 6h 5s | NOTHING: STRAIGHT ON BOARD              | 7g
L Jh Td 9s 8d 7c 6h 5s | NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS | 7f over the board
L As 3s 9s 8s 7c 5h 2s | STRONG: FLUSH                           | 8
L Ts 6s 9s 8s 7s 5h    | VERY STRONG: FLUSH STRAIGHT             | 9
M Kh 2d 8s 7d 6c 5h 5s | NOTHING                                 | none
M Ah 2d 8s 7d 6c 5h 5s | NOTHING: HIGH CARD A                    | 1 ace
M 3h 3d 8s 7d 6c 5h 5s | WEAK: 3RD POCKET PAIR OR WORST          | 2a
M 6h 2d 8s 7d 6c 5h 5s | NOTHING: PAIR                           | 2c-1
M 8h Ad 8s 7d 6c 5h 5s | NOTHING: TOP PAIR TOP KICKER            | 2c-2 kT = L1
M 8h Kd 8s 7d 6c 5h 5s | NOTHING: TOP PAIR 2ND KICKER            | 2c-2 kT = L2
M 8h Qd 8s 7d 6c 5h 5s | NOTHING: TOP PAIR 3RD KICKER            | 2c-2 kT = L3
M 8h 2d 8s 7d 6c 5h 5s | NOTHING: TOP PAIR 3RD KICKER OR WORST   | 2c-2 otherwise
M 7h Ad 8s 7d 6c 5h 5s | NOTHING: MID PAIR TOP KICKER            | 2c-3 kM = L1
M 7h Kd 8s 7d 6c 5h 5s | NOTHING: MID PAIR 2ND KICKER            | 2c-3 kM = L2
M 7h Qd 8s 7d 6c 5h 5s | NOTHING: MID PAIR 3RD KICKER            | 2c-3 kM = L3
M 7h 2d 8s 7d 6c 5h 5s | NOTHING: MID PAIR 3RD KICKER OR WORST   | 2c-3 otherwise
M 8h Ad 9s 9d 8c 7h 6s | NOTHING: MID PAIR TOP KICKER            | 2c-3 board pair on top
M Ah Ad 8s 7d 6c 5h 5s | NOTHING: OVERPAIR                       | 3
M 5d 2d 8s 7d 6c 5h 5s | WEAK: TRIPS                             | 4
M 4h 2d 8s 7d 6c 5h 5s | MEDIUM: STRAIGHT                        | 5 below the one-card best
M 9h 2d 8s 7d 6c 5h 5s | MEDIUM: MAX STRAIGHT WITH 1 CARD        | 5 the one-card best
M Th 6d 9s 8d 7c 5h 5s | STRONG: STRAIGHT WITH 2 CARDS           | 5 below the two-card best
M Th 9d 8s 7d 6c 5h 5s | STRONG: MAX STRAIGHT WITH 2 CARDS       | 5 the two-card best
M As 2s 8s 7s 6c 5h 5s | STRONG: FLUSH                           | 6
M 8h 8d 8s 7d 6c 5h 5s | VERY STRONG: FULL HOUSE                 | 7
M 8h 7h 8s 8d 7c 6h 5s | VERY STRONG: MAX FULL HOUSE             | 8
M 5d 5c 8s 7d 6c 5h 5s | NUTS ON HAND: POKER                     | 9 no suited three
M 5d 5c 8s 7s 6c 5h 5s | VERY STRONG: POKER                      | 9 three suited
M 9s Ts 8s 7s 6s 5h 5d | VERY STRONG: FLUSH STRAIGHT             | 10
N Qh 3d Ks 9s 6s 2s    | NOTHING                                 | none
N Ah 3d Ks 9s 6s 2s    | NOTHING: HIGH CARD A                    | 1 ace
N 2h 3d Ks 9s 6s 2s    | NOTHING: PAIR                           | 2 bottom pair
N 9h 3d Ks 9s 6s 2s    | NOTHING: MID PAIR 3RD KICKER OR WORST   | 2a
N 9h Qd Ks 9s 6s 2s    | NOTHING: MID PAIR 2ND KICKER            | 2a k >= L2
N 9h Ad Ks 9s 6s 2s    | NOTHING: MID PAIR TOP KICKER            | 2a k >= L1
N Kh 3d Ks 9s 6s 2s    | NOTHING: TOP PAIR                       | 3 low kicker
N Kh Ad Ks 9s 6s 2s    | NOTHING: TOP PAIR TOP KICKER            | 3a
N Kh Qd Ks 9s 6s 2s    | NOTHING: TOP PAIR 2ND KICKER            | 3b above 11
N Kh Jd Ks 9s 6s 2s    | NOTHING: TOP PAIR 3RD KICKER            | 3b above 10
N Kh Td Ks 9s 6s 2s    | NOTHING: TOP PAIR                       | 3b no grade
N Ah Ad Ks 9s 6s 2s    | NOTHING: OVERPAIR                       | 4
N Kh 9d Ks 9s 6s 2s    | NOTHING: DOUBLE PAIR                    | 5
N 9h 9d Ks 9s 6s 2s    | WEAK: SET                               | 6
N 5h 2d 9s 8s 7s 2s 6d | WEAK: STRAIGHT                          | 7 below the one-card best
N Th 2d 9s 8s 7s 2s 6d | WEAK: MAX STRAIGHT WITH 1 CARD          | 7 the one-card best
N 7h 6d Ts 9s 8s 2s    | WEAK: STRAIGHT WITH 2 CARDS             | 7 below the two-card best
N Qh Jd Ts 9s 8s 2s    | WEAK: MAX STRAIGHT WITH 2 CARDS         | 7 the two-card best
N 4h 3d Ks Js 9s 6s 2s | NOTHING: FLUSH ON BOARD                 | 8 on board
N 5s 3d Ks 9s 6s 2s    | WEAK: 6TH OR WORST FLUSH                | 8 sixth or worse
N Ts 3d Ks 9s 6s 2s    | MEDIUM: 3RD TO 5TH FLUSH                | 8 third to fifth
N Qs 3d Ks 9s 6s 2s    | STRONG: 2ND FLUSH                       | 8 second
N As 7d Ks 9s 6s 2s    | NUTS ON HAND: 1ST FLUSH                 | 8 first
N As 3s Ks 9s 6s 2s    | NUTS ON HAND: 1ST FLUSH                 | 8 first, the higher of two suited hole cards
N As 3d 9s 8s 7s 2s Kd | VERY STRONG: 1ST FLUSH                  | 8 first, straight flush open
N 5s 2d 9s 8s 7s 6s Kd | VERY STRONG: FLUSH STRAIGHT             | 9 four-card window
N Ts 7s Js 9s 8s 2s 3d | VERY STRONG: FLUSH STRAIGHT             | 9 three-card window
N Ts 2d 9s 8s 7s 6s 5s | VERY STRONG: FLUSH STRAIGHT             | 9 board straight flush beaten
N Ts 2d 9s 8s 7s 6s Kd | NUTS ON HAND: MAX FLUSH STRAIGHT        | 10 four-card window
N Qs Ts Js 9s 8s 2s 3d | NUTS ON HAND: MAX FLUSH STRAIGHT        | 10 three-card window
N Ah 2d 9s 8s 7s 6s 5s | NUTS ON BOARD: MAX FLUSH STRAIGHT       | 11
O Qh 3d Ks 9s 6s 2s 2d | NOTHING                                 | none
O Ah 3d Ks 9s 6s 2s 2d | NOTHING: HIGH CARD A                    | 1 ace
O 7h 7d Ks Kd 9s 6s 2s | WEAK: 3RD POCKET PAIR OR WORST          | 2a
O Qh Qd Ks Kd 9s 6s 2s | NOTHING: MID POCKET PAIR                | 2a above 3rd
O Th Td Ks 9s 6s 2s 2d | NOTHING: MID POCKET PAIR                | 2b above 2nd
O 7h 7d Ks 9s 6s 2s 2d | NOTHING                                 | 2b below 2nd, chain ends
O 6h 3d Ks 9s 6s 2s 2d | NOTHING: PAIR                           | 2c-1
O Kh Ad Ks 9s 6s 2s 2d | NOTHING: TOP PAIR TOP KICKER            | 2c-2 kT = L1
O Kh Qd Ks 9s 6s 2s 2d | NOTHING: TOP PAIR 2ND KICKER            | 2c-2 kT = L2
O Kh Jd Ks 9s 6s 2s 2d | NOTHING: TOP PAIR 3RD KICKER            | 2c-2 kT = L3
O Kh 3d Ks 9s 6s 2s 2d | NOTHING: TOP PAIR 3RD KICKER OR WORST   | 2c-2 otherwise
O 9h Ad Ks 9s 6s 2s 2d | NOTHING: MID PAIR TOP KICKER            | 2c-3 kM = L1
O 9h Qd Ks 9s 6s 2s 2d | NOTHING: MID PAIR 2ND KICKER            | 2c-3 kM = L2
O 9h Jd Ks 9s 6s 2s 2d | NOTHING: MID PAIR 3RD KICKER            | 2c-3 kM = L3
O 9h 3d Ks 9s 6s 2s 2d | NOTHING: MID PAIR 3RD KICKER OR WORST   | 2c-3 otherwise
O 9h Ad Ks Kd 9s 6s 2s | NOTHING: MID PAIR TOP KICKER            | 2c-3 board pair on top
O Ah Ad Ks 9s 6s 2s 2d | NOTHING: OVERPAIR                       | 3
O 2h 3d Ks 9s 6s 2s 2d | WEAK: TRIPS                             | 4
O 5h 2d 9s 8s 7s 6d 6s | WEAK: STRAIGHT                          | 5 below the one-card best
O Th 2d 9s 8s 7s 6d 6s | WEAK: MAX STRAIGHT WITH 1 CARD          | 5 the one-card best
O Jh Td 9s 8s 7s 2s 2d | WEAK: MAX STRAIGHT WITH 2 CARDS         | 5 the two-card best
O 6h 5d 9s 8s 7s 2s 2d | NOTHING                                 | 5 below the two-card best
O As 3d Ks 9s 6s 2s 2d | NUTS ON HAND: 1ST FLUSH                 | 6 first
O Qs 3d Ks 9s 6s 2s 2d | STRONG: 2ND FLUSH                       | 6 second
O Kh 2h Ks 9s 6s 2s 2d | VERY STRONG: FULL HOUSE                 | 7
O Kh 9h Ks Kd 9s 6s 2s | VERY STRONG: MAX FULL HOUSE             | 8
O 2h 2c Ks 9s 6s 2s 2d | NUTS ON HAND: POKER                     | 9 no straight texture
O 2h 2c 9s 8s 7s 2s 2d | VERY STRONG: POKER                      | 9 straight texture
O 5s 2d 9s 8s 7s 6s 6d | VERY STRONG: FLUSH STRAIGHT             | 10
O Ts 2d 9s 8s 7s 6s 6d | NUTS ON HAND: MAX FLUSH STRAIGHT        | 11
)";

// The text of a line from `from` up to the next bar, without the blanks around it.
std::string field(const std::string& line, std::size_t from) {
    const std::size_t first = line.find_first_not_of(' ', from);
    return line.substr(first, line.find_last_not_of(' ', line.find('|', first) - 1) - first + 1);
}

class StrengthRuleSet : public ::testing::TestWithParam<char> {};

TEST_P(StrengthRuleSet, EachStepDecidesItsHand) {
    std::istringstream lines{std::string(kDecidingHands)};
    int hands = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] != GetParam()) continue;
        const AnalysisContext ctx = support::analysed(line.substr(2, 5), field(line, 8));
        EXPECT_EQ(selectRuleSet(ctx), GetParam()) << line;
        EXPECT_EQ(ctx.StrengthLabel, field(line, line.find('|') + 1)) << line;
        ++hands;
    }
    EXPECT_GT(hands, 0);
}

INSTANTIATE_TEST_SUITE_P(AToO, StrengthRuleSet, ::testing::ValuesIn(std::string("ABCDEFGHIJKLMNO")),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return std::string(1, info.param);
                         });

} // namespace
} // namespace tavolin
