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

// One hand a line: hole|board|pot|stack|answer. The answer is the reason given for rejected cards, "out" when
// the amounts cannot make a sound pot-odds block and leave it out, or "kept" for odd but usable amounts.
constexpr std::string_view kBadInputs = R"(
ad 7d|3s 4c 5h|100|500|hole card 1 "ad": the rank
Ad 7D|3s 4c 5h|100|500|hole card 2 "7D": the suit
Ad 7d|3s 4c 5x|100|500|board card 3 "5x": the suit
Ad 7d|3s 4c 5h 0d|100|500|board card 4 "0d": the rank
Ad Ad|3s 4c 5h|100|500|twice in the hole cards
Ad 7d|3s 3s 5h|100|500|twice on the board
Ad 7d|3s 4c 5h 8d 7d|100|500|also lies on the board
Ad 7d |3s 4c 5h|100|500|the hole cards must be two cards
Ad 7d|3s 4c|100|500|the board must be three to five cards
Ad 7d|3s 4c 5h 8d 9d 2c|100|500|the board must be three to five cards
Ad 7d|3s 4c 5h||500|out
Ad 7d|3s 4c 5h|-100|500|out
Ad 7d|3s 4c 5h|0.4|500|out
Ad 7d|3s 4c 5h|32768|500|out
Ad 7d|3s 4c 5h|1000000000000000000000000000000000000000000000000000000000000|500|out
Ad 7d|3s 4c 5h|100|0|out
Ad 7d|3s 4c 5h|100|1000000000000000000000000000000000000000000000000000000000000|out
Ad 7d|3s 4c 5h|- 4|7|out
Ad 7d|3s 4c 5h| 1 0 0 |5 0 0|kept
Ad 7d|3s 4c 5h|100,5|500,9|kept
Ad 7d|3s 4c 5h|32767|500|kept
)";

// A kept block ends in the verdict "0" whenever the profile index lies outside 0..3.
TEST(BadInput, EveryKindGetsItsAnswer) {
    std::istringstream lines{std::string(kBadInputs)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::vector<std::string> fields;
        for (std::string field; std::getline(in, field, '|');)
            fields.push_back(field);
        if (fields.size() != 5) continue;
        const auto& [hole, board, pot, stack, answer] =
            std::tie(fields[0], fields[1], fields[2], fields[3], fields[4]);
        for (const int preflop : {-1, 1, 99}) {
            const std::string report = analyse(hole, board, pot, stack, preflop);
            EXPECT_EQ(report.find("\r\nSPR: ") != std::string::npos, answer == "kept") << line;
            EXPECT_EQ(report.ends_with("(0)\r\n"), answer == "kept" && preflop != 1) << line;
            EXPECT_EQ(report.empty(), answer != "kept" && answer != "out") << line;
        }
        AnalysisContext ctx;
        std::string boardText = board;
        const std::string reason = describeCardProblem(readCards(ctx, hole, boardText));
        EXPECT_TRUE(answer == "kept" || answer == "out" || reason.find(answer) != std::string::npos)
            << line << ": " << reason;
    }
    // A board of a wrong length is overwritten in the caller's text; a bad hole text stops before the board.
    std::string board = "3s 4c 5h 8dx";
    EXPECT_EQ(analyseHand("Ad 7d 9", board, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(board, "3s 4c 5h 8dx");
    EXPECT_EQ(analyseHand("Ad 7d", board, "", "", "", "", 1, 1, false), "");
    EXPECT_EQ(board, "WRONG BOARDCARDS");
}

} // namespace
} // namespace tavolin
