#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tavolin {
namespace {

std::string analyse(const std::string& hole, std::string board) {
    return analyseHand(hole, board, "", "", "", "", 1, 1, false);
}

TEST(CardInput, ReadsHoleAndBoardIntoMatrices) {
    AnalysisContext ctx;
    std::string board = "3s 4c 5h";
    ASSERT_TRUE(readCards(ctx, "Ad 7d", board).ok());
    EXPECT_EQ(ctx.BoardCount, 3);
    EXPECT_EQ(ctx.HoleMatrix[4][1], 1);
    EXPECT_EQ(ctx.HoleMatrix[4][14], 1);
    EXPECT_EQ(ctx.HoleMatrix[4][7], 1);
    EXPECT_EQ(ctx.BoardMatrix[1][3], 1);
    EXPECT_EQ(ctx.BoardMatrix[3][4], 1);
    EXPECT_EQ(ctx.BoardMatrix[2][5], 1);
    int holeCards = 0;
    int allCards = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            holeCards += ctx.HoleMatrix[suit][rank];
            allCards += ctx.AllMatrix[suit][rank];
            EXPECT_EQ(ctx.AllMatrix[suit][rank], ctx.HoleMatrix[suit][rank] + ctx.BoardMatrix[suit][rank]);
        }
    }
    EXPECT_EQ(holeCards, 2);
    EXPECT_EQ(allCards, 5);
    EXPECT_EQ(ctx.AllMatrix[4][14], 1);
}

struct Rejection {
    std::string Hole;
    std::string Board;
    CardProblem Problem;
};

TEST(CardInput, RejectsEveryKindOfBadCardWithTheEmptyReport) {
    const std::vector<Rejection> rejections{
        {"ad 7d", "3s 4c 5h", CardProblem::kBadRank},
        {"Ad 7D", "3s 4c 5h", CardProblem::kBadSuit},
        {"AS 7d", "3s 4c 5h", CardProblem::kBadSuit},
        {"1d 7d", "3s 4c 5h", CardProblem::kBadRank},
        {"Ad 7d", "3s 4c 5x", CardProblem::kBadSuit},
        {"Ad 7d", "3s 4c 5h 0d", CardProblem::kBadRank},
        {"Ad Ad", "3s 4c 5h", CardProblem::kHoleDuplicate},
        {"Ad 7d", "3s 3s 5h", CardProblem::kBoardDuplicate},
        {"Ad 7d", "Ad 4c 5h", CardProblem::kHoleOnBoard},
        {"Ad 7d", "3s 4c 5h 8d 7d", CardProblem::kHoleOnBoard},
        {"Ad 7", "3s 4c 5h", CardProblem::kHoleLength},
        {"Ad 7d ", "3s 4c 5h", CardProblem::kHoleLength},
        {"", "", CardProblem::kHoleLength},
        {"Ad 7d", "3s 4c 5h 8", CardProblem::kBoardLength},
        {"Ad 7d", "3s 4c", CardProblem::kBoardLength},
        {"Ad 7d", "", CardProblem::kBoardLength},
        {"Ad 7d", "3s 4c 5h 8d 9d 2c", CardProblem::kBoardLength},
    };
    for (const auto& rejection : rejections) {
        AnalysisContext ctx;
        std::string board = rejection.Board;
        EXPECT_EQ(readCards(ctx, rejection.Hole, board).Problem, rejection.Problem)
            << rejection.Hole << " / " << rejection.Board;
        EXPECT_EQ(analyse(rejection.Hole, rejection.Board), "") << rejection.Hole << " / " << rejection.Board;
        EXPECT_FALSE(describeCardProblem(readCards(ctx, rejection.Hole, board)).empty());
    }
}

TEST(CardInput, WrongBoardLengthOverwritesTheCallersBoardText) {
    std::string board = "3s 4c 5h 8d"; // 11 characters is fine
    board += "x";                      // 12 is not
    EXPECT_EQ(analyseHand("Ad 7d", board, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(board, "WRONG BOARDCARDS");

    std::string untouched = "3s 4c 5h 8dx"; // a bad hole text stops before the board is looked at
    EXPECT_EQ(analyseHand("Ad 7d 9", untouched, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(untouched, "3s 4c 5h 8dx");
}

TEST(CardInput, AnySeparatorCharacterIsAccepted) {
    EXPECT_NE(analyse("Ad-7d", "3s 4c 5h"), "");
    EXPECT_EQ(analyse("Ad-7d", "3s|4c.5h"), analyse("Ad 7d", "3s 4c 5h"));
}

const std::vector<std::string> kDeck = [] {
    std::vector<std::string> cards;
    for (char rank : std::string("A23456789TJQK")) {
        for (char suit : std::string("shcd"))
            cards.push_back(std::string{rank, suit});
    }
    return cards;
}();

// An independent reading: split at the blanks' places, look each card up among the 52, check they differ.
bool referenceAccepts(const std::string& hole, const std::string& board) {
    static const std::set<std::string> deck(kDeck.begin(), kDeck.end());
    if (hole.size() != 5 || (board.size() != 8 && board.size() != 11 && board.size() != 14)) return false;
    std::set<std::string> seen;
    for (const std::string* text : {&hole, &board}) {
        for (std::size_t at = 0; at < text->size(); at += 3) {
            const std::string card = text->substr(at, 2);
            if (!deck.contains(card) || !seen.insert(card).second) return false;
        }
    }
    return true;
}

TEST(CardInput, AcceptsExactlyWhatAnIndependentReadingAccepts) {
    std::mt19937 random(20261206);
    const std::string alphabet = "A23456789TJQKshcd ax-";
    int accepted = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        // Mostly real cards (so that duplicates and hole-on-board clashes occur), sometimes noise.
        auto pick = [&](int count) {
            std::string text;
            for (int k = 0; k < count; ++k) {
                if (k > 0) text += ' ';
                if (random() % 20 == 0) {
                    text += alphabet[random() % alphabet.size()];
                    text += alphabet[random() % alphabet.size()];
                } else {
                    text += kDeck[random() % kDeck.size()];
                }
            }
            return text;
        };
        const std::string hole = random() % 30 == 0 ? pick(1) : pick(2);
        const std::string board = pick(3 + static_cast<int>(random() % (random() % 15 == 0 ? 5 : 3)));
        const bool expected = referenceAccepts(hole, board);
        EXPECT_EQ(!analyse(hole, board).empty(), expected) << hole << " / " << board;
        accepted += expected ? 1 : 0;
    }
    EXPECT_GT(accepted, 5000);
    EXPECT_LT(accepted, 19000);
}

} // namespace
} // namespace tavolin
