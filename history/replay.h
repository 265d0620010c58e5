#pragma once

#include "equity/holdings.h"
#include "history/hand.h"
#include "history/hand_builder.h"
#include "history/skip.h"
#include "table/table.h"

#include <cstddef>
#include <istream>
#include <vector>

namespace tavolin::history {

// The board dealt by `street` (an index into hand.Streets), in the order it was dealt.
std::vector<Card> boardDealt(const Hand& hand, std::size_t street);

// The hero's hole cards, the higher rank first.
std::vector<Card> holeCards(const Hand& hand);

// True when one of the hero's decisions went against the price.
bool flagged(const Hand& hand);

// True when every amount of the hand is a whole number of its unit; else a replay writes hundredths, so
// that the pot stays a whole number the report can weigh.
bool wholeUnits(const Hand& hand);

// The table on one street of the hand: the hole cards, the board in dealt order, and the amounts the hero
// met there. Where the hero acted on the street, at the first flagged decision, else the first facing a
// bet, else the first: the pot before the two bets the hero weighed (other players' calls included), the
// hero's and the highest bet, the stack behind. Elsewhere the pot as the street began, no bets, and the
// stack as the hero's last action before it left it (empty when not yet known).
TableSetup streetSetup(const Hand& hand, std::size_t street);

// The hands read from a file or a paste, the one chosen and the street it shows.
struct HandList {
    std::vector<Hand> Hands;
    std::vector<Skip> Skipped;
    int Chosen = -1;
    std::size_t Shown = 0; // index into the chosen hand's Streets

    const Hand* chosen() const;
    // Chooses a hand and shows its flop, or its first street when no flop was dealt.
    bool choose(int index);
    bool nextStreet();
    bool previousStreet();
    // The chosen hand's decisions on the street shown.
    std::vector<const Decision*> decisionsShown() const;
    TableSetup setup() const { return streetSetup(*chosen(), Shown); }
};

// Every hand of the stream, read or skipped; decisions are weighed against `villainRange` when given, as
// `weigh` says.
HandList readHandList(std::istream& in, const equity::HoldingWeights* villainRange = nullptr,
                      Weigh weigh = Weigh::kEveryDecision);

} // namespace tavolin::history
