#include "history/replay.h"

#include "history/history_reader.h"

#include <algorithm>
#include <string>

namespace tavolin::history {
namespace {

std::string amountText(Money amount, bool whole) {
    return std::to_string(whole ? amount / kMoneyScale : amount);
}

Money heroStartStack(const Hand& hand) {
    for (const PlayerResult& player : hand.Players)
        if (player.Name == hand.Hero) return player.Stack;
    return 0;
}

// Which of a street's decisions the table shows: a flagged one, else one facing a bet, else the first.
int rank(const Decision& decision) {
    return decision.Flagged ? 3 : decision.ToCall > 0 ? 2 : 1;
}

} // namespace

std::vector<Card> boardDealt(const Hand& hand, std::size_t street) {
    const CardMask board = street < hand.Streets.size() ? hand.Streets[street].Board : 0;
    std::vector<Card> cards;
    for (const Card card : hand.DealtBoard)
        if ((board & card.mask()) != 0 && cards.size() < static_cast<std::size_t>(cardCount(board)))
            cards.push_back(card);
    if (cards.size() != static_cast<std::size_t>(cardCount(board))) {
        cards.clear();
        for (const Card card : cardsIn(board))
            cards.push_back(card);
    }
    return cards;
}

std::vector<Card> holeCards(const Hand& hand) {
    std::vector<Card> cards;
    for (const Card card : cardsIn(hand.Hole))
        cards.push_back(card);
    std::stable_sort(cards.begin(), cards.end(), [](Card a, Card b) { return a.rank() > b.rank(); });
    return cards;
}

bool flagged(const Hand& hand) {
    return std::any_of(hand.Decisions.begin(), hand.Decisions.end(),
                       [](const Decision& d) { return d.Flagged; });
}

bool wholeUnits(const Hand& hand) {
    const auto whole = [](Money amount) { return amount % kMoneyScale == 0; };
    const bool streets = std::all_of(hand.Streets.begin(), hand.Streets.end(),
                                     [&](const StreetState& street) { return whole(street.PotBefore); });
    return streets && whole(heroStartStack(hand)) &&
           std::all_of(hand.Decisions.begin(), hand.Decisions.end(), [&](const Decision& d) {
               return whole(d.Pot) && whole(d.HeroBet) && whole(d.VillainBet) && whole(d.Stack) &&
                      whole(d.Amount);
           });
}

TableSetup streetSetup(const Hand& hand, std::size_t street) {
    TableSetup setup;
    setup.Hole = holeCards(hand);
    setup.Board = boardDealt(hand, street);
    if (street >= hand.Streets.size()) return setup;
    const StreetState& shown = hand.Streets[street];
    const bool whole = wholeUnits(hand);
    std::array<std::string, kAmountCount> amounts{amountText(shown.PotBefore, whole), "0", "0", ""};
    if (shown.OnStreet == Street::kPreflop) amounts[3] = amountText(heroStartStack(hand), whole);
    const Decision* weighed = nullptr;
    for (const Decision& decision : hand.Decisions) {
        if (decision.OnStreet < shown.OnStreet)
            amounts[3] = amountText(decision.Stack - decision.Amount, whole);
        if (decision.OnStreet == shown.OnStreet && rank(decision) > (weighed ? rank(*weighed) : 0))
            weighed = &decision;
    }
    if (weighed != nullptr)
        amounts = {amountText(weighed->Pot - weighed->HeroBet - weighed->VillainBet, whole),
                   amountText(weighed->HeroBet, whole), amountText(weighed->VillainBet, whole),
                   amountText(weighed->Stack, whole)};
    setup.Amounts = amounts;
    return setup;
}

const Hand* HandList::chosen() const {
    if (Chosen < 0 || Chosen >= static_cast<int>(Hands.size())) return nullptr;
    return &Hands[static_cast<std::size_t>(Chosen)];
}

bool HandList::choose(int index) {
    if (index < 0 || index >= static_cast<int>(Hands.size())) return false;
    Chosen = index;
    const Hand& hand = Hands[static_cast<std::size_t>(index)];
    Shown = hand.Streets.size() > 1 ? 1 : 0;
    return true;
}

bool HandList::nextStreet() {
    const Hand* hand = chosen();
    if (hand == nullptr || Shown + 1 >= hand->Streets.size()) return false;
    ++Shown;
    return true;
}

bool HandList::previousStreet() {
    if (chosen() == nullptr || Shown == 0) return false;
    --Shown;
    return true;
}

std::vector<const Decision*> HandList::decisionsShown() const {
    std::vector<const Decision*> shown;
    const Hand* hand = chosen();
    if (hand == nullptr || Shown >= hand->Streets.size()) return shown;
    for (const Decision& decision : hand->Decisions)
        if (decision.OnStreet == hand->Streets[Shown].OnStreet) shown.push_back(&decision);
    return shown;
}

HandList readHandList(std::istream& in, const equity::HoldingWeights* villainRange, Weigh weigh) {
    HandList list;
    HistoryReader reader(in, villainRange, weigh);
    while (auto item = reader.next()) {
        if (auto* hand = std::get_if<Hand>(&*item))
            list.Hands.push_back(std::move(*hand));
        else
            list.Skipped.push_back(std::get<Skip>(std::move(*item)));
    }
    return list;
}

} // namespace tavolin::history
