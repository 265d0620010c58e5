// Card texts against an independent reading, and every kind of bad card or amount with the answer it gets.

#include "analysis/card_input.h"
#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace tavolin {
namespace {

std::string analyse(const std::string& hole, std::string board, const std::string& pot = "",
                    const std::string& stack = "500", int preflop = 1) {
    return analyseHand(hole, board, pot, "0", "50", stack, preflop, 1, false);
}

// An independent reading: split at the blanks' places, look each card up among the 52, check they differ.
bool referenceAccepts(const std::string& hole, const std::string& board) {
    if (hole.size() != 5 || (board.size() != 8 && board.size() != 11 && board.size() != 14)) return false;
    std::set<std::string> seen;
    for (const std::string* text : {&hole, &board}) {
        for (std::size_t at = 0; at < text->size(); at += 3) {
            const std::string card = text->substr(at, 2);
            const bool known = std::string("A23456789TJQK").find(card[0]) != std::string::npos &&
                               std::string("shcd").find(card[1]) != std::string::npos;
            if (!known || !seen.insert(card).second) return false;
        }
    }
    return true;
}

TEST(CardInput, AcceptsExactlyWhatAnIndependentReadingAccepts) {
    std::mt19937 random(20261206);
    const std::string noise = "A23456789TJQKshcd ax-\xc3\xff";
    int accepted = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        // Mostly real cards, so that duplicates and hole-on-board clashes occur; sometimes noise or another
        // character between two cards.
        auto pick = [&](int count) {
            std::string text;
            for (int k = 0; k < count; ++k) {
                if (k > 0) text += random() % 50 == 0 ? '-' : ' ';
                const int card = static_cast<int>(random() % 52);
                text += random() % 20 == 0
                            ? std::string{noise[random() % noise.size()], noise[random() % noise.size()]}
                            : support::cardsText({card});
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

// One rejected hand a line: hole | board | words of the reason given.
constexpr std::string_view kRejections = R"(
ad 7d|3s 4c 5h|hole card 1 "ad": the rank
Ad 7D|3s 4c 5h|hole card 2 "7D": the suit
Ad 7d|3s 4c 5x|board card 3 "5x": the suit
Ad 7d|3s 4c 5h 0d|board card 4 "0d": the rank
Ad Ad|3s 4c 5h|twice in the hole cards
Ad 7d|3s 3s 5h|twice on the board
Ad 7d|3s 4c 5h 8d 7d|also lies on the board
Ad 7d |3s 4c 5h|the hole cards must be two cards
Ad 7d|3s 4c|the board must be three to five cards
Ad 7d|3s 4c 5h 8d 9d 2c|the board must be three to five cards
)";

TEST(CardInput, EveryKindOfBadCardGetsItsReason) {
    std::istringstream lines{std::string(kRejections)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        const std::size_t bar = line.find('|');
        const std::size_t reason = line.find('|', bar + 1);
        AnalysisContext ctx;
        std::string board = line.substr(bar + 1, reason - bar - 1);
        const std::string described = describeCardProblem(readCards(ctx, line.substr(0, bar), board));
        EXPECT_NE(described.find(line.substr(reason + 1)), std::string::npos) << line << ": " << described;
    }
    // A board of a wrong length is overwritten in the caller's text; a bad hole text stops before the board.
    std::string board = "3s 4c 5h 8dx";
    EXPECT_EQ(analyseHand("Ad 7d 9", board, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(board, "3s 4c 5h 8dx");
    EXPECT_EQ(analyseHand("Ad 7d", board, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(board, "WRONG BOARDCARDS");
}

// Pot|stack, and whether the pot-odds block is left out or kept: amounts that cannot make a sound block
// leave it out, odd but usable ones keep it.
constexpr std::string_view kAmounts = R"(
|500|out
-100|500|out
0.4|500|out
32768|500|out
1000000000000000000000000000000000000000000000000000000000000|500|out
100|0|out
100|1000000000000000000000000000000000000000000000000000000000000|out
- 4|7|out
100|500|kept
 1 0 0 |5 0 0|kept
100,5|500,9|kept
32767|500|kept
)";

// A kept block ends in the verdict "0" whenever the profile index lies outside 0..3.
TEST(BadInput, OnlyUnusableAmountsLeaveThePotOddsBlockOut) {
    std::istringstream lines{std::string(kAmounts)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        const std::size_t bar = line.find('|');
        const std::size_t kept = line.find('|', bar + 1);
        for (const int preflop : {-1, 1, 99}) {
            const std::string report = analyse("Ad 7d", "3s 4c 5h", line.substr(0, bar),
                                               line.substr(bar + 1, kept - bar - 1), preflop);
            EXPECT_EQ(report.find("\r\nSPR: ") != std::string::npos, line.ends_with("kept")) << line;
            EXPECT_EQ(report.ends_with("(0)\r\n"), line.ends_with("kept") && preflop != 1) << line;
        }
    }
}

} // namespace
} // namespace tavolin
