#pragma once

#include <string>

namespace tavolin::history::written {

// Hands written for cases the samples lack; the sums in their comments are worked out by hand.

// A tournament hand: antes, thousands separators, a name with blanks, a colon, brackets and an umlaut,
// the hero checking and then raising all-in on the flop against two opponents.
//   Antes 3 x 25 and 600 each from three players: 1,875 before the flop. Hero: ante 25, small blind 100,
//   calls 500 (625 in, 2,375 behind). Flop: checks; big stack bets 1,000 and Jörg calls: pot 3,875, Hero
//   raises all-in 2,375 facing 1,000; Jörg calls 1,375. Pot 7,625 to Hero: net +4,625, Jörg -3,000, big
//   stack -1,625.
inline const std::string kTournament =
    "Room Hand #200000000001: Tournament #3000000001, $10+$1 USD Hold'em No Limit - Level V (100/200) "
    "- "
    "2024/01/05 20:00:00 ET\n"
    "Table '3000000001 7' 9-max Seat #1 is the button\n"
    "Seat 1: J\xC3\xB6rg [x]: y (4,000 in chips)\n"
    "Seat 2: Hero (3,000 in chips)\n"
    "Seat 3: big stack (12,500 in chips)\n"
    "J\xC3\xB6rg [x]: y: posts the ante 25\n"
    "Hero: posts the ante 25\n"
    "big stack: posts the ante 25\n"
    "Hero: posts small blind 100\n"
    "big stack: posts big blind 200\n"
    "*** HOLE CARDS ***\n"
    "Dealt to Hero [Ah Kh]\n"
    "J\xC3\xB6rg [x]: y: raises 400 to 600\n"
    "Hero: calls 500\n"
    "big stack: calls 400\n"
    "*** FLOP *** [Qh 7h 2c]\n"
    "Hero: checks\n"
    "big stack: bets 1,000\n"
    "J\xC3\xB6rg [x]: y: calls 1,000\n"
    "Hero: raises 1,375 to 2,375 and is all-in\n"
    "big stack: folds\n"
    "J\xC3\xB6rg [x]: y: calls 1,375 and is all-in\n"
    "*** TURN *** [Qh 7h 2c] [3d]\n"
    "*** RIVER *** [Qh 7h 2c 3d] [9h]\n"
    "*** SHOW DOWN ***\n"
    "Hero: shows [Ah Kh] (a flush, Ace high)\n"
    "J\xC3\xB6rg [x]: y: shows [Qs Qd] (three of a kind, Queens)\n"
    "Hero collected 7,625 from pot\n"
    "*** SUMMARY ***\n"
    "Total pot 7,625 | Rake 0\n"
    "Board [Qh 7h 2c 3d 9h]\n"
    "Seat 2: Hero (small blind) showed [Ah Kh] and won (7,625) with a flush, Ace high\n";

// Run twice after an all-in on the flop: the hero calls 144 into 156 (price 0.48) heads-up, and takes
// half of the $297 left after a $3 rake on each board: net +147.
inline const std::string kRunTwice =
    "Room Hand #200000000002:  Hold'em No Limit ($1/$2 USD) - 2024/01/05 20:10:00 ET\n"
    "Table 'Twice' 6-max Seat #1 is the button\n"
    "Seat 1: Hero ($200 in chips)\n"
    "Seat 2: Villain ($150 in chips)\n"
    "Hero: posts small blind $1\n"
    "Villain: posts big blind $2\n"
    "*** HOLE CARDS ***\n"
    "Dealt to Hero [As Ad]\n"
    "Hero: raises $4 to $6\n"
    "Villain: calls $4\n"
    "*** FLOP *** [Kd 8s 3c]\n"
    "Villain: bets $144 and is all-in\n"
    "Hero: calls $144\n"
    "*** FIRST TURN *** [Kd 8s 3c] [2h]\n"
    "*** FIRST RIVER *** [Kd 8s 3c 2h] [Ks]\n"
    "*** SECOND TURN *** [Kd 8s 3c] [7d]\n"
    "*** SECOND RIVER *** [Kd 8s 3c 7d] [Qc]\n"
    "*** FIRST SHOW DOWN ***\n"
    "Hero collected $148.50 from pot\n"
    "*** SECOND SHOW DOWN ***\n"
    "Hero collected $148.50 from pot\n"
    "*** SUMMARY ***\n"
    "Total pot $300 | Rake $3\n";

} // namespace tavolin::history::written
