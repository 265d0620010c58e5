#pragma once

#include "cards/card.h"
#include "history/hand_record.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::history {

// One action of the hero after the flop, with the table as it stood when the hero had to act: what a
// replay puts on the table and what the verdict weighs.
struct Decision {
    Street OnStreet = Street::kFlop;
    CardMask Board = 0;   // the board so far
    Money Pot = 0;        // every chip in the middle before the hero acts, this street's bets included
    Money HeroBet = 0;    // the hero's bet so far on this street
    Money VillainBet = 0; // the highest bet on this street so far, the one the hero faces
    Money ToCall = 0;     // what the hero must add to stay in, no more than the hero's stack
    Money Stack = 0;      // the hero's chips behind before acting
    int Opponents = 0;    // players other than the hero still holding cards
    Move Action = Move::kCheck;
    Money Amount = 0;             // chips the action puts in
    std::optional<double> Price;  // ToCall / (Pot + ToCall), when there is something to call
    std::optional<double> Equity; // the hero's all-in equity against one to three opponents' ranges
    std::string NoEquity;         // why Equity is empty, when it is
    std::optional<std::string> Verdict;
    bool Flagged = false; // the verdict says the action went against the price
};

// A street as a replay shows it: the board once the street is dealt and the pot before its first bet.
struct StreetState {
    Street OnStreet = Street::kPreflop;
    CardMask Board = 0;
    Money PotBefore = 0;
};

struct PlayerResult {
    std::string Name;
    int Seat = 0;
    Money Stack = 0;
    Money Net = 0;
};

struct Hand {
    std::string Id;
    Limit BetLimit = Limit::kNoLimit;
    bool Tournament = false;
    std::string Stakes; // the blinds as the file writes them, empty when it does not
    std::string Played; // when the hand was played, as the file writes it; empty when it does not
    std::string Hero;
    CardMask Hole = 0;
    CardMask Board = 0;                // the whole board (the first run's when the hand was run twice)
    std::vector<Card> DealtBoard;      // its cards in the order they were dealt
    std::vector<PlayerResult> Players; // the players dealt in
    Money Net = 0;                     // the hero's
    Money Rake = 0;
    std::vector<StreetState> Streets; // the streets that were dealt, preflop first
    std::vector<Decision> Decisions;
};

} // namespace tavolin::history
