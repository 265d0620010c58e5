#include "table/table.h"

#include "cards/card_text.h"

#include <algorithm>

namespace tavolin {
namespace {

constexpr int kOne = 1; // a typed "1", waiting for the "0" of a ten

} // namespace

// A rank waiting for its suit belongs to the table it was typed at; any other change forgets it.
void Table::changed() {
    if (!KeepTypedRank) TypedRank = 0;
    KeepTypedRank = false;
    if (Changed) Changed();
}

void Table::forgetTypedRank() {
    if (TypedRank != 0) changed();
}

void Table::restore(TableState state) {
    CardMask seen = 0;
    for (auto& place : state.Places) {
        if (!place) continue;
        if ((seen & place->mask()) != 0) place.reset();
        if (place) seen |= place->mask();
    }
    std::vector<Card> order;
    for (const Card card : state.PickOrder) {
        if ((seen & card.mask()) == 0) continue;
        order.push_back(card);
        seen &= ~card.mask();
    }
    for (const auto& place : state.Places) {
        if (place && (seen & place->mask()) != 0) order.push_back(*place);
    }
    state.PickOrder = std::move(order);
    State = std::move(state);
    changed();
}

std::optional<int> Table::placeOf(Card card) const {
    const auto at = std::find(State.Places.begin(), State.Places.end(), card);
    if (at == State.Places.end()) return std::nullopt;
    return static_cast<int>(at - State.Places.begin());
}

int Table::holeCount() const {
    return static_cast<int>(std::count_if(State.Places.begin(), State.Places.begin() + kHolePlaceCount,
                                          [](const auto& place) { return place.has_value(); }));
}

int Table::boardCount() const {
    return static_cast<int>(std::count_if(State.Places.begin() + kHolePlaceCount, State.Places.end(),
                                          [](const auto& place) { return place.has_value(); }));
}

bool Table::pickQuietly(Card card) {
    const auto free = std::find(State.Places.begin(), State.Places.end(), std::nullopt);
    if (free == State.Places.end() || placeOf(card)) return false;
    *free = card;
    State.PickOrder.push_back(card);
    return true;
}

bool Table::takeBackQuietly(int place) {
    if (place < 0 || place >= kPlaceCount) return false;
    auto& card = State.Places[static_cast<std::size_t>(place)];
    if (!card) return false;
    std::erase(State.PickOrder, *card);
    card.reset();
    return true;
}

bool Table::toggleQuietly(Card card) {
    const auto place = placeOf(card);
    return place ? takeBackQuietly(*place) : pickQuietly(card);
}

void Table::pick(Card card) {
    if (pickQuietly(card)) changed();
}

void Table::takeBack(int place) {
    if (takeBackQuietly(place)) changed();
}

void Table::toggle(Card card) {
    if (toggleQuietly(card)) changed();
}

void Table::backspace() {
    TypedRank = 0;
    if (!State.PickOrder.empty()) takeBackQuietly(*placeOf(State.PickOrder.back()));
    changed();
}

void Table::clear() {
    State.Places = {};
    State.PickOrder.clear();
    State.Amounts = {};
    changed();
}

void Table::setUp(const TableSetup& setup) {
    TableState next = State;
    next.Places = {};
    next.PickOrder.clear();
    for (std::size_t i = 0; i < setup.Hole.size() && i < kHolePlaceCount; ++i)
        next.Places[i] = setup.Hole[i];
    for (std::size_t i = 0; i < setup.Board.size() && i + kHolePlaceCount < kPlaceCount; ++i)
        next.Places[i + kHolePlaceCount] = setup.Board[i];
    if (setup.Amounts) next.Amounts = *setup.Amounts;
    next.Preflop = setup.Preflop.value_or(next.Preflop);
    next.Postflop = setup.Postflop.value_or(next.Postflop);
    next.CountVillain = setup.CountVillain.value_or(next.CountVillain);
    next.ReportShown = setup.ReportShown.value_or(next.ReportShown);
    restore(std::move(next));
}

void Table::dealRandom(RandomSource& random) {
    TableState next = State;
    next.Places = {};
    next.PickOrder.clear();
    next.Amounts = {};
    const int cards = kHolePlaceCount + 3 + random.below(3);
    CardMask dealt = 0;
    for (int place = 0; place < cards; ++place) {
        Card card = Card::fromIndex(random.below(kDeckSize));
        while ((dealt & card.mask()) != 0)
            card = Card::fromIndex(random.below(kDeckSize));
        dealt |= card.mask();
        next.Places[static_cast<std::size_t>(place)] = card;
        next.PickOrder.push_back(card);
    }
    State = std::move(next);
    changed();
}

void Table::setAmount(int index, std::string text) {
    if (index < 0 || index >= kAmountCount) return;
    State.Amounts[static_cast<std::size_t>(index)] = std::move(text);
    changed();
}

void Table::setPreflop(int index) {
    State.Preflop = index;
    changed();
}

void Table::setPostflop(int index) {
    State.Postflop = index;
    changed();
}

void Table::setCountVillain(bool count) {
    State.CountVillain = count;
    changed();
}

void Table::setReportShown(bool shown) {
    State.ReportShown = shown;
    changed();
}

void Table::typeKey(char key) {
    const auto suit = suitOfLetter(key);
    if (TypedRank > kOne && suit) {
        const Card card(TypedRank, *suit);
        TypedRank = 0;
        toggleQuietly(card);
        changed();
        return;
    }
    if (TypedRank == kOne && key == '0')
        TypedRank = 10;
    else if (key == '1')
        TypedRank = kOne;
    else
        TypedRank = rankOfLetter(key).value_or(0);
    KeepTypedRank = true;
    changed();
}

std::string Table::typedRank() const {
    if (TypedRank == 0) return {};
    if (TypedRank == kOne) return "1";
    return std::string(1, rankLetter(TypedRank));
}

} // namespace tavolin
