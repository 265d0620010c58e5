#pragma once

#include "cards/card.h"
#include "history/money.h"

#include <array>
#include <string>
#include <vector>

namespace tavolin::history {

// More seated players than this make a hand unreadable (no hold'em table seats as many).
inline constexpr int kMaxPlayers = 23;

enum class Street { kPreflop, kFlop, kTurn, kRiver };
inline constexpr int kStreetCount = 4;

enum class Limit { kNoLimit, kPotLimit, kFixedLimit };

enum class Move {
    kPost, // a blind or a straddle: it counts towards the player's bet on the street
    kDead, // an ante or the dead part of a blind: in the pot, but no part of the street's bet
    kFold,
    kCheck,
    kCall,
    kBet,
    kRaise,
};

struct Action {
    int Player = 0; // index into HandRecord::Players
    Street OnStreet = Street::kPreflop;
    Move Kind = Move::kCheck;
    Money Added = 0; // chips this action puts in
};

struct SeatedPlayer {
    std::string Name;
    int Seat = 0;
    Money Stack = 0;     // chips at the start of the hand
    bool DealtIn = true; // false for a player sitting out
    Money Returned = 0;  // uncalled bets given back
    Money Collected = 0; // won from the pots
};

// Everything a hand history says about the money and the cards, whichever format it came in; readers
// fill it and buildHand turns it into the hero's hand.
struct HandRecord {
    std::string Id;
    std::string Game; // the game as the file names it, for a skip reason
    bool Holdem = false;
    Limit BetLimit = Limit::kNoLimit;
    bool Tournament = false;
    std::string Stakes; // the blinds as the file writes them, empty when it does not
    std::string Played; // when the hand was played, as the file writes it; empty when it does not
    std::vector<SeatedPlayer> Players;
    std::vector<Action> Actions;                   // in the order they happened
    std::array<CardMask, kStreetCount> NewCards{}; // the board cards each street turns (the first run's)
    std::vector<Card> DealtBoard;                  // the same cards in the order the file lists them
    int Hero = -1;                                 // index of the player whose cards were dealt face up
    CardMask Hole = 0;
    Money Rake = 0;
};

// The chips a player put in over the hand, posts and antes included.
Money putIn(const HandRecord& hand, int player);

// Gives the part of the last street's highest bet that nobody matched back to its maker, for files that
// do not say so themselves.
void returnUncalledBet(HandRecord& hand);

// What the player won or lost: collected + returned - put in.
Money net(const HandRecord& hand, int player);

} // namespace tavolin::history
