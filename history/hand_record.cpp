#include "history/hand_record.h"

#include <algorithm>
#include <utility>

namespace tavolin::history {

Money putIn(const HandRecord& hand, int player) {
    Money total = 0;
    for (const Action& action : hand.Actions) {
        if (action.Player == player) total += action.Added;
    }
    return total;
}

void returnUncalledBet(HandRecord& hand) {
    if (hand.Actions.empty() || hand.Players.size() < 2) return;
    std::vector<Money> lastBets(hand.Players.size(), 0);
    for (const Action& action : hand.Actions) {
        if (action.OnStreet == hand.Actions.back().OnStreet && action.Kind != Move::kDead)
            lastBets[static_cast<std::size_t>(action.Player)] += action.Added;
    }
    const auto top = std::max_element(lastBets.begin(), lastBets.end());
    const Money topBet = std::exchange(*top, 0);
    hand.Players[static_cast<std::size_t>(top - lastBets.begin())].Returned +=
        topBet - *std::max_element(lastBets.begin(), lastBets.end());
}

Money net(const HandRecord& hand, int player) {
    const SeatedPlayer& seated = hand.Players[static_cast<std::size_t>(player)];
    return seated.Collected + seated.Returned - putIn(hand, player);
}

} // namespace tavolin::history
