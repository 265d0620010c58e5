#pragma once

#include "cards/card.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavolin::practice {

// Cards are 0..51: 13 * suit + (rank - 2), suits 0..3 for s, h, c, d and the ace rank 14.
using tavolin::CardMask;

enum class Street { kFlop, kTurn, kRiver };

// The villain's bet as a common fraction of the pot.
enum class BetSize { kQuarter, kThird, kHalf, kTwoThirds, kThreeQuarters, kPot, kPotAndHalf };
constexpr int kBetSizeCount = 7;

// One situation to practise on: the hero's cards, the board, and the bet the hero faces.
// A spot without amounts (Pot == 0) is a pure card question, as in the straight-draw drill.
struct Spot {
    std::array<int, 2> Hole{};
    std::array<int, 5> Board{};
    int BoardCount = 3;
    int Pot = 0;            // the pot before the villain's bet, whole chips
    int VillainBet = 0;     // any whole number of chips up to the stack
    int Stack = 0;          // the effective stack behind, never below VillainBet
    int PreflopProfile = 1; // the villain's preflop profile, 0..3 as in the window's list

    friend bool operator==(const Spot&, const Spot&) = default;
};

Street streetOf(const Spot& spot);
CardMask holeMask(const Spot& spot);
CardMask boardMask(const Spot& spot);

// "Ah Kh" and "Qh 7h 2c": the card texts the analysis and the window read.
std::string holeText(const Spot& spot);
std::string boardText(const Spot& spot);

// The amounts as the window's boxes hold them; empty texts for a spot without amounts. The hero has not bet.
std::string potText(const Spot& spot);
std::string heroBetText(const Spot& spot);
std::string villainBetText(const Spot& spot);
std::string stackText(const Spot& spot);

// "1/4 pot", "1/3 pot", "1/2 pot", "2/3 pot", "3/4 pot", "pot", "1.5 pot".
std::string_view betSizeName(BetSize size);
// The spot's bet in words: the first size above whose amount it is, else "all-in" for the whole stack, else
// its share of the pot to two decimals ("0.41 pot"); empty without a pot.
std::string betName(const Spot& spot);
// The bet of that size into `pot`, rounded half up to whole chips.
int betAmount(int pot, BetSize size);

// The share of the final pot the hero puts in by calling: call / (pot + 2 * call) with the call capped by
// the stack, in single precision exactly as the report's PME(+1Card); 0 for a spot without amounts.
float priceOfCall(const Spot& spot);

// One line for people: "Ah Kh | Qh 7h 2c | pot 120, bet 60 (1/2 pot), stack 900 | Semiloose".
std::string describeSpot(const Spot& spot);

} // namespace tavolin::practice
