#include "analysis/card_input.h"

namespace tavolin {
namespace {

constexpr std::string_view kRankCharacters = "A23456789TJQK"; // rank code = position + 1
constexpr std::string_view kSuitCharacters = "shcd";          // suit code = position + 1

CardCheck problem(CardProblem kind) {
    return {kind, false, 0, {}};
}

int decode(std::string_view characters, char c) {
    const auto at = characters.find(c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

// Card k (from 1) starts at character 3·(k−1); the separators between cards are never looked at.
CardCheck readCardText(AnalysisContext& ctx, const std::string& text, bool onBoard, CardMatrix& matrix) {
    const int count = onBoard ? ctx.BoardCount : 2;
    for (int k = 1; k <= count; ++k) {
        ctx.CardText = text.substr(static_cast<std::size_t>(3 * (k - 1)), 2);
        const int suit = decode(kSuitCharacters, ctx.CardText[1]);
        if (suit == 0) return {CardProblem::kBadSuit, onBoard, k, ctx.CardText};
        const int rank = decode(kRankCharacters, ctx.CardText[0]);
        if (rank == 0) return {CardProblem::kBadRank, onBoard, k, ctx.CardText};
        ++matrix[suit][rank];
    }
    return {};
}

// Copies the low ace to rank 14 and tells whether every card is there at most once.
bool completeAndCheck(CardMatrix& matrix) {
    for (int suit = 1; suit <= 4; ++suit) {
        matrix[suit][14] = matrix[suit][1];
        for (int rank = 1; rank <= 13; ++rank) {
            if (matrix[suit][rank] > 1) return false;
        }
    }
    return true;
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

CardCheck readCards(AnalysisContext& ctx, const std::string& holeText, std::string& boardText) {
    if (holeText.size() != 5) return problem(CardProblem::kHoleLength);
    ctx.BoardCount = 2;
    if (auto check = readCardText(ctx, holeText, false, ctx.HoleMatrix); !check.ok()) return check;
    if (!completeAndCheck(ctx.HoleMatrix)) return problem(CardProblem::kHoleDuplicate);

    const int boardCount = boardCountForLength(boardText.size());
    if (boardCount == 0) {
        boardText = "WRONG BOARDCARDS";
        return problem(CardProblem::kBoardLength);
    }
    ctx.BoardCount = boardCount;
    if (auto check = readCardText(ctx, boardText, true, ctx.BoardMatrix); !check.ok()) return check;
    if (!completeAndCheck(ctx.BoardMatrix)) return problem(CardProblem::kBoardDuplicate);

    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            ctx.AllMatrix[suit][rank] = ctx.BoardMatrix[suit][rank] + ctx.HoleMatrix[suit][rank];
        }
    }
    if (!completeAndCheck(ctx.AllMatrix)) return problem(CardProblem::kHoleOnBoard);
    return {};
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
