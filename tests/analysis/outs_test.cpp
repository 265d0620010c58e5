// The outs: the 96 straight-draw examples, and properties of the explanation and the equities over many
// random flops, turns and rivers.

#include "analysis/straight_examples.h"
#include "tests/analysis/analysis_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tavolin {
namespace {

// "Ad 7d-3s 4c 5h Sol: 6 outs (6-2 outs)": hole cards, board up to " Sol: ", then the expected total.
TEST(Outs, EveryStraightDrawExampleGetsItsStatedTotal) {
    for (const std::string_view example : kStraightExamples) {
        const std::size_t solution = example.find(" Sol: ");
        const std::string text(example);
        const AnalysisContext ctx = support::analysed(text.substr(0, 5), text.substr(6, solution - 6));
        EXPECT_EQ(ctx.Outs, std::stof(text.substr(solution + 6))) << text << "\n" << ctx.OutsText;
    }
    EXPECT_EQ(kStraightExamples.size(), 96u);
}

// The amount a line states: "(4 Outs)", "(1 Out)", "(-2 outs)", "board(2 Outs)", or for a one-card flush
// draw the figure after "= ". Lines without an amount give nothing.
std::optional<float> statedAmount(const std::string& line) {
    const std::size_t open = line.rfind('(');
    if (open == std::string::npos || !line.ends_with(')')) return std::nullopt;
    std::string inside = line.substr(open + 1, line.size() - open - 2);
    if (const std::size_t equals = inside.find("= "); equals != std::string::npos)
        inside = inside.substr(equals + 2);
    const std::size_t unit = inside.find(' ');
    const std::string word = unit == std::string::npos ? "" : inside.substr(unit + 1);
    if (word != "Outs" && word != "Out" && word != "outs") return std::nullopt;
    return std::stof(inside.substr(0, unit));
}

// The unseen cards above `card` of its suit when three of the suit lie on the board, else nothing.
std::optional<int> unseenAboveWithThreeOnBoard(const std::vector<int>& cards, int card) {
    const auto onBoard = [&](int c) { return std::find(cards.begin() + 2, cards.end(), c) != cards.end(); };
    int suited = 0;
    int higher = 0;
    for (int other = card / 13 * 13; other < card / 13 * 13 + 13; ++other) {
        suited += onBoard(other) ? 1 : 0;
        higher += other > card && !onBoard(other) ? 1 : 0;
    }
    return suited == 3 ? std::optional<int>(higher) : std::nullopt;
}

void checkOuts(const std::vector<int>& cards) {
    const int n = static_cast<int>(cards.size()) - 2;
    const AnalysisContext ctx = support::analysed(support::cardsText({cards[0], cards[1]}),
                                                  support::cardsText({cards.begin() + 2, cards.end()}));
    SCOPED_TRACE(support::cardsText(cards) + ": " + ctx.OutsText);
    const MadeHand& made = ctx.Made;
    const bool threeOrBetter = made.StraightTop[kHand] || made.FlushValue[kHand] || made.FullTrips[kHand] ||
                               made.PokerRank[kHand] || made.TripsRank[kHand];
    // Every line ends in CR LF except the last, which keeps only its CR; the stated amounts add up to the
    // total, in half steps.
    ASSERT_TRUE(ctx.OutsText == "No Projects" || ctx.OutsText.back() == '\r');
    float sum = 0.0f;
    std::istringstream lines(ctx.OutsText);
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) line.pop_back();
        if (const std::optional<float> amount = statedAmount(line)) sum += *amount;
        // Three of a kind or better draws only to a flush with two hole cards.
        if (threeOrBetter) {
            EXPECT_TRUE(line == "Hand already equal or better than three of a kind" ||
                        line == "No Projects" || line.starts_with("Flush project with 2 cards on hand"));
        }
        // A one-card flush draw names the unseen higher cards of its suit.
        if (const std::size_t at = line.find("outs - ");
            line.starts_with("Flush project with one card") && at != std::string::npos) {
            const int named = std::stoi(line.substr(at + 7));
            const std::optional<int> first = unseenAboveWithThreeOnBoard(cards, cards[0]);
            EXPECT_EQ(named, first ? *first : unseenAboveWithThreeOnBoard(cards, cards[1]).value_or(-1));
        }
    }
    EXPECT_EQ(sum, ctx.Outs);
    EXPECT_EQ(std::fmod(ctx.Outs * 2.0f, 1.0f), 0.0f);
    // The equities follow the sign of the outs; the river has no projects at all.
    EXPECT_TRUE(n < 5 || ctx.OutsText == "No Projects");
    if (ctx.Outs <= 0.0f || n == 5) {
        EXPECT_EQ(ctx.EquityAllIn, 0.0f);
        EXPECT_EQ(ctx.EquityNextCard, 0.0f);
    } else {
        EXPECT_GT(ctx.EquityAllIn, n == 3 ? ctx.EquityNextCard : 0.0f);
        EXPECT_LT(ctx.EquityAllIn, 1.0f);
        EXPECT_EQ(ctx.EquityNextCard > 0.0f, n == 3);
    }
}

TEST(Outs, PropertiesOverRandomFlopsTurnsAndRivers) {
    std::mt19937 random(20261206u);
    for (int deal = 0; deal < 60000 && !HasFailure(); ++deal)
        checkOuts(support::dealt(random, 2 + 3 + deal % 3));
}

} // namespace
} // namespace tavolin
