#pragma once

#include "analysis/analysis_context.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tavolin {

// L1 > L2 > L3: the three highest ranks that are not among the given ranks.
struct KickerLadder {
    int L1 = 14;
    int L2 = 13;
    int L3 = 12;
};

// Lowers the ladder past each of the ranks, highest first; a rank repeated later matches nothing.
KickerLadder kickerLadder(std::span<const int> ranksHighestFirst);

// One alternative of a chain: its label applies when it is the first alternative that holds.
struct Alternative {
    bool Holds;
    std::string_view Label;
};

// Which tier the high-card test speaks in.
enum class HighCardWording { kWeak, kNothing };

// What a rule set works with: the short names its rules use for the board, the hole cards, the coordination
// and the made hand, the shared tests, and the steps that write the label.
class StrengthRules {
public:
    explicit StrengthRules(AnalysisContext& ctx);

    const MadeHand& made;
    int n;                  // board cards
    int top, second, third; // highest, 2nd and 3rd board card; equal ranks count separately
    int h1, h2;             // lower and higher hole rank
    bool pocket;            // h1 = h2
    int S, F;               // StraightCoor, FlushCoor
    int ST, SB;             // the hero's best straight, a straight on the board itself
    int SW1, SW2;           // best straight with one / two hole cards
    int SSW1, SSW2;         // the same windows for a straight flush of one suit

    // A step: when it holds its label replaces the current one. Returns whether it held.
    bool step(bool holds, std::string_view label);
    // A chain: only the first alternative that holds applies. Returns whether one held.
    bool firstOf(std::initializer_list<Alternative> alternatives);

    // Ace in hand against an ace-less board, or a king against a board ace.
    void highCardTest(HighCardWording wording);

    // The kicker ladder of the board.
    KickerLadder boardLadder() const;
    // k: the hole card that is not of the pair's rank (a pocket pair is its own kicker).
    int pairKicker() const;
    // kT and kM: the kicker beside the hero's top or mid pair on a paired board.
    int topPairKicker() const;
    int midPairKicker() const;

    // Flush ladder, the hero's flush card and the flush-rank chain, for four or five suited board cards.
    void flushRank();
    // The hero's straight flush is at least as high as any straight flush the board leaves open.
    bool bestStraightFlushOnHand() const;

private:
    AnalysisContext& ctx_;
};

// FL1 > ... > FL6 in [1..6]: the six highest ranks of the coordinated suit that are not on the board.
std::array<int, 7> flushLadder(const AnalysisContext& ctx);

// Updates HeroFlushHigh with the hero's highest hole rank in the coordinated suit; no such card keeps it.
void readHeroFlushHigh(AnalysisContext& ctx);

} // namespace tavolin
