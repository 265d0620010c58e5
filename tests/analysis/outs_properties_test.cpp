#include "analysis/analyse_hand.h"
#include "tests/analysis/analysis_test_support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tavolin {
namespace {

struct Deal {
    std::string Hole;
    std::string Board;
    std::vector<int> Cards; // 0..51: suit index * 13 + rank index; hole cards first
};

// Random hole cards with `boardCount` board cards, from a fixed seed so that a failure repeats.
std::vector<Deal> randomDeals(int count, int boardCount, unsigned seed) {
    std::mt19937 random(seed);
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<Deal> deals;
    for (int i = 0; i < count; ++i) {
        std::shuffle(deck.begin(), deck.end(), random);
        Deal deal;
        deal.Cards.assign(deck.begin(), deck.begin() + 2 + boardCount);
        deal.Hole = support::cardsText({deck[0], deck[1]});
        deal.Board = support::cardsText({deck.begin() + 2, deck.begin() + 2 + boardCount});
        deals.push_back(deal);
    }
    return deals;
}

std::vector<std::string> explanationLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2; // past CR LF
    }
    return lines;
}

// The amount a line states: "(4 Outs)", "(1 Out)", "(-2 outs)", "board(2 Outs)", or for a one-card flush
// draw the figure after "= ". Lines without an amount give nothing.
std::optional<float> statedAmount(const std::string& line) {
    const std::size_t open = line.rfind('(');
    if (open == std::string::npos || line.back() != ')') return std::nullopt;
    std::string inside = line.substr(open + 1, line.size() - open - 2);
    const std::size_t equals = inside.find("= ");
    if (equals != std::string::npos) inside = inside.substr(equals + 2);
    if (inside.empty() || (inside[0] != '-' && !std::isdigit(static_cast<unsigned char>(inside[0]))))
        return std::nullopt;
    const std::size_t unit = inside.find(' ');
    const std::string word = inside.substr(unit + 1);
    if (word != "Outs" && word != "Out" && word != "outs") return std::nullopt;
    return std::stof(inside.substr(0, unit));
}

