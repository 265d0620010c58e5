#pragma once

#include "equity/holdings.h"

#include <array>
#include <string_view>

namespace tavolin::equity {

// What the villain's holdings hold on this board. The made classes partition the live range (each holding
// in exactly one); the draws are counted among them, on the flop and the turn only.
enum class BoardClass {
    kStraightFlush,
    kFourOfAKind,
    kFullHouse,
    kFlush,
    kStraight,
    kThreeOfAKind,
    kTwoPair,
    kOverpair,
    kTopPair,
    kSecondPair,
    kWeakerPair,
    kNoPair,
    kFlushDraw,
    kOpenEnded,
    kGutshot,
    kComboDraw,
};
constexpr int kBoardClassCount = 16;
constexpr int kMadeClassCount = 12;

// "straight flush", "four of a kind", ..., "no pair", "flush draw", "open-ended straight draw", "gutshot",
// "combo draw".
std::string_view boardClassName(BoardClass boardClass);

struct BoardClassRow {
    double Holdings = 0.0; // summed weight of the live holdings in the class
    double Share = 0.0;    // Holdings / the live range's summed weight
    double BeatHero = 0.0; // summed weight of those whose hand ranks above the hero's now
};

struct RangeOnBoard {
    std::array<BoardClassRow, kBoardClassCount> Rows{}; // indexed by BoardClass
    double Holdings = 0.0;                              // the live range's summed weight
    bool HasDraws = false;                              // flop or turn
};

// Empty (Holdings == 0) for input exactEquity would refuse. Allocates nothing.
RangeOnBoard rangeOnBoard(CardMask hero, CardMask board, const HoldingWeights& villain);

} // namespace tavolin::equity
