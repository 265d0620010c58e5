// What a decision is weighed against when several opponents are in, and the board in the order dealt.
#include "cli/history_output.h"
#include "equity/multiway_equity.h"
#include "history/history_reader.h"
#include "ranges/profiles.h"
#include "written_hands.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace tavolin::history {
namespace {

Hand readWith(const std::string& text, const equity::HoldingWeights& range) {
    std::istringstream in(text);
    HistoryReader reader(in, &range);
    const auto entry = reader.next();
    return entry && std::holds_alternative<Hand>(*entry) ? std::get<Hand>(*entry) : Hand{};
}

// The hero's all-in raise against two opponents is weighed by the equity against both holding the
// profile's range at once, as the multiway library gives it (sampled on both sides, hence the margin).
TEST(MultiwayDecision, EquityAgainstEachOpponentsRangeAndItsVerdict) {
    for (const int profile : {0, 3}) {
        const equity::HoldingWeights range = ranges::profileRange(profile);
        const Hand hand = readWith(written::kTournament, range);
        ASSERT_EQ(hand.Decisions.size(), 2U);
        const Decision& raise = hand.Decisions[1];
        ASSERT_EQ(raise.Opponents, 2);
        const std::vector<equity::HoldingWeights> both{range, range};
        const equity::MultiwayEquity library = equity::multiwayEquity(hand.Hole, raise.Board, both);
        ASSERT_TRUE(raise.Equity.has_value());
        EXPECT_NEAR(*raise.Equity, library.Equity, 0.02);
        EXPECT_TRUE(raise.Verdict && raise.Verdict->starts_with("raised "));
        EXPECT_EQ(readWith(written::kTournament, range).Decisions[1].Equity, raise.Equity);
    }
}

// A flop listed out of rank order is kept so, on the hand's line and on each decision's.
TEST(MultiwayDecision, TheBoardComesOutAsDealt) {
    std::string text = written::kRunTwice;
    for (std::size_t at; (at = text.find("Kd 8s 3c")) != std::string::npos;)
        text.replace(at, 8, "3c Kd 8s");
    const equity::HoldingWeights range = ranges::profileRange(1);
    const Hand hand = readWith(text, range);
    const std::vector<std::string> lines = cli::handLines("f", hand);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(nlohmann::json::parse(lines[0]).at("board"), "3c Kd 8s 2h Ks");
    EXPECT_EQ(nlohmann::json::parse(lines[1]).at("board"), "3c Kd 8s");
    EXPECT_EQ(nlohmann::json::parse(lines[1]).at("reason"), nullptr);
}

} // namespace
} // namespace tavolin::history
