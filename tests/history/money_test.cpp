// Money as hand histories write it: raise-to, antes, all-in raises and run twice, worked out by hand (the
// samples cover uncalled bets, with and without their line, and side pots), and the verdict on a price.
#include "history/history_reader.h"
#include "history/verdict.h"
#include "ranges/profiles.h"
#include "written_hands.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tavolin::history {
namespace {

Hand readOne(const std::string& text, const equity::HoldingWeights* range = nullptr) {
    std::istringstream in(text);
    HistoryReader reader(in, range);
    auto entry = reader.next();
    EXPECT_TRUE(entry && std::holds_alternative<Hand>(*entry))
        << (entry && std::holds_alternative<Skip>(*entry) ? std::get<Skip>(*entry).Reason : "nothing read");
    return entry && std::holds_alternative<Hand>(*entry) ? std::get<Hand>(*entry) : Hand{};
}

TEST(Money, AmountsAsFilesWriteThem) {
    EXPECT_EQ(readMoney("$1,234.56"), 123456);
    EXPECT_EQ(readMoney("\xE2\x82\xAC"
                        "0.1"),
              10);
    EXPECT_EQ(readMoney("\xC2\xA3"
                        "25"),
              2500);
    EXPECT_EQ(readMoney("12,500"), 1250000);
    for (const char* bad :
         {"", "$", "1,50", "1,2345", ",100", "1.234", "1.", "-5", "5$", "99999999999999999999"})
        EXPECT_EQ(readMoney(bad), std::nullopt) << bad;
}

TEST(Money, AntesRaiseToAndAnAllInRaiseAgainstTwo) {
    const Hand hand = readOne(written::kTournament);
    EXPECT_TRUE(hand.Tournament);
    EXPECT_EQ(hand.Net, 462500);
    ASSERT_EQ(hand.Players.size(), 3U);
    EXPECT_EQ(hand.Players[0].Name, "J\xC3\xB6rg [x]: y");
    EXPECT_EQ(hand.Players[0].Net, -300000);
    EXPECT_EQ(hand.Players[2].Net, -162500);
    ASSERT_EQ(hand.Decisions.size(), 2U);
    const Decision& check = hand.Decisions[0];
    EXPECT_EQ(std::tuple(check.Pot, check.ToCall, check.Stack, check.Opponents, check.Action),
              std::tuple(187500, 0, 237500, 2, Move::kCheck));
    const Decision& raise = hand.Decisions[1];
    EXPECT_EQ(std::tuple(raise.Pot, raise.ToCall, raise.Stack, raise.Opponents, raise.Action, raise.Amount),
              std::tuple(387500, 100000, 237500, 2, Move::kRaise, 237500));
    EXPECT_EQ(std::pair(raise.HeroBet, raise.VillainBet), std::pair(Money{0}, Money{100000}));
    EXPECT_DOUBLE_EQ(*raise.Price, 1000.0 / 4875.0);
    EXPECT_FALSE(raise.Equity); // no range to weigh it against
    // The replay's streets: the pot before each, the board as dealt.
    ASSERT_EQ(hand.Streets.size(), 4U);
    EXPECT_EQ(hand.Streets[1].PotBefore, 187500);
    EXPECT_EQ(hand.Streets[3].PotBefore, 762500);
    EXPECT_EQ(hand.Board, *readCardList("Qh 7h 2c 3d 9h"));
}

TEST(Money, RunTwiceSplitsThePotAndKeepsTheFirstBoard) {
    const equity::HoldingWeights range = ranges::profileRange(1);
    const Hand hand = readOne(written::kRunTwice, &range);
    EXPECT_EQ(hand.Net, 14700);
    EXPECT_EQ(hand.Board, *readCardList("Kd 8s 3c 2h Ks"));
    ASSERT_EQ(hand.Decisions.size(), 1U);
    const Decision& call = hand.Decisions[0];
    EXPECT_EQ(std::tuple(call.Pot, call.ToCall, call.Stack, call.Opponents),
              std::tuple(15600, 14400, 19400, 1));
    EXPECT_DOUBLE_EQ(*call.Price, 0.48);
    ASSERT_TRUE(call.Equity && call.Verdict);
    EXPECT_GT(*call.Equity, 0.48);
    EXPECT_TRUE(call.Verdict->starts_with("called with the price (+"));
}

// A call short of the price and a fold with it are flagged, a raise never (it may take the pot at once);
// the words say which side of the price and by how many whole points; checks and bets get no verdict.
TEST(Verdict, CallsAndFoldsAgainstThePriceAreFlagged) {
    for (int e = 0; e <= 20; ++e) {
        for (int p = 1; p <= 19; p += 3) {
            const double equity = e / 20.0;
            const double price = p / 20.0;
            const bool with = e >= p;
            const std::string points = std::to_string(std::abs(e - p) * 5);
            for (const auto& [move, word] :
                 {std::pair{Move::kCall, "called "}, std::pair{Move::kRaise, "raised "},
                  std::pair{Move::kFold, "folded "}}) {
                const auto verdict = verdictOf(move, equity, price);
                ASSERT_TRUE(verdict);
                EXPECT_EQ(verdict->Flagged, move == Move::kCall ? !with : move == Move::kFold && with);
                EXPECT_TRUE(verdict->Words.starts_with(word + std::string(with ? "with" : "short")));
                EXPECT_NE(verdict->Words.find(points + " point"), std::string::npos) << verdict->Words;
            }
            EXPECT_FALSE(verdictOf(Move::kCheck, equity, price) || verdictOf(Move::kBet, equity, price));
        }
    }
}

} // namespace
} // namespace tavolin::history
