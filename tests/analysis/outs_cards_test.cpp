// The cards each outs line counts, over many random flops, turns and rivers, judged by the true hand
// evaluator: what every marked card does when it comes next.

#include "equity/hand_value.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

using equity::HandCategory;

// The ranks as bits 1..13 for 2..A, the ace also at bit 0.
unsigned rankBits(CardMask cards) {
    unsigned ranks = 0;
    for (int suit = 0; suit < kSuitCount; ++suit)
        ranks |= suitRanks(cards, suit);
    return (ranks << 1) | (ranks >> 12);
}

// Five ranks in a row among the hole cards, the board and `card`, holding `card` and a rank only the hero
// has.
bool straightThrough(CardMask hole, CardMask board, Card card) {
    const unsigned all = rankBits(hole | board | card.mask());
    const unsigned heroOnly = rankBits(hole) & ~rankBits(board);
    for (unsigned run = 0x1F; run <= 0x1F << 9; run <<= 1)
        if ((all & run) == run && (run & rankBits(card.mask())) != 0 && (run & heroOnly) != 0) return true;
    return false;
}

TEST(OutsCards, EveryMarkedCardDoesWhatItsLineSays) {
    std::mt19937 random(20261207u);
    for (int deal = 0; deal < 40000 && !HasFailure(); ++deal) {
        const std::vector<int> cards = support::dealt(random, 2 + 3 + deal % 3);
        CardMask hole = 0;
        CardMask board = 0;
        for (std::size_t i = 0; i < cards.size(); ++i)
            (i < 2 ? hole : board) |= Card::fromIndex(cards[i]).mask();
        HandInput input;
        input.Hole = cardNames(hole);
        input.Board = cardNames(board);
        const AnalysisResult result = analyse(input);
        ASSERT_EQ(result.OutsCards.size(), result.OutsLines.size());
        for (std::size_t i = 0; i < result.OutsLines.size(); ++i) {
            const std::string& line = result.OutsLines[i];
            const CardMask marked = result.OutsCards[i];
            SCOPED_TRACE(input.Hole + " | " + input.Board + ": " + line);
            // Every rule line counts unseen cards; the river, "No Projects" and the like count none.
            EXPECT_EQ(marked != 0, cards.size() < 7 && line != "No Projects" &&
                                       !line.starts_with("Hand already") && !line.starts_with("No valid"));
            EXPECT_EQ(marked & (hole | board), 0u);
            // Whole ranks and suits: both ends of an open straight draw, one rank for a closed one, the nine
            // cards left of a four-card flush.
            const auto has = [&line](const char* text) { return line.find(text) != std::string::npos; };
            const bool flush = has("Flush");
            const bool straight = !flush && has("traight");
            EXPECT_EQ(cardCount(marked), straight && has("pen straight project")     ? 8
                                         : straight && has("losed straight project") ? 4
                                         : line.starts_with("Flush project")         ? 9
                                                                                     : cardCount(marked));
            for (const Card card : cardsIn(marked)) {
                const HandCategory made = equity::categoryOf(equity::handValue(hole | board | card.mask()));
                // Four board ranks around a gap fill the board's own straight, the one line that says so.
                const bool throughHole =
                    line.starts_with("Higher closed") || straightThrough(hole, board, card);
                const bool pairsHole = (rankBits(hole) & rankBits(card.mask())) != 0;
                EXPECT_TRUE(straight ? made >= HandCategory::kStraight && throughHole
                            : flush  ? made >= HandCategory::kFlush
                                     : pairsHole || made >= HandCategory::kFullHouse)
                    << cardName(card);
            }
        }
    }
}

} // namespace
} // namespace tavolin
