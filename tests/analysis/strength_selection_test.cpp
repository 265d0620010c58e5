// The selection of a rule set and the label vocabulary, over every board and over a large random sample.

#include "analysis/analyse_hand.h"
#include "analysis/strength.h"
#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using support::cardsText;

const std::set<std::string> kVocabulary{
    "NOTHING",
    "WEAK: 3RD POCKET PAIR OR WORST",
    "WEAK: 6TH OR WORST FLUSH",
    "WEAK: FLUSH",
    "WEAK: HIGH CARD A",
    "WEAK: HIGH CARD K WITH A ON BOARD",
    "WEAK: MAX STRAIGHT WITH 1 CARD",
    "WEAK: MAX STRAIGHT WITH 2 CARDS",
    "WEAK: MID DOUBLE PAIR",
    "WEAK: MID PAIR (FULL HOUSE)",
    "WEAK: MID PAIR 2ND KICKER",
    "WEAK: MID PAIR 3RD KICKER",
    "WEAK: MID PAIR 3RD KICKER OR WORST",
    "WEAK: MID PAIR 3RD OR WORST KICKER",
    "WEAK: MID PAIR TOP KICKER",
    "WEAK: MID POCKET PAIR",
    "WEAK: MID POCKET PAIR (FULL HOUSE)",
    "WEAK: PAIR",
    "WEAK: SET",
    "WEAK: STRAIGHT",
    "WEAK: STRAIGHT WITH 2 CARDS",
    "WEAK: TRIPS",
    "MEDIUM: 3RD TO 5TH FLUSH",
    "MEDIUM: BEST DOUBLE PAIR",
    "MEDIUM: FLUSH",
    "MEDIUM: MAX DOUBLE PAIR",
    "MEDIUM: MAX STRAIGHT WITH 1 CARD",
    "MEDIUM: MAX STRAIGHT WITH 2 CARDS",
    "MEDIUM: MID PAIR 2ND KICKER",
    "MEDIUM: MID PAIR 3RD KICKER",
    "MEDIUM: MID PAIR 3RD KICKER OR WORST",
    "MEDIUM: MID PAIR TOP KICKER",
    "MEDIUM: MID POCKET PAIR",
    "MEDIUM: OVERPAIR",
    "MEDIUM: OVERPAIR (FULL HOUSE)",
    "MEDIUM: POCKET FULL HOUSE",
    "MEDIUM: POKER WITH 2ND KICKER",
    "MEDIUM: STRAIGHT",
    "MEDIUM: TOP PAIR",
    "MEDIUM: TOP PAIR (FULL HOUSE)",
    "MEDIUM: TOP PAIR 2ND KICKER",
    "MEDIUM: TOP PAIR 3RD KICKER",
    "MEDIUM: TOP PAIR 3RD KICKER OR WORST",
    "MEDIUM: TOP PAIR TOP KICKER",
    "STRONG: 2ND FLUSH",
    "STRONG: BEST DOUBLE PAIR",
    "STRONG: DOUBLE PAIR",
    "STRONG: FLUSH",
    "STRONG: FULL HOUSE",
    "STRONG: MAX FULL",
    "STRONG: MAX FULL HOUSE",
    "STRONG: MAX STRAIGHT WITH 1 CARD",
    "STRONG: MAX STRAIGHT WITH 2 CARDS",
    "STRONG: OVERPAIR",
    "STRONG: OVERPAIR (FULL HOUSE)",
    "STRONG: SET",
    "STRONG: STRAIGHT WITH 2 CARDS",
    "STRONG: TOP PAIR 2ND KICKER",
    "STRONG: TOP PAIR TOP KICKER",
    "STRONG: TRIPS",
    "VERY STRONG: 1ST FLUSH",
    "VERY STRONG: BEST DOUBLE PAIR",
    "VERY STRONG: FLUSH",
    "VERY STRONG: FLUSH STRAIGHT",
    "VERY STRONG: FULL HOUSE",
    "VERY STRONG: MAX FULL HOUSE",
    "VERY STRONG: MAX STRAIGHT WITH 2 CARDS",
    "VERY STRONG: POKER",
    "VERY STRONG: SET",
    "VERY STRONG: STRAIGHT WITH 2 CARDS",
    "VERY STRONG: TRIPS",
    "NUTS ON HAND: 1ST FLUSH",
    "NUTS ON HAND: MAX FLUSH",
    "NUTS ON HAND: MAX FLUSH STRAIGHT",
    "NUTS ON HAND: MAX POKER",
    "NUTS ON HAND: MAX STRAIGHT WITH 1 CARD",
    "NUTS ON HAND: MAX STRAIGHT WITH 2 CARDS",
    "NUTS ON HAND: POKER",
    "NUTS ON HAND: POKER WITH TOP KICKER",
    "NUTS ON BOARD: MAX FLUSH STRAIGHT",
    "NUTS ON BOARD: MAX FULL HOUSE",
    "NUTS ON BOARD: POKER",
    "NOTHING: DOUBLE PAIR",
    "NOTHING: FLUSH ON BOARD",
    "NOTHING: HIGH CARD A",
    "NOTHING: HIGH CARD K WITH A ON BOARD",
    "NOTHING: MID PAIR 2ND KICKER",
    "NOTHING: MID PAIR 3RD KICKER",
    "NOTHING: MID PAIR 3RD KICKER OR WORST",
    "NOTHING: MID PAIR TOP KICKER",
    "NOTHING: MID POCKET PAIR",
    "NOTHING: OVERPAIR",
    "NOTHING: PAIR",
    "NOTHING: POKER WITH 3RD OR WORST KICKER",
    "NOTHING: STRAIGHT ON BOARD",
    "NOTHING: TOP PAIR",
    "NOTHING: TOP PAIR 2ND KICKER",
    "NOTHING: TOP PAIR 3RD KICKER",
    "NOTHING: TOP PAIR 3RD KICKER OR WORST",
    "NOTHING: TOP PAIR TOP KICKER",
};

