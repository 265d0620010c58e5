#pragma once

#include "analysis/pot_odds.h"
#include "cards/card.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin {

// Card counts indexed [suit 1..4][rank 1..14]; an ace stands at rank 1 and again at rank 14.
// Index 0 of both dimensions is unused so that the code reads like the card codes.
using CardMatrix = std::array<std::array<int, 15>, 5>;

// A value for the hero's whole holding (index 1) and for the board alone (index 2); index 0 is unused.
template <typename T> using HandBoardPair = std::array<T, 3>;
using RankPair = HandBoardPair<int>;

inline constexpr int kHand = 1;
inline constexpr int kBoard = 2;

// The made-hand record: ranks 2..14 (ace 14), 0 when absent.
struct MadeHand {
    RankPair HighCard{};
    RankPair PairRank{};
    RankPair PairKicker{};
    RankPair DPHigh{};
    RankPair DPLow{};
    RankPair DPKicker{};
    RankPair TripsRank{};
    RankPair TripsKicker{};
    RankPair FullTrips{};
    RankPair FullPair{};
    RankPair PokerRank{};
    RankPair PokerKicker{};
    RankPair FlushSuit{};
    RankPair StraightTop{};
    RankPair StraightFlushTop{};
    // The five highest ranks of the flush suit in base 100, highest first; 0 when there is no flush.
    HandBoardPair<std::int32_t> FlushValue{};
};

// What the amount boxes and profile boxes of the window hand to the analysis.
struct AnalysisArguments {
    std::string_view PotText;
    std::string_view HeroBetText;
    std::string_view VillainBetText;
    std::string_view StackText;
    int VillainPreflop = 1;
    int VillainPostflop = 1; // accepted, never read: the postflop profile has no effect
    bool CalcVillain = false;
    std::string_view DecimalSeparator = ".";
};

// Everything one analysis knows. Each step reads what earlier steps left here and writes its own results;
// a fresh object is the cleared state every analysis starts from.
struct AnalysisContext {
    // Card input
    CardMask HoleCards = 0;
    CardMask BoardCards = 0;
    CardMatrix HoleMatrix{};
    CardMatrix BoardMatrix{};
    CardMatrix AllMatrix{};
    int BoardCount = 0;

    // Made hand
    std::array<int, 3> HoleRanks{};         // [1..2] ascending, ace 14
    std::array<int, 6> BoardRanks{};        // [1..5] ascending, 0 after the last board card
    std::array<int, 8> AllRanks{};          // [1..7] ascending
    std::array<RankPair, 15> RankPresent{}; // [rank 1..14][1 holding, 2 board]
    std::array<RankPair, 5> SuitCount{};    // [suit 1..4][1 holding, 2 board]
    MadeHand Made;
    std::string MadeHandName;
    std::string SuitName;
    int BoardPairing = 0; // 0 none, 1 pair, 2 three of a kind, 3 four of a kind, 4 two pair, 5 full house

    // Board coordination and texture
    int FlushCoor = 0;
    int FlushCoorSuit = 0;
    int FlushProjects = 0;
    int StraightCoor = 0;
    int Coordination = 0;
    std::array<int, 6> FlushCoorRanks{};        // [1..5] right-aligned, highest at [BoardCount]
    std::array<int, 3> StraightWindows{};       // [1] four board ranks, [2] three
    std::array<int, 3> SuitedStraightWindows{}; // same, one suit only
    std::string BoardTexture;

    // Strength
    std::string StrengthLabel;
    int HeroFlushHigh = 0;

    // Outs
    float Outs = 0.0f;
    std::string OutsText = "0";
    // One mask per line addOutsLine wrote: the unseen cards the line speaks of, 0 for none.
    std::vector<CardMask> OutsCards;
    float EquityAllIn = 0.0f;
    float EquityNextCard = 0.0f;

    // Report
    PotOdds Odds;
    std::string Commitment = "0";

    void resetAnalysis() { *this = AnalysisContext{}; }
};

inline int maxInteger(int a, int b) {
    return a > b ? a : b;
}

} // namespace tavolin
