#include "cards/card_text.h"
#include "history/replay.h"
#include "tests/history/written_hands.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tavolin::history {
namespace {

using Amounts = std::array<std::string, kAmountCount>;

HandList listOf(const std::string& text) {
    std::istringstream in(text);
    return readHandList(in);
}

std::string names(const std::vector<Card>& cards) {
    std::string text;
    for (const Card card : cards)
        text += (text.empty() ? "" : " ") + cardName(card);
    return text;
}

CardMask maskOfAll(const std::vector<Card>& cards) {
    CardMask mask = 0;
    for (const Card card : cards)
        mask |= card.mask();
    return mask;
}

// The tournament hand street by street: the board grows in dealt order, the amounts follow the hero.
TEST(Replay, SetsTheTableStreetByStreet) {
    HandList list = listOf(written::kTournament + "\n" + written::kRunTwice);
    ASSERT_EQ(list.Hands.size(), 2u);
    EXPECT_EQ(list.Hands[0].Stakes + " | " + list.Hands[0].Played, "100/200 | 2024/01/05 20:00:00 ET");
    EXPECT_EQ(list.Hands[1].Stakes, "$1/$2 USD");
    ASSERT_TRUE(list.choose(0));
    EXPECT_EQ(list.Shown, 1u); // the flop first
    TableSetup flop = list.setup();
    EXPECT_EQ(names(flop.Hole), "Ah Kh"); // the higher rank first
    EXPECT_EQ(names(flop.Board), "Qh 7h 2c");
    EXPECT_EQ(flop.Amounts, (Amounts{"2875", "0", "1000", "2375"})); // the hero checks, then faces a bet
    ASSERT_TRUE(list.nextStreet());
    EXPECT_EQ(names(list.setup().Board), "Qh 7h 2c 3d");
    EXPECT_EQ(list.setup().Amounts, (Amounts{"7625", "0", "0", "0"})); // all-in: nothing behind
    ASSERT_TRUE(list.nextStreet());
    EXPECT_EQ(names(list.setup().Board), "Qh 7h 2c 3d 9h");
    EXPECT_FALSE(list.nextStreet());
    ASSERT_TRUE(list.previousStreet() && list.previousStreet() && list.previousStreet());
    EXPECT_TRUE(list.setup().Board.empty());
    EXPECT_EQ((*list.setup().Amounts)[3], "3000"); // the stack the hero sat down with
    EXPECT_FALSE(list.previousStreet());

    // Run twice: the first run's board; the hero faces an all-in bet into a pot of 12.
    ASSERT_TRUE(list.choose(1));
    EXPECT_EQ(list.setup().Amounts, (Amounts{"12", "0", "144", "194"}));
    EXPECT_EQ(list.decisionsShown().size(), 1u);
    ASSERT_TRUE(list.nextStreet());
    EXPECT_EQ(names(list.setup().Board), "Kd 8s 3c 2h");
    EXPECT_TRUE(list.decisionsShown().empty());
    EXPECT_FALSE(list.choose(2));
}

// Each street's board extends the one before by the street's cards, in the order dealt, and where the
// hero acted the amounts add up to the pot one of its decisions saw, in one unit throughout. Returns the
// hands seen.
int checkReplays(HandList list, const std::string& where) {
    for (int i = 0; i < static_cast<int>(list.Hands.size()); ++i) {
        EXPECT_TRUE(list.choose(i));
        const Hand& hand = *list.chosen();
        const Money scale = wholeUnits(hand) ? kMoneyScale : 1;
        std::vector<Card> before;
        for (std::size_t street = 0; street < hand.Streets.size(); ++street) {
            const TableSetup setup = streetSetup(hand, street);
            SCOPED_TRACE(where + " hand " + hand.Id + " street " + std::to_string(street));
            EXPECT_EQ(maskOfAll(setup.Board), hand.Streets[street].Board);
            EXPECT_TRUE(std::equal(before.begin(), before.end(), setup.Board.begin()));
            EXPECT_EQ(setup.Board.size(), street == 0 ? 0u : street + 2);
            before = setup.Board;
            const Amounts& amounts = *setup.Amounts;
            Money sum = 0;
            for (std::size_t a = 0; a < 3; ++a)
                sum += std::stoll(amounts[a]) * scale;
            const bool acted =
                std::any_of(hand.Decisions.begin(), hand.Decisions.end(),
                            [&](const Decision& d) { return d.OnStreet == hand.Streets[street].OnStreet; });
            const bool seen =
                std::any_of(hand.Decisions.begin(), hand.Decisions.end(), [&](const Decision& d) {
                    return d.OnStreet == hand.Streets[street].OnStreet && d.Pot == sum &&
                           std::stoll(amounts[3]) * scale == d.Stack;
                });
            EXPECT_EQ(acted, seen);
        }
    }
    return static_cast<int>(list.Hands.size());
}

TEST(Replay, EveryHandReplaysConsistently) {
    int hands = checkReplays(listOf(written::kTournament + written::kRunTwice), "written");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TAVOLIN_HH_SAMPLES)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        hands += checkReplays(readHandList(file), entry.path().string());
    }
    EXPECT_GE(hands, 6);
}

} // namespace
} // namespace tavolin::history
