#include "analysis/card_input.h"

#include "cards/card_text.h"

#include <vector>

namespace tavolin {
namespace {

CardCheck problem(CardProblem kind) {
    CardCheck check;
    check.Problem = kind;
    return check;
}

// Card k (from 1) starts at character 3·(k−1); the separators between cards are never looked at. The
// letters are read exactly as cards are written: an upper-case rank, a lower-case suit.
CardCheck readCardText(const std::string& text, int count, bool onBoard, std::vector<Card>& cards) {
    for (int k = 1; k <= count; ++k) {
        const std::string written = text.substr(static_cast<std::size_t>(3 * (k - 1)), 2);
        const auto suit = suitOfLetter(written[1], LetterCase::kExact);
        if (!suit) return {CardProblem::kBadSuit, onBoard, k, written};
        const auto rank = rankOfLetter(written[0], LetterCase::kExact);
        if (!rank) return {CardProblem::kBadRank, onBoard, k, written};
        cards.emplace_back(*rank, *suit);
    }
    return {};
}

// The cards as one mask, or nullopt when a card is there twice.
std::optional<CardMask> maskOfDistinct(const std::vector<Card>& cards) {
    CardMask mask = 0;
    for (const Card card : cards) {
        if ((mask & card.mask()) != 0) return std::nullopt;
        mask |= card.mask();
    }
    return mask;
}

int boardCountForLength(std::size_t length) {
    switch (length) {
    case 8:
        return 3;
    case 11:
        return 4;
    case 14:
        return 5;
    default:
        return 0;
    }
}

} // namespace

CardMatrix matrixOf(CardMask cards) {
    CardMatrix matrix{};
    for (const Card card : cardsIn(cards)) {
        auto& suit = matrix[static_cast<std::size_t>(card.suit() + 1)];
        suit[static_cast<std::size_t>(card.rank())] = 1;
        if (card.rank() == kAce) suit[1] = 1;
    }
    return matrix;
}

CardCheck readCards(AnalysisContext& ctx, const std::string& holeText, std::string& boardText) {
    if (holeText.size() != 5) return problem(CardProblem::kHoleLength);
    std::vector<Card> hole;
    if (auto check = readCardText(holeText, 2, false, hole); !check.ok()) return check;
    const auto holeMask = maskOfDistinct(hole);
    if (!holeMask) return problem(CardProblem::kHoleDuplicate);

    const int boardCount = boardCountForLength(boardText.size());
    if (boardCount == 0) {
        boardText = "WRONG BOARDCARDS";
        return problem(CardProblem::kBoardLength);
    }
    std::vector<Card> board;
    if (auto check = readCardText(boardText, boardCount, true, board); !check.ok()) return check;
    const auto boardMask = maskOfDistinct(board);
    if (!boardMask) return problem(CardProblem::kBoardDuplicate);
    if ((*holeMask & *boardMask) != 0) return problem(CardProblem::kHoleOnBoard);

    ctx.BoardCount = boardCount;
    ctx.HoleCards = *holeMask;
    ctx.BoardCards = *boardMask;
    ctx.HoleMatrix = matrixOf(*holeMask);
    ctx.BoardMatrix = matrixOf(*boardMask);
    ctx.AllMatrix = matrixOf(*holeMask | *boardMask);
    CardCheck accepted;
    accepted.Hole = *holeMask;
    accepted.Board = *boardMask;
    return accepted;
}

std::string describeCardProblem(const CardCheck& check) {
    const std::string where = std::string(check.OnBoard ? "board card " : "hole card ") +
                              std::to_string(check.CardNumber) + " \"" + check.Card + "\"";
    switch (check.Problem) {
    case CardProblem::kNone:
        return "the cards are fine";
    case CardProblem::kHoleLength:
        return "the hole cards must be two cards one blank apart, such as \"Ad 7d\"";
    case CardProblem::kBoardLength:
        return "the board must be three to five cards one blank apart, such as \"3s 4c 5h\"";
    case CardProblem::kBadSuit:
        return where + ": the suit must be one of s, h, c, d";
    case CardProblem::kBadRank:
        return where + ": the rank must be one of A, K, Q, J, T, 9 .. 2 (upper case)";
    case CardProblem::kHoleDuplicate:
        return "the same card is given twice in the hole cards";
    case CardProblem::kBoardDuplicate:
        return "the same card is given twice on the board";
    case CardProblem::kHoleOnBoard:
        return "a hole card also lies on the board";
    }
    return "unknown card problem";
}

} // namespace tavolin
