#pragma once

#include "analysis/analysis_context.h"
#include "cards/card.h"

#include <string>

namespace tavolin {

enum class CardProblem {
    kNone,
    kHoleLength,     // the hole-card text is not two cards
    kBoardLength,    // the board text is not three, four or five cards
    kBadSuit,        // a suit character other than s, h, c, d
    kBadRank,        // a rank character other than A 2..9 T J Q K
    kHoleDuplicate,  // the same card twice among the hole cards
    kBoardDuplicate, // the same card twice on the board
    kHoleOnBoard,    // a hole card that also lies on the board
};

struct CardCheck {
    CardProblem Problem = CardProblem::kNone;
    bool OnBoard = false; // for kBadSuit / kBadRank: which text holds the card
    int CardNumber = 0;   // for kBadSuit / kBadRank: 1-based position of the card in its text
    std::string Card;     // for kBadSuit / kBadRank: the two characters read
    CardMask Hole = 0;    // when ok: the cards read
    CardMask Board = 0;

    bool ok() const { return Problem == CardProblem::kNone; }
};

// The matrix the rules read, from cards: [suit + 1][rank], an ace also at rank 1.
CardMatrix matrixOf(CardMask cards);

// Reads both card texts into the matrices of the context and checks them, stopping at the first problem.
// A board text of a wrong length is replaced by "WRONG BOARDCARDS".
CardCheck readCards(AnalysisContext& ctx, const std::string& holeText, std::string& boardText);

// A sentence for a player: what was wrong with the cards.
std::string describeCardProblem(const CardCheck& check);

} // namespace tavolin
