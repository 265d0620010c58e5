#include "history/hand_builder.h"

#include "equity/exact_equity.h"
#include "equity/multiway_equity.h"
#include "history/verdict.h"

#include <algorithm>

namespace tavolin::history {
namespace {

bool isChoice(Move kind) {
    return kind != Move::kPost && kind != Move::kDead;
}

// Replays the actions in order, keeping the pot, the street's bets and who is still in.
class Replay {
public:
    Replay(const HandRecord& record, Hand& hand) : Record(record), Out(hand) {
        for (const SeatedPlayer& player : record.Players)
            Stacks.push_back(player.Stack);
        StreetBets.assign(record.Players.size(), 0);
        Folded.assign(record.Players.size(), false);
    }

    void run() {
        openStreet(Street::kPreflop);
        for (const Action& action : Record.Actions) {
            while (action.OnStreet > OnStreet)
                openStreet(static_cast<Street>(static_cast<int>(OnStreet) + 1));
            if (action.Player == Record.Hero && action.OnStreet != Street::kPreflop && isChoice(action.Kind))
                decide(action);
            apply(action);
        }
        // Streets dealt after the betting ended (an all-in before the river).
        while (OnStreet < Street::kRiver && Record.NewCards[static_cast<std::size_t>(OnStreet) + 1] != 0)
            openStreet(static_cast<Street>(static_cast<int>(OnStreet) + 1));
    }

private:
    void openStreet(Street street) {
        OnStreet = street;
        Board |= Record.NewCards[static_cast<std::size_t>(street)];
        std::fill(StreetBets.begin(), StreetBets.end(), 0);
        Out.Streets.push_back({street, Board, Pot});
    }

    void decide(const Action& action) {
        const auto hero = static_cast<std::size_t>(Record.Hero);
        const Money highest = *std::max_element(StreetBets.begin(), StreetBets.end());
        Decision decision;
        decision.OnStreet = OnStreet;
        decision.Board = Board;
        decision.Pot = Pot;
        decision.Stack = Stacks[hero];
        decision.HeroBet = StreetBets[hero];
        decision.VillainBet = highest;
        decision.ToCall = std::clamp<Money>(highest - StreetBets[hero], 0, Stacks[hero]);
        for (std::size_t i = 0; i < Record.Players.size(); ++i)
            decision.Opponents += i != hero && Record.Players[i].DealtIn && !Folded[i] ? 1 : 0;
        decision.Action = action.Kind;
        decision.Amount = action.Added;
        if (decision.ToCall > 0)
            decision.Price =
                static_cast<double>(decision.ToCall) / static_cast<double>(Pot + decision.ToCall);
        Out.Decisions.push_back(decision);
    }

    void apply(const Action& action) {
        const auto player = static_cast<std::size_t>(action.Player);
        Pot += action.Added;
        Stacks[player] -= action.Added;
        if (action.Kind != Move::kDead) StreetBets[player] += action.Added;
        if (action.Kind == Move::kFold) Folded[player] = true;
    }

