#pragma once

#include "equity/hand_value.h"
#include "equity/holdings.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavolin::equity {

// What the villain's holdings hold on this board. The made classes partition the live range (each holding
// in exactly one); the draws are counted among them, on the flop and the turn only, for holdings without a
// straight or better. The draw rows exclude one another: a flush draw with a straight draw counts only as a
// combo draw, and the flush, open-ended and gutshot rows hold only the draws without the other kind.
//
// One pair is split by where it comes from: an overpair is a pocket pair above every board card; top and
// second pair pair the board's highest and second-highest distinct rank with a hole card; a weaker pair is
// any other pair made with a hole card, a pocket pair below the top board card among them. A pair that lies
// on the board alone is no pair. A flush draw is four to a flush with a hole card among them; a straight
// draw counts the ranks of a next card that would make a straight that needs a hole card: two or more are
// open-ended, one a gutshot.
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

// The rows one holding counts in: its made class and, on the flop and the turn for a hand below a straight,
// its draw row if it has one.
struct HoldingClasses {
    BoardClass Made = BoardClass::kNoPair;
    std::optional<BoardClass> Draw;
};

// For two cards and a board of three to five cards that share none; nullopt for any other input.
std::optional<HoldingClasses> classifyHolding(CardMask holding, CardMask board);

// classifyHolding for every holding on one board: the board is read once, and what two ranks decide alone
// (the hand without a flush, the straight draws) once for each pair of ranks met.
class BoardClassifier {
public:
    // Three to five different cards.
    explicit BoardClassifier(CardMask board);

    // Two cards that share none with the board.
    HoldingClasses classify(CardMask holding);
    // The holding's hand value with the board, as handValue gives it.
    HandValue valueOf(CardMask holding);

    // What the board is, for every holding.
    struct Shape {
        unsigned Ranks = 0;
        int TopRank = 0;
        int SecondRank = -1; // the second-highest distinct rank
        CardMask Cards = 0;
    };

private:
    struct PairFacts {
        HandValue Value = 0; // without a flush
        int StraightRanks = 0;
        bool Known = false;
    };
    const PairFacts& factsOf(CardMask holding);

    Shape Board;
    bool Draws = false;
    int FlushSuit = -1; // the suit with three or more on the board, if any
    std::array<PairFacts, 91> Facts{};
};

} // namespace tavolin::equity
