#include "cards/card_text.h"
#include "table/table.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace tavolin {
namespace {

Card card(const char* name) {
    return *readCard(name);
}

// The places as card names, "-" for a free place: "Ah Kh - 7h".
std::string placesOf(const Table& table) {
    std::string text;
    for (const auto& place : table.state().Places)
        text += (text.empty() ? "" : " ") + (place ? cardName(*place) : std::string("-"));
    return text;
}

// Picks fill the first free place, a take-back frees its place for the next pick, Backspace takes back the
// card picked last; each operation calls the change callback once. A state put back keeps a card given
// twice in its first place only, and its pick order holds exactly the cards on the places.
TEST(Table, PicksFillFreePlacesAndTakeBacksFollowThePickOrder) {
    Table table;
    int changes = 0;
    table.onChange([&] { ++changes; });
    for (const char* name : {"Ah", "Kh", "Qh", "7h", "2c", "9s", "3d", "4d"})
        table.pick(card(name));
    EXPECT_EQ(changes, 7); // the eighth finds no place
    table.takeBack(2);
    table.toggle(card("Kh"));
    table.pick(card("Td"));
    EXPECT_EQ(placesOf(table), "Ah Td - 7h 2c 9s 3d");
    EXPECT_EQ(table.boardCount(), 4);
    table.backspace(); // Td, picked last
    table.backspace();
    EXPECT_EQ(placesOf(table), "Ah - - 7h 2c 9s -");
    table.setAmount(0, "100");
    table.clear();
    EXPECT_EQ(placesOf(table) + table.state().Amounts[0], "- - - - - - -");
    EXPECT_EQ(changes, 7 + 7);

    TableState given;
    given.Places = {card("Ah"), std::nullopt, card("Qh"), card("Ah"), card("2c")};
    given.PickOrder = {card("2c"), card("9s")};
    table.restore(given);
    EXPECT_EQ(placesOf(table), "Ah - Qh - 2c - -");
    EXPECT_EQ(table.state().PickOrder, (std::vector<Card>{card("2c"), card("Ah"), card("Qh")}));
    TableSetup setup;
    setup.Hole = {card("Ad"), card("7d")};
    setup.Board = {card("3s"), card("4c"), card("5h"), card("6h"), card("7h"), card("8h")};
    table.setUp(setup);
    EXPECT_EQ(placesOf(table), "Ad 7d 3s 4c 5h 6h 7h");
}

// Over many random operations a copy of the state restores the table exactly, and Backspace always takes
// back the card picked last.
TEST(Table, RestoresAnyCopyAfterRandomOperations) {
    Table table;
    RandomSource random(21);
    std::vector<TableState> copies{table.state()};
    for (int step = 0; step < 3000; ++step) {
        const int action = random.below(10);
        if (action < 6) {
            table.toggle(Card::fromIndex(random.below(kDeckSize)));
        } else if (action < 7) {
            table.takeBack(random.below(kPlaceCount + 2) - 1);
        } else if (action < 8 && !table.state().PickOrder.empty()) {
            const Card last = table.state().PickOrder.back();
            table.backspace();
            EXPECT_FALSE(table.placeOf(last));
        } else if (action < 9) {
            copies.push_back(table.state());
        } else {
            const TableState copy =
                copies[static_cast<std::size_t>(random.below(static_cast<int>(copies.size())))];
            table.restore(copy);
            EXPECT_EQ(table.state(), copy);
        }
    }
}

// A rank and a suit in either case toggle that card; "10" is a ten; anything else forgets the rank.
TEST(Table, TypedRankThenSuitTogglesTheCard) {
    Table table;
    const auto type = [&](std::string_view keys) {
        for (const char key : keys)
            table.typeKey(key);
        return table.typedRank();
    };
    EXPECT_EQ(type("Ad10"), "T");
    EXPECT_EQ(type("hjDq"), "Q");
    EXPECT_EQ(type("x"), "");
    EXPECT_EQ(type("s1"), "1");
    EXPECT_EQ(type("h"), "");
    EXPECT_EQ(placesOf(table), "Ad Th Jd - - - -");
    type("AdK"); // typed again, a card goes back
    table.backspace();
    EXPECT_EQ(table.typedRank(), "");
    EXPECT_EQ(placesOf(table), "- Th - - - - -");
    // A rank waits only until the table changes in any other way.
    const std::array<std::function<void()>, 5> changes{
        [&] { table.setAmount(0, "100"); }, [&] { table.setUp({}); }, [&] { table.restore(table.state()); },
        [&] { table.setPreflop(2); }, [&] { table.forgetTypedRank(); }};
    for (const auto& change : changes) {
        EXPECT_EQ(type("K"), "K");
        change();
        EXPECT_EQ(table.typedRank(), "");
    }
}

// A random deal is two hole cards and three to five different board cards on a cleared table; the same
// seed deals the same hand, and every board size comes up.
TEST(Table, RandomDealsFollowTheSeed) {
    std::array<int, 6> boards{};
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        Table first;
        Table second;
        first.setAmount(0, "100");
        RandomSource a(seed);
        RandomSource b(seed);
        first.dealRandom(a);
        second.dealRandom(b);
        EXPECT_EQ(first.state(), second.state());
        const int board = first.boardCount();
        ++boards[static_cast<std::size_t>(std::clamp(board, 0, 5))];
        CardMask dealt = 0;
        for (const Card c : first.state().PickOrder)
            dealt |= c.mask();
        EXPECT_EQ(cardCount(dealt), 2 + board);
        EXPECT_EQ(first.holeCount() + first.state().Amounts[0].size(), 2U);
    }
    EXPECT_GT(std::min({boards[3], boards[4], boards[5]}), 60);
}

} // namespace
} // namespace tavolin