    const HandRecord& Record;
    Hand& Out;
    std::vector<Money> Stacks;
    std::vector<Money> StreetBets;
    std::vector<bool> Folded;
    Street OnStreet = Street::kPreflop;
    CardMask Board = 0;
    Money Pot = 0;
};

// The board in the order the reader listed it, street by street; a street whose listed cards disagree with
// its set of cards (a file naming a street twice) comes in rank order instead.
std::vector<Card> dealtBoard(const HandRecord& record) {
    std::vector<Card> board;
    std::size_t next = 0;
    for (std::size_t street = 1; street < record.NewCards.size(); ++street) {
        const CardMask cards = record.NewCards[street];
        const std::size_t count = static_cast<std::size_t>(cardCount(cards));
        const std::size_t end = next + count;
        CardMask listed = 0;
        for (std::size_t i = next; i < end && end <= record.DealtBoard.size(); ++i)
            listed |= maskOf(record.DealtBoard[i]);
        if (listed == cards && end <= record.DealtBoard.size()) {
            board.insert(board.end(), record.DealtBoard.begin() + static_cast<std::ptrdiff_t>(next),
                         record.DealtBoard.begin() + static_cast<std::ptrdiff_t>(end));
        } else {
            for (const Card card : cardsIn(cards))
                board.push_back(card);
        }
        next = end;
    }
    return board;
}

// Multiway pots are sampled to half a point, which a verdict in whole points can bear, and which the
// sampling reaches well before its time limit, so that the same file gives the same lines.
constexpr equity::MultiwayOptions kMultiwayOptions{1, 0.005, 1.0, 4e6};
constexpr int kMaxOpponents = 3;

std::optional<double> allInEquity(Decision& decision, CardMask hole,
                                  const equity::HoldingWeights& villainRange) {
    if (decision.Opponents > kMaxOpponents) {
        decision.NoEquity = "more than three opponents";
        return std::nullopt;
    }
    if (decision.Opponents == 1) {
        const equity::EquityResult result = equity::exactEquity(hole, decision.Board, villainRange);
        if (result.Holdings > 0) return result.Equity;
    } else {
        const std::vector<equity::HoldingWeights> ranges(static_cast<std::size_t>(decision.Opponents),
                                                         villainRange);
        const equity::MultiwayEquity result =
            equity::multiwayEquity(hole, decision.Board, ranges, kMultiwayOptions);
        if (result.Samples > 0) return result.Equity;
    }
    decision.NoEquity = "no holding of the range is live";
    return std::nullopt;
}

bool unweighed(const Decision& decision) {
    return decision.Opponents > 1 && !decision.Equity && decision.NoEquity.empty();
}

void judge(Decision& decision, CardMask hole, const equity::HoldingWeights& villainRange) {
    const auto equity = allInEquity(decision, hole, villainRange);
    if (!equity) return;
    const double result = *equity;
    decision.Equity = result;
    if (!decision.Price) return;
    if (const auto verdict = verdictOf(decision.Action, result, *decision.Price)) {
        decision.Verdict = verdict->Words;
        decision.Flagged = verdict->Flagged;
    }
}

} // namespace

std::variant<Hand, Skip> buildHand(const HandRecord& record, const equity::HoldingWeights* villainRange,
                                   Weigh weigh) {
    if (!record.Holdem) return Skip{record.Id, "not hold'em: " + record.Game};
    if (record.Hero < 0) return Skip{record.Id, "the hero's cards are unknown (no \"Dealt to\" line)"};
    if (cardCount(record.Hole) != 2)
        return Skip{record.Id,
                    "the hero holds " + std::to_string(cardCount(record.Hole)) + " cards, not two"};
    CardMask seen = record.Hole;
    for (const CardMask cards : record.NewCards) {
        if ((seen & cards) != 0) return Skip{record.Id, "a card is dealt twice"};
        seen |= cards;
    }
    for (std::size_t street = 1; street < record.NewCards.size(); ++street) {
        if (record.NewCards[street] != 0 && record.NewCards[street - 1] == 0 && street > 1)
            return Skip{record.Id, "a street is dealt before the one it follows"};
    }

    Money balance = record.Rake;
    for (std::size_t i = 0; i < record.Players.size(); ++i)
        balance += net(record, static_cast<int>(i));
    if (balance != 0)
        return Skip{record.Id,
                    "the chips do not balance: the players' nets and the rake sum to " + moneyText(balance)};

    for (std::size_t i = 0; i < record.Players.size(); ++i) {
        if (putIn(record, static_cast<int>(i)) > record.Players[i].Stack)
            return Skip{record.Id, "a player puts in more chips than the hand starts them with"};
    }

    Hand hand;
    hand.Id = record.Id;
    hand.BetLimit = record.BetLimit;
    hand.Tournament = record.Tournament;
    hand.Stakes = record.Stakes;
    hand.Played = record.Played;
    hand.Hero = record.Players[static_cast<std::size_t>(record.Hero)].Name;
    hand.Hole = record.Hole;
    hand.Rake = record.Rake;
    hand.Net = net(record, record.Hero);
    for (std::size_t i = 0; i < record.Players.size(); ++i) {
        const SeatedPlayer& player = record.Players[i];
        if (player.DealtIn)
            hand.Players.push_back(
                {player.Name, player.Seat, player.Stack, net(record, static_cast<int>(i))});
    }
    Replay(record, hand).run();
    hand.Board = hand.Streets.back().Board;
    hand.DealtBoard = dealtBoard(record);
    if (villainRange != nullptr) {
        for (Decision& decision : hand.Decisions)
            if (weigh == Weigh::kEveryDecision || decision.Opponents <= 1)
                judge(decision, hand.Hole, *villainRange);
    }
    return hand;
}

void weighMultiway(Hand& hand, const equity::HoldingWeights& villainRange) {
    for (Decision& decision : hand.Decisions)
        if (unweighed(decision)) judge(decision, hand.Hole, villainRange);
}

} // namespace tavolin::history