// Runs the analysis and returns the selected rule set; the label is left in the context.
char analyse(AnalysisContext& ctx, const std::vector<int>& hole, const std::vector<int>& board) {
    std::string boardText = cardsText(board);
    analyseHand(ctx, cardsText(hole), boardText, AnalysisArguments{});
    return selectRuleSet(ctx);
}

// Every board of n cards up to a renaming of the suits: ranks ascending, suits numbered in the order in which
// they first appear. Every rank pattern meets every pattern of suits this way.
void forEachBoardClass(int n, std::vector<int>& board, int lowestRank, int suitsUsed,
                       const std::function<void(const std::vector<int>&)>& visit) {
    if (static_cast<int>(board.size()) == n) {
        visit(board);
        return;
    }
    for (int rank = lowestRank; rank < 13; ++rank) {
        for (int suit = 0; suit <= std::min(suitsUsed, 3); ++suit) {
            const int card = suit * 13 + rank;
            if (std::find(board.begin(), board.end(), card) != board.end()) continue;
            board.push_back(card);
            forEachBoardClass(n, board, rank, std::max(suitsUsed, suit + 1), visit);
            board.pop_back();
        }
    }
}

TEST(StrengthSelection, EveryBoardSelectsARuleSet) {
    std::set<char> selected;
    for (int n = 3; n <= 5; ++n) {
        int classes = 0;
        int unselected = 0;
        std::vector<int> board;
        forEachBoardClass(n, board, 0, 0, [&](const std::vector<int>& cards) {
            std::vector<int> hole;
            for (int card = 51; hole.size() < 2; --card) {
                if (std::find(cards.begin(), cards.end(), card) == cards.end()) hole.push_back(card);
            }
            AnalysisContext ctx;
            const char ruleSet = analyse(ctx, hole, cards);
            ++classes;
            if (ruleSet == 0) {
                if (++unselected <= 5) ADD_FAILURE() << "no rule set for " << cardsText(cards);
            } else {
                selected.insert(ruleSet);
            }
        });
        EXPECT_EQ(unselected, 0) << "of " << classes << " board classes of " << n << " cards";
    }
    EXPECT_EQ(selected.size(), 15u);
}

TEST(StrengthSelection, TheFirstRowThatHoldsChoosesAndNoRowKeepsNothing) {
    AnalysisContext ctx;
    ctx.StrengthLabel = "STRONG: SET";
    ctx.StraightCoor = 1;
    ctx.Coordination = 1;
    ctx.BoardPairing = 3; // four of a kind beside three to a straight: no real board
    EXPECT_EQ(selectRuleSet(ctx), 0);
    classifyStrength(ctx);
    EXPECT_EQ(ctx.StrengthLabel, "NOTHING");

    // Three to a straight and three to a flush on an unpaired board: the straight row comes first only
    // while no suit holds three cards.
    AnalysisContext both;
    both.StraightCoor = 1;
    both.FlushCoor = 1;
    both.Coordination = 1;
    EXPECT_EQ(selectRuleSet(both), 'H');
    both.FlushCoor = 2;
    both.Coordination = 2;
    EXPECT_EQ(selectRuleSet(both), 'N');
    both.StraightCoor = 2;
    both.FlushCoor = 1;
    EXPECT_EQ(selectRuleSet(both), 'L');

    AnalysisContext unfilled;
    classifyStrength(unfilled);
    EXPECT_EQ(unfilled.StrengthLabel, "NOTHING");
}

TEST(StrengthVocabulary, EveryLabelOfARandomSampleIsKnownAndEveryRuleSetIsSelected) {
    EXPECT_EQ(kVocabulary.size(), 100u);
    std::mt19937 random(20261206u);
    std::array<int, 52> deck{};
    for (int card = 0; card < 52; ++card)
        deck[static_cast<std::size_t>(card)] = card;
    std::set<char> selected;
    std::set<std::string> seen;
    for (int hand = 0; hand < 150000; ++hand) {
        const int n = 3 + hand % 3;
        std::shuffle(deck.begin(), deck.end(), random);
        const std::vector<int> hole(deck.begin(), deck.begin() + 2);
        const std::vector<int> board(deck.begin() + 2, deck.begin() + 2 + n);
        AnalysisContext ctx;
        selected.insert(analyse(ctx, hole, board));
        if (seen.insert(ctx.StrengthLabel).second && kVocabulary.count(ctx.StrengthLabel) == 0) {
            ADD_FAILURE() << "unknown label \"" << ctx.StrengthLabel << "\" for " << cardsText(hole) << " on "
                          << cardsText(board);
        }
    }
    EXPECT_EQ(std::string(selected.begin(), selected.end()), "ABCDEFGHIJKLMNO");
    // Most of the vocabulary turns up by chance; the rarest labels are covered by the row tables.
    EXPECT_GE(seen.size(), 80u);
}

} // namespace
} // namespace tavolin
