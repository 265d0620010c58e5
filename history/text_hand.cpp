#include "history/text_hand.h"

#include "cards/card_text.h"
#include "history/text_header.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace tavolin::history {
namespace {

using std::string_view;

constexpr std::size_t kQuotedLine = 80;

// The street markers; a second run's streets add no board cards (the first run's board is the hand's).
struct StreetMarker {
    string_view Text;
    Street OnStreet;
    bool SecondRun;
};
constexpr std::array<StreetMarker, 10> kStreetMarkers{{
    {"*** HOLE CARDS ***", Street::kPreflop, false},
    {"*** FLOP ***", Street::kFlop, false},
    {"*** TURN ***", Street::kTurn, false},
    {"*** RIVER ***", Street::kRiver, false},
    {"*** FIRST FLOP ***", Street::kFlop, false},
    {"*** FIRST TURN ***", Street::kTurn, false},
    {"*** FIRST RIVER ***", Street::kRiver, false},
    {"*** SECOND FLOP ***", Street::kFlop, true},
    {"*** SECOND TURN ***", Street::kTurn, true},
    {"*** SECOND RIVER ***", Street::kRiver, true},
}};

// The verbs after "NAME: ". Posts come first, so that "posts small & big blinds" is not read as a small
// blind.
enum class Verb { kSmallAndBig, kAnte, kBlind, kFold, kCheck, kCall, kBet, kRaise };
constexpr std::array<std::pair<string_view, Verb>, 10> kVerbs{{
    {"posts small & big blinds ", Verb::kSmallAndBig},
    {"posts the ante ", Verb::kAnte},
    {"posts small blind ", Verb::kBlind},
    {"posts big blind ", Verb::kBlind},
    {"posts straddle ", Verb::kBlind},
    {"folds", Verb::kFold},
    {"checks", Verb::kCheck},
    {"calls ", Verb::kCall},
    {"bets ", Verb::kBet},
    {"raises ", Verb::kRaise},
}};

string_view firstWord(string_view text) {
    return text.substr(0, text.find(' '));
}

std::string quoted(string_view line) {
    return "\"" + std::string(line.substr(0, kQuotedLine)) + (line.size() > kQuotedLine ? "...\"" : "\"");
}

// The cards in the last [...] of a line.
std::optional<CardMask> lastBracketCards(string_view line) {
    const std::size_t open = line.rfind('[');
    const std::size_t close = line.rfind(']');
    if (open == string_view::npos || close == string_view::npos || close < open) return std::nullopt;
    return readCardList(line.substr(open + 1, close - open - 1));
}

// The cards of a list already read as a set, in the order written.
std::vector<Card> cardsInOrder(string_view list) {
    std::vector<Card> cards;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(' ', start), list.size());
        if (const auto card = readCard(list.substr(start, end - start))) cards.push_back(*card);
        start = end + 1;
    }
    return cards;
}

class TextHandReader {
public:
    explicit TextHandReader(const TextHeader& header) {
        Hand.Id = header.Id;
        Hand.Game = header.Game;
        Hand.Holdem = header.Holdem;
        Hand.BetLimit = header.BetLimit;
        Hand.Tournament = header.Tournament;
        Hand.Stakes = header.Stakes;
        Hand.Played = header.Played;
        BigBlind = header.BigBlind;
    }

    // An empty answer means the line was taken or passed over; else why the hand cannot be read.
    std::optional<std::string> readLine(string_view line);

    std::variant<HandRecord, Skip> finish() {
        if (!InSummary) return Skip{Hand.Id, "the hand stops before its summary"};
        if (Hand.Players.empty()) return Skip{Hand.Id, "no seated players"};
        if (std::none_of(Hand.Players.begin(), Hand.Players.end(),
                         [](const SeatedPlayer& p) { return p.Returned > 0; }))
            returnUncalledBet(Hand);
        return std::move(Hand);
    }

private:
    std::optional<std::string> readSeat(string_view line);
    std::optional<std::string> readStreetMarker(string_view line);
    std::optional<std::string> readAction(int player, string_view what, string_view line);
    std::optional<std::string> readNamedLine(string_view line);
    int playerNamed(string_view name) const;
    // The seated player whose name, then `after`, starts the line: the longest such name.
    int playerStarting(string_view line, string_view after) const;
    void add(int player, Move kind, Money amount) {
        Hand.Actions.push_back({player, OnStreet, kind, amount});
        if (kind != Move::kDead) StreetBets[static_cast<std::size_t>(player)] += amount;
    }