bool isThreeOfAKindOrBetter(const MadeHand& made) {
    return made.StraightTop[kHand] || made.FlushValue[kHand] || made.FullTrips[kHand] ||
           made.PokerRank[kHand] || made.TripsRank[kHand];
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

class OutsProperties : public ::testing::TestWithParam<int> {};

TEST_P(OutsProperties, TotalIsTheSumOfTheStatedAmountsInHalfSteps) {
    for (const Deal& deal : randomDeals(15000, GetParam(), 20261206u + GetParam())) {
        const AnalysisContext ctx = support::analysed(deal.Hole, deal.Board);
        SCOPED_TRACE(deal.Hole + " on " + deal.Board + ": " + ctx.OutsText);
        ASSERT_FALSE(ctx.OutsText.empty());
        EXPECT_EQ(std::fmod(ctx.Outs * 2.0f, 1.0f), 0.0f);
        // Every explanation line ends in CR LF except the last, which keeps only its CR.
        if (ctx.OutsText != "No Projects") {
            EXPECT_EQ(ctx.OutsText.back(), '\r');
            EXPECT_EQ(std::count(ctx.OutsText.begin(), ctx.OutsText.end(), '\n') + 1,
                      std::count(ctx.OutsText.begin(), ctx.OutsText.end(), '\r'));
        }

        float sum = 0.0f;
        for (const std::string& line : explanationLines(ctx.OutsText))
            if (const std::optional<float> amount = statedAmount(line)) sum += *amount;
        EXPECT_EQ(sum, ctx.Outs);
    }
}

TEST_P(OutsProperties, EquitiesFollowTheSignOfTheOuts) {
    for (const Deal& deal : randomDeals(15000, GetParam(), 7u + GetParam())) {
        const AnalysisContext ctx = support::analysed(deal.Hole, deal.Board);
        SCOPED_TRACE(deal.Hole + " on " + deal.Board);
        if (ctx.Outs <= 0.0f) {
            EXPECT_EQ(ctx.EquityAllIn, 0.0f);
            EXPECT_EQ(ctx.EquityNextCard, 0.0f);
        } else if (GetParam() == 3) {
            EXPECT_GT(ctx.EquityNextCard, 0.0f);
            EXPECT_GT(ctx.EquityAllIn, ctx.EquityNextCard);
            EXPECT_LT(ctx.EquityAllIn, 1.0f);
        } else {
            EXPECT_GT(ctx.EquityAllIn, 0.0f);
            EXPECT_EQ(ctx.EquityNextCard, 0.0f);
        }
    }
}

TEST_P(OutsProperties, ThreeOfAKindOrBetterDrawsOnlyToAFlush) {
    for (const Deal& deal : randomDeals(15000, GetParam(), 99u + GetParam())) {
        const AnalysisContext ctx = support::analysed(deal.Hole, deal.Board);
        if (!isThreeOfAKindOrBetter(ctx.Made)) continue;
        SCOPED_TRACE(deal.Hole + " on " + deal.Board + ": " + ctx.OutsText);
        for (const std::string& line : explanationLines(ctx.OutsText)) {
            EXPECT_FALSE(contains(line, "straight project"));
            EXPECT_FALSE(contains(line, "Overcard"));
            EXPECT_FALSE(contains(line, "Set or DP project"));
            EXPECT_FALSE(contains(line, "Full project"));
            EXPECT_FALSE(contains(line, "Pocket pair"));
            EXPECT_TRUE(line == "Hand already equal or better than three of a kind" ||
                        line == "No Projects" || line.starts_with("Flush project with 2 cards on hand"));
        }
    }
}

// The higher cards a one-card flush draw names, counted here straight from the cards.
TEST_P(OutsProperties, OneCardFlushDrawNamesTheUnseenHigherCards) {
    int draws = 0;
    for (const Deal& deal : randomDeals(15000, GetParam(), 4242u + GetParam())) {
        const AnalysisContext ctx = support::analysed(deal.Hole, deal.Board);
        for (const std::string& line : explanationLines(ctx.OutsText)) {
            const std::size_t at = line.find("outs - ");
            if (!line.starts_with("Flush project with one card on hand") || at == std::string::npos) continue;
            SCOPED_TRACE(deal.Hole + " on " + deal.Board + ": " + line);
            ++draws;
            const int named = std::stoi(line.substr(at + 7));
            // The hole card whose suit has three cards on the board.
            for (int hole = 0; hole < 2; ++hole) {
                const int suit = deal.Cards[hole] / 13;
                const auto onBoard = [&](int card) {
                    return std::find(deal.Cards.begin() + 2, deal.Cards.end(), card) != deal.Cards.end();
                };
                int suitOnBoard = 0;
                for (int rank = 0; rank < 13; ++rank)
                    suitOnBoard += onBoard(suit * 13 + rank) ? 1 : 0;
                if (suitOnBoard != 3) continue;
                int higher = 0;
                for (int rank = deal.Cards[hole] % 13 + 1; rank < 13; ++rank)
                    higher += onBoard(suit * 13 + rank) ? 0 : 1;
                EXPECT_EQ(named, higher);
            }
        }
    }
    EXPECT_GT(draws, 100);
}

INSTANTIATE_TEST_SUITE_P(FlopAndTurn, OutsProperties, ::testing::Values(3, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 3 ? std::string("Flop") : std::string("Turn");
                         });

TEST(OutsRiver, NeverHasProjects) {
    for (const Deal& deal : randomDeals(5000, 5, 555u)) {
        const AnalysisContext ctx = support::analysed(deal.Hole, deal.Board);
        SCOPED_TRACE(deal.Hole + " on " + deal.Board);
        EXPECT_EQ(ctx.Outs, 0.0f);
        EXPECT_EQ(ctx.OutsText, "No Projects");
        EXPECT_EQ(ctx.EquityAllIn, 0.0f);
        EXPECT_EQ(ctx.EquityNextCard, 0.0f);
    }
}

} // namespace
} // namespace tavolin
