// A decision against several opponents, and the board in the order dealt.
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

// The all-in raise against two opponents: the equity against both holding the profile's range at once, as
// the library gives it (both sampled, hence the margin), the same on every reading, and its verdict.
TEST(MultiwayDecision, EquityAgainstEachOpponentsRangeAndItsVerdict) {
    for (const int profile : {0, 3}) {
        const equity::HoldingWeights range = ranges::profileRange(profile);
        const Hand hand = readWith(written::kTournament, range);
        const Decision& raise = hand.Decisions.at(1);
        const std::vector<equity::HoldingWeights> both{range, range};
        ASSERT_TRUE(raise.Opponents == 2 && raise.Equity);
        EXPECT_NEAR(*raise.Equity, equity::multiwayEquity(hand.Hole, raise.Board, both).Equity, 0.02);
        EXPECT_EQ(readWith(written::kTournament, range).Decisions[1].Equity, raise.Equity);
        EXPECT_TRUE(raise.Verdict && raise.Verdict->starts_with("raised "));
    }
    std::string text = written::kRunTwice; // and a flop listed out of rank order stays so
    for (std::size_t at; (at = text.find("Kd 8s 3c")) != std::string::npos;)
        text.replace(at, 8, "3c Kd 8s");
    const std::vector<std::string> lines = cli::handLines("f", readWith(text, ranges::profileRange(1)));
    EXPECT_EQ(nlohmann::json::parse(lines.at(0)).at("board"), "3c Kd 8s 2h Ks");
    EXPECT_EQ(nlohmann::json::parse(lines.at(1)).at("board"), "3c Kd 8s");
}

} // namespace
} // namespace tavolin::history