    HandRecord Hand;
    std::optional<Money> BigBlind;
    std::vector<Money> StreetBets;
    Street OnStreet = Street::kPreflop;
    bool ActionsBegun = false;
    bool InSummary = false;
};

std::optional<std::string> TextHandReader::readSeat(string_view line) {
    // "Seat 3: NAME ($12.50 in chips) " with maybe " is sitting out" or a bounty after the chips.
    const std::size_t colon = line.find(": ");
    const std::size_t chips = line.rfind(" in chips");
    const std::size_t open = chips == string_view::npos ? string_view::npos : line.rfind(" (", chips);
    if (colon == string_view::npos || open == string_view::npos || open <= colon) return std::nullopt;
    if (std::ssize(Hand.Players) == kMaxPlayers)
        return "more than " + std::to_string(kMaxPlayers) + " seated players";
    const auto stack = readMoney(line.substr(open + 2, chips - open - 2));
    if (!stack) return "unreadable stack in " + quoted(line);
    SeatedPlayer player;
    player.Name = std::string(line.substr(colon + 2, open - colon - 2));
    player.Seat = std::atoi(std::string(line.substr(5, colon - 5)).c_str());
    player.Stack = *stack;
    player.DealtIn = line.find("is sitting out", chips) == string_view::npos &&
                     line.find("out of hand", chips) == string_view::npos;
    Hand.Players.push_back(std::move(player));
    StreetBets.push_back(0);
    return std::nullopt;
}

std::optional<std::string> TextHandReader::readStreetMarker(string_view line) {
    for (const StreetMarker& marker : kStreetMarkers) {
        if (!line.starts_with(marker.Text)) continue;
        ActionsBegun = true;
        if (marker.SecondRun) return std::nullopt;
        if (marker.OnStreet != OnStreet) std::fill(StreetBets.begin(), StreetBets.end(), 0);
        OnStreet = marker.OnStreet;
        if (OnStreet == Street::kPreflop) return std::nullopt;
        const auto cards = lastBracketCards(line);
        const int expected = OnStreet == Street::kFlop ? 3 : 1;
        if (!cards || cardCount(*cards) != expected) return "unreadable board in " + quoted(line);
        Hand.NewCards[static_cast<std::size_t>(OnStreet)] = *cards;
        const std::size_t open = line.rfind('[') + 1;
        const std::vector<Card> dealt = cardsInOrder(line.substr(open, line.rfind(']') - open));
        Hand.DealtBoard.insert(Hand.DealtBoard.end(), dealt.begin(), dealt.end());
        return std::nullopt;
    }
    if (line.starts_with("*** SUMMARY ***")) InSummary = true;
    return std::nullopt;
}

int TextHandReader::playerNamed(string_view name) const {
    for (std::size_t i = 0; i < Hand.Players.size(); ++i) {
        if (Hand.Players[i].Name == name) return static_cast<int>(i);
    }
    return -1;
}

int TextHandReader::playerStarting(string_view line, string_view after) const {
    int found = -1;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < Hand.Players.size(); ++i) {
        const std::string& name = Hand.Players[i].Name;
        if (name.size() >= longest && line.starts_with(name) && line.substr(name.size()).starts_with(after)) {
            found = static_cast<int>(i);
            longest = name.size();
        }
    }
    return found;
}

