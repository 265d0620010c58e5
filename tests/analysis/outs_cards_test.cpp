// The cards each outs line counts, checked over many random flops, turns and rivers against the true hand
// evaluator: what every marked card does when it comes next.

#include "equity/hand_value.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

using equity::HandCategory;

HandCategory categoryWith(CardMask cards) {
    return equity::categoryOf(equity::handValue(cards));
}

// Five ranks in a row among `cards` (the ace also below the two), holding `rank` and a rank only the hero
// holds.
bool straightThrough(CardMask hole, CardMask board, int rank) {
    const auto ranksOf = [](CardMask cards) {
        unsigned ranks = 0;
        for (int suit = 0; suit < kSuitCount; ++suit)
            ranks |= suitRanks(cards, suit);
        // Bit 0 is the ace below the two, bits 1..13 the ranks 2..14.
        return (ranks << 1) | (ranks >> 12);
    };
    const unsigned all = ranksOf(hole | board);
    const unsigned heroOnly = ranksOf(hole) & ~ranksOf(board);
    const unsigned wanted = (1U << (rank - 1)) | (rank == kAce ? 1U : 0U);
    for (int low = 0; low + 4 <= 13; ++low) {
        const unsigned run = 0x1FU << low;
        if ((all & run) == run && (run & wanted) != 0 && (run & heroOnly) != 0) return true;
    }
    return false;
}

int suitCount(CardMask cards, int suit) {
    return std::popcount(suitRanks(cards, suit));
}

void checkMarkedCards(const std::vector<int>& dealt) {
    const std::string holeText = support::cardsText({dealt[0], dealt[1]});
    const std::string boardText = support::cardsText({dealt.begin() + 2, dealt.end()});
    HandInput input;
    input.Hole = holeText;
    input.Board = boardText;
    const AnalysisResult result = analyse(input);
    SCOPED_TRACE(holeText + " | " + boardText + ": " + result.OutsText);
    const CardMask hole = Card::fromIndex(dealt[0]).mask() | Card::fromIndex(dealt[1]).mask();
    CardMask board = 0;
    for (std::size_t i = 2; i < dealt.size(); ++i)
        board |= Card::fromIndex(dealt[i]).mask();

    ASSERT_EQ(result.OutsCards.size(), result.OutsLines.size());
    for (std::size_t i = 0; i < result.OutsLines.size(); ++i) {
        const std::string& line = result.OutsLines[i];
        const CardMask marked = result.OutsCards[i];
        SCOPED_TRACE(line);
        EXPECT_EQ(marked & (hole | board), 0u);
        const bool countsNoCards = dealt.size() == 7 || line == "No Projects" ||
                                   line == "Hand already equal or better than three of a kind" ||
                                   line == "No valid projects (Outs < 0)";
        if (countsNoCards) {
            EXPECT_EQ(marked, 0u);
            continue;
        }
        EXPECT_NE(marked, 0u);
        const bool flushLine = line.find("Flush") != std::string::npos;
        const bool straightLine = !flushLine && (line.find("straight") != std::string::npos ||
                                                 line.find("Straight") != std::string::npos);
        // A rule's project counts whole ranks and whole suits: both ends of an open straight, one rank for
        // any other, the nine cards left of a four-card flush.
        if (straightLine && line.find("pen straight project") != std::string::npos) {
            EXPECT_EQ(cardCount(marked), 8);
        } else if (straightLine && line.find("losed straight project") != std::string::npos) {
            EXPECT_EQ(cardCount(marked), 4);
        } else if (line.starts_with("Flush project")) {
            EXPECT_EQ(cardCount(marked), 9);
        }
        for (const Card card : cardsIn(marked)) {
            SCOPED_TRACE(cardName(card));
            const CardMask with = hole | board | card.mask();
            const HandCategory category = categoryWith(with);
            if (straightLine) {
                // Four board ranks around a gap fill the board's own straight, the one line that names it.
                EXPECT_GE(category, HandCategory::kStraight);
                if (!line.starts_with("Higher closed straight project with 1 card on board")) {
                    EXPECT_TRUE(straightThrough(hole, board | card.mask(), card.rank()));
                }
            } else if (flushLine) {
                EXPECT_GE(category, HandCategory::kFlush);
                EXPECT_GE(suitCount(with, card.suit()), 5);
            } else {
                const bool pairsHoleCard = card.rank() == Card::fromIndex(dealt[0]).rank() ||
                                           card.rank() == Card::fromIndex(dealt[1]).rank();
                EXPECT_TRUE(pairsHoleCard || category >= HandCategory::kFullHouse);
            }
        }
    }
}

TEST(OutsCards, EveryMarkedCardDoesWhatItsLineSays) {
    std::mt19937 random(20261207u);
    for (int deal = 0; deal < 40000 && !HasFailure(); ++deal)
        checkMarkedCards(support::dealt(random, 2 + 3 + deal % 3));
}

} // namespace
} // namespace tavolin
