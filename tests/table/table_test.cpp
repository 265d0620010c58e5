#include "cards/card_text.h"
#include "table/table.h"

#include <algorithm>
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

// What must hold after any operation: no card twice, and the pick order holds exactly the cards on the
// places.
void expectSound(const Table& table) {
    const TableState& state = table.state();
    CardMask onPlaces = 0;
    for (const auto& place : state.Places) {
        if (!place) continue;
        EXPECT_EQ(onPlaces & place->mask(), 0U);
        onPlaces |= place->mask();
    }
    CardMask picked = 0;
    for (const Card c : state.PickOrder)
        picked |= c.mask();
    EXPECT_EQ(picked, onPlaces);
    EXPECT_EQ(state.PickOrder.size(), static_cast<std::size_t>(cardCount(onPlaces)));
}

// Picks fill the first free place, a take-back frees its place for the next pick, Backspace takes back the
// card picked last; each operation calls the change callback once.
TEST(Table, PicksFillFreePlacesAndTakeBacksFollowThePickOrder) {
    Table table;
    int changes = 0;
    table.onChange([&] { ++changes; });
    for (const char* name : {"Ah", "Kh", "Qh", "7h", "2c", "9s", "3d", "4d"})
        table.pick(card(name));
    EXPECT_EQ(placesOf(table), "Ah Kh Qh 7h 2c 9s 3d"); // the eighth finds no place
    EXPECT_EQ(changes, 7);
    table.takeBack(2);
    table.toggle(card("Kh"));
    table.pick(card("Td"));
    EXPECT_EQ(placesOf(table), "Ah Td - 7h 2c 9s 3d");
    EXPECT_EQ(table.holeCount(), 2);
    EXPECT_EQ(table.boardCount(), 4);
    table.backspace(); // Td, picked last
    table.backspace(); // 3d
    EXPECT_EQ(placesOf(table), "Ah - - 7h 2c 9s -");
    table.setAmount(0, "100");
    table.clear();
    EXPECT_EQ(placesOf(table), "- - - - - - -");
    EXPECT_EQ(table.state().Amounts[0], "");
    EXPECT_EQ(changes, 7 + 7);
}

// Over many random operations the table stays sound, and a copy of its state restores it exactly.
TEST(Table, StaysSoundAndRestoresAnyCopy) {
    Table table;
    RandomSource random(21);
    std::vector<TableState> copies;
    for (int step = 0; step < 3000; ++step) {
        const int action = random.below(10);
        if (action < 6) {
            table.toggle(Card::fromIndex(random.below(kDeckSize)));
        } else if (action < 7) {
            table.takeBack(random.below(kPlaceCount + 2) - 1);
        } else if (action < 8) {
            const std::size_t before = table.state().PickOrder.size();
            const auto last = before == 0 ? std::nullopt : std::optional(table.state().PickOrder.back());
            table.backspace();
            if (last) {
                EXPECT_FALSE(table.placeOf(*last));
            }
        } else if (action < 9) {
            copies.push_back(table.state());
        } else if (!copies.empty()) {
            const TableState copy =
                copies[static_cast<std::size_t>(random.below(static_cast<int>(copies.size())))];
            table.restore(copy);
            EXPECT_EQ(table.state(), copy);
        }
        expectSound(table);
    }
}

// A state put back with a card twice keeps its first place; the pick order keeps its cards and adds the
// missing ones in place order; a set-up hand fills the places in order and keeps what it does not name.
TEST(Table, RestoreAndSetUpRepairWhatTheyAreGiven) {
    Table table;
    TableState state;
    state.Places = {card("Ah"), std::nullopt, card("Qh"), card("Ah"), card("2c")};
    state.PickOrder = {card("2c"), card("9s")};
    state.Preflop = 3;
    table.restore(state);
    EXPECT_EQ(placesOf(table), "Ah - Qh - 2c - -");
    EXPECT_EQ(table.state().PickOrder, (std::vector<Card>{card("2c"), card("Ah"), card("Qh")}));
    table.setUp({{card("Ad"), card("7d")}, {card("3s"), card("4c"), card("5h")}, {}, {}, {}, {}, false});
    EXPECT_EQ(placesOf(table), "Ad 7d 3s 4c 5h - -");
    EXPECT_EQ(table.state().Preflop, 3);
    EXPECT_FALSE(table.state().ReportShown);
}

// A rank and a suit in either case toggle that card; "10" is a ten; anything else forgets the rank.
TEST(Table, TypedRankThenSuitTogglesTheCard) {
    Table table;
    const auto type = [&](std::string_view keys) {
        for (const char key : keys)
            table.typeKey(key);
    };
    type("Ad");
    type("10");
    EXPECT_EQ(table.typedRank(), "T");
    type("h");
    type("jD");
    type("q");
    EXPECT_EQ(table.typedRank(), "Q");
    type("x");
    EXPECT_EQ(table.typedRank(), "");
    type("s1");
    EXPECT_EQ(table.typedRank(), "1");
    type("h");
    EXPECT_EQ(placesOf(table), "Ad Th Jd - - - -");
    type("Ad"); // typed again, it goes back
    EXPECT_EQ(placesOf(table), "- Th Jd - - - -");
    type("K");
    table.backspace();
    EXPECT_EQ(table.typedRank(), "");
    EXPECT_EQ(placesOf(table), "- Th - - - - -");
}

// A random deal is two hole cards and three to five board cards, all different, from a cleared table; the
// same seed deals the same hand, and every board size comes up.
TEST(Table, RandomDealsAreSoundAndFollowTheSeed) {
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
        EXPECT_EQ(first.holeCount(), 2);
        EXPECT_EQ(first.state().Amounts[0], "");
        const int board = first.boardCount();
        ASSERT_TRUE(board >= 3 && board <= 5);
        ++boards[static_cast<std::size_t>(board)];
        EXPECT_EQ(first.state().PickOrder.size(), static_cast<std::size_t>(2 + board));
        expectSound(first);
    }
    EXPECT_GT(std::min({boards[3], boards[4], boards[5]}), 60);
}

} // namespace
} // namespace tavolin