std::optional<std::string> TextHandReader::readAction(int player, string_view what, string_view line) {
    for (const auto& [text, verb] : kVerbs) {
        if (!what.starts_with(text)) continue;
        if (verb == Verb::kFold || verb == Verb::kCheck) {
            add(player, verb == Verb::kFold ? Move::kFold : Move::kCheck, 0);
            return std::nullopt;
        }
        string_view amounts = what.substr(text.size());
        const auto amount = readMoney(firstWord(amounts));
        if (!amount) return "unreadable amount in " + quoted(line);
        Money& streetBet = StreetBets[static_cast<std::size_t>(player)];
        switch (verb) {
        case Verb::kSmallAndBig: {
            const Money live = BigBlind ? std::min(*amount, *BigBlind) : *amount;
            add(player, Move::kPost, live);
            if (*amount > live) add(player, Move::kDead, *amount - live);
            break;
        }
        case Verb::kAnte:
            add(player, Move::kDead, *amount);
            break;
        case Verb::kBlind:
            add(player, Move::kPost, *amount);
            break;
        case Verb::kCall:
            add(player, Move::kCall, *amount);
            break;
        case Verb::kBet:
            add(player, Move::kBet, *amount);
            break;
        default: { // "raises X to Y": Y is the player's whole bet on the street
            amounts.remove_prefix(firstWord(amounts).size());
            if (!amounts.starts_with(" to ")) return "unreadable raise in " + quoted(line);
            const auto to = readMoney(firstWord(amounts.substr(4)));
            if (!to || *to < streetBet) return "unreadable raise in " + quoted(line);
            add(player, Move::kRaise, *to - streetBet);
            break;
        }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> TextHandReader::readNamedLine(string_view line) {
    if (line.starts_with("Dealt to ")) {
        const std::size_t open = line.rfind(" [");
        const auto cards = lastBracketCards(line);
        if (open == string_view::npos || !cards) return std::nullopt; // another player's, face down
        const int player = playerNamed(line.substr(9, open - 9));
        if (player < 0) return "\"Dealt to\" names no seated player: " + quoted(line);
        Hand.Hero = player;
        Hand.Hole = *cards;
        return std::nullopt;
    }
    if (line.starts_with("Uncalled bet (")) {
        const std::size_t close = line.find(") returned to ");
        if (close == string_view::npos) return std::nullopt;
        const auto amount = readMoney(line.substr(14, close - 14));
        const int player = playerNamed(line.substr(close + 14));
        if (!amount || player < 0) return "unreadable returned bet in " + quoted(line);
        Hand.Players[static_cast<std::size_t>(player)].Returned += *amount;
        return std::nullopt;
    }
    if (const int player = playerStarting(line, " collected "); player >= 0) {
        const string_view rest = line.substr(Hand.Players[static_cast<std::size_t>(player)].Name.size() + 11);
        const auto amount = readMoney(firstWord(rest));
        if (!amount || !rest.substr(firstWord(rest).size()).starts_with(" from ")) return std::nullopt;
        Hand.Players[static_cast<std::size_t>(player)].Collected += *amount;
        return std::nullopt;
    }
    if (const int player = playerStarting(line, ": "); player >= 0)
        return readAction(player, line.substr(Hand.Players[static_cast<std::size_t>(player)].Name.size() + 2),
                          line);
    return std::nullopt;
}

std::optional<std::string> TextHandReader::readLine(string_view line) {
    if (InSummary) {
        if (const std::size_t rake = line.find("| Rake ");
            line.starts_with("Total pot ") && rake != string_view::npos) {
            const auto amount = readMoney(firstWord(line.substr(rake + 7)));
            if (!amount) return "unreadable rake in " + quoted(line);
            Hand.Rake = *amount;
        }
        return std::nullopt;
    }
    if (line.starts_with("*** ")) return readStreetMarker(line);
    if (line.starts_with("Hand cancelled")) return std::string("the hand was cancelled");
    if (!ActionsBegun && line.starts_with("Seat ")) return readSeat(line);
    return readNamedLine(line);
}

} // namespace

std::variant<HandRecord, Skip> readTextHand(const std::vector<Line>& lines) {
    const auto header = lines.empty() ? std::nullopt : readTextHeader(lines.front().Text);
    if (!header) return Skip{"", "no hand header"};
    TextHandReader reader(*header);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].Cut)
            return Skip{header->Id, "a line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
        if (auto problem = reader.readLine(lines[i].Text)) return Skip{header->Id, std::move(*problem)};
    }
    return reader.finish();
}

} // namespace tavolin::history
