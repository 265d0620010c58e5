#pragma once

#include "cards/card.h"
#include "cards/random_source.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavolin {

inline constexpr int kPlaceCount = 7; // two hole cards, the flop, the turn and the river
inline constexpr int kHolePlaceCount = 2;
inline constexpr int kAmountCount = 4; // pot, hero's bet, villain's bet, stack

// Everything the player sets on the table, as a value.
struct TableState {
    std::array<std::optional<Card>, kPlaceCount> Places{};
    std::array<std::string, kAmountCount> Amounts{};
    int Preflop = 1;
    int Postflop = 1;
    bool CountVillain = false;
    bool ReportShown = true;
    std::vector<Card> PickOrder; // the cards on the places, in the order they were picked

    friend bool operator==(const TableState&, const TableState&) = default;
};

// A hand to put on the table: its cards in order, and whatever else it names (the rest stays).
struct TableSetup {
    std::vector<Card> Hole;
    std::vector<Card> Board;
    std::optional<std::array<std::string, kAmountCount>> Amounts;
    std::optional<int> Preflop;
    std::optional<int> Postflop;
    std::optional<bool> CountVillain;
    std::optional<bool> ReportShown;
};

// The table the window draws: the cards on the seven places and the player's other choices, with the
// operations the window offers. Every operation that changes something calls the change callback once.
class Table {
public:
    const TableState& state() const { return State; }
    // Puts a state back; a card given twice keeps its first place, and the pick order keeps only the cards
    // on the places, those it lacks following in place order.
    void restore(TableState state);
    void onChange(std::function<void()> callback) { Changed = std::move(callback); }

    std::optional<int> placeOf(Card card) const;
    int holeCount() const;
    int boardCount() const;

    // The card goes to the first free place; a card already on the table, or a full table, changes nothing.
    void pick(Card card);
    // The card on `place` goes back to the deck; the next pick fills that place.
    void takeBack(int place);
    // A click on a card: picked when in the deck, taken back when on the table.
    void toggle(Card card);
    // Takes back the card picked last, and forgets a rank typed (a change even with no card to take).
    void backspace();
    // Every card back in the deck and the amounts empty.
    void clear();
    void setUp(const TableSetup& setup);
    // From a cleared table, two hole cards and a flop, turn or river, uniformly.
    void dealRandom(RandomSource& random);

    void setAmount(int index, std::string text);
    void setPreflop(int index);
    void setPostflop(int index);
    void setCountVillain(bool count);
    void setReportShown(bool shown);

    // A rank and then a suit toggle that card, in either case; "10" is a ten. Any other key forgets the rank.
    void typeKey(char key);
    // Forgets a rank typed, as Escape does; every other operation forgets it too.
    void forgetTypedRank();
    // "" when nothing waits; the rank letter waiting for its suit; "1" waiting for the "0" of a ten.
    std::string typedRank() const;

private:
    void changed();
    bool pickQuietly(Card card);
    bool takeBackQuietly(int place);
    bool toggleQuietly(Card card);

    TableState State;
    int TypedRank = 0; // 0 none, 1 a "1" typed, else the rank 2..14 waiting for its suit
    bool KeepTypedRank = false;
    std::function<void()> Changed;
};

} // namespace tavolin
