#include "history/ohh_hand.h"

#include "cards/card_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

namespace tavolin::history {
namespace {

using nlohmann::json;

constexpr std::size_t kMaxActions = 1000;

constexpr std::array<std::pair<std::string_view, Move>, 11> kMoves{{
    {"Post SB", Move::kPost},
    {"Post BB", Move::kPost},
    {"Straddle", Move::kPost},
    {"Post Extra Blind", Move::kPost},
    {"Post Ante", Move::kDead},
    {"Post Dead", Move::kDead},
    {"Fold", Move::kFold},
    {"Check", Move::kCheck},
    {"Call", Move::kCall},
    {"Bet", Move::kBet},
    {"Raise", Move::kRaise},
}};

constexpr std::array<std::pair<std::string_view, Street>, 4> kStreets{{
    {"Preflop", Street::kPreflop},
    {"Flop", Street::kFlop},
    {"Turn", Street::kTurn},
    {"River", Street::kRiver},
}};

constexpr std::array<std::pair<std::string_view, Limit>, 3> kLimits{{
    {"NL", Limit::kNoLimit},
    {"PL", Limit::kPotLimit},
    {"FL", Limit::kFixedLimit},
}};

template <typename Value, std::size_t N>
std::optional<Value> lookUp(const std::array<std::pair<std::string_view, Value>, N>& table, const json& key) {
    if (!key.is_string()) return std::nullopt;
    const auto& text = key.get_ref<const std::string&>();
    for (const auto& [name, value] : table) {
        if (name == text) return value;
    }
    return std::nullopt;
}

std::optional<Money> moneyOf(const json& value) {
    if (!value.is_number()) return std::nullopt;
    const double amount = value.get<double>() * static_cast<double>(kMoneyScale);
    if (!std::isfinite(amount) || amount < 0 || amount > static_cast<double>(kMaxMoney)) return std::nullopt;
    return static_cast<Money>(std::llround(amount));
}

std::optional<CardMask> cardsOf(const json& value) {
    if (!value.is_array()) return std::nullopt;
    CardMask cards = 0;
    for (const json& card : value) {
        const auto read = card.is_string() ? readCard(card.get_ref<const std::string&>()) : std::nullopt;
        if (!read || (cards & read->mask()) != 0) return std::nullopt;
        cards |= read->mask();
    }
    return cards;
}

std::string textOf(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    return value.is_number() ? value.dump() : std::string();
}

struct Problem {
    std::string Reason;
};

// Reads the players and actions, counting a raise as added chips or, with `raiseIsTotal`, as the player's
// new bet on the street.
std::variant<HandRecord, Problem> readHand(const json& ohh, bool raiseIsTotal) {
    HandRecord hand;
    hand.Id = textOf(ohh.value("game_number", json()));
    hand.Game = textOf(ohh.value("game_type", json()));
    hand.Holdem = hand.Game == "Holdem";
    hand.Tournament = ohh.contains("tournament_info");
    hand.Played = textOf(ohh.value("start_date_utc", json()));
    const auto small = moneyOf(ohh.value("small_blind_amount", json()));
    const auto big = moneyOf(ohh.value("big_blind_amount", json()));
    if (small && big) hand.Stakes = moneyText(*small) + "/" + moneyText(*big);
    const json betLimit = ohh.value("bet_limit", json::object());
    if (betLimit.is_object())
        hand.BetLimit = lookUp(kLimits, betLimit.value("bet_type", json())).value_or(Limit::kNoLimit);

    const json& players = ohh.value("players", json::array());
    if (!players.is_array() || players.empty()) return Problem{"no players"};
    if (players.size() > kMaxPlayers) return Problem{"more than " + std::to_string(kMaxPlayers) + " players"};
    std::vector<json> ids;
    for (const json& player : players) {
        if (!player.is_object()) return Problem{"a player is not an object"};
        const auto stack = moneyOf(player.value("starting_stack", json()));
        if (!stack) return Problem{"a player without a readable starting stack"};
        SeatedPlayer seated;
        seated.Name = textOf(player.value("name", json()));
        const json seat = player.value("seat", json());
        seated.Seat = seat.is_number_integer() ? seat.get<int>() : 0;
        seated.Stack = *stack;
        seated.DealtIn = player.value("is_sitting_out", json()) != true;
        hand.Players.push_back(std::move(seated));
        ids.push_back(player.value("id", json()));
    }
    const auto indexOf = [&ids](const json& id) {
        const auto found = std::find(ids.begin(), ids.end(), id);
        return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
    };
    hand.Hero = ohh.contains("hero_player_id") ? indexOf(ohh["hero_player_id"]) : -1;

    const json& rounds = ohh.value("rounds", json::array());
    if (!rounds.is_array()) return Problem{"\"rounds\" is not a list"};
    std::vector<Money> streetBets(hand.Players.size(), 0);
    for (const json& round : rounds) {
        if (!round.is_object()) return Problem{"a round is not an object"};
        const auto street = lookUp(kStreets, round.value("street", json()));
        if (!street) continue; // the showdown
        const auto index = static_cast<std::size_t>(*street);
        const json& dealt = round.value("cards", json());
        if (const auto cards = cardsOf(dealt); cards && hand.NewCards[index] == 0) {
            hand.NewCards[index] = *cards;
            for (const json& card : dealt)
                hand.DealtBoard.push_back(*readCard(card.get_ref<const std::string&>()));
        }
        std::fill(streetBets.begin(), streetBets.end(), 0);
        const json& actions = round.value("actions", json::array());
        if (!actions.is_array()) return Problem{"a round's \"actions\" is not a list"};
        for (const json& action : actions) {
            if (!action.is_object()) return Problem{"an action is not an object"};
            const int player = indexOf(action.value("player_id", json()));
            if (player < 0) continue;
            if (action.value("action", json()) == "Dealt Cards" && player == hand.Hero) {
                hand.Hole = cardsOf(action.value("cards", json())).value_or(0);
                continue;
            }
            const auto move = lookUp(kMoves, action.value("action", json()));
            if (!move) continue;
            const auto amount = moneyOf(action.value("amount", json(0)));
            if (!amount) return Problem{"an action without a readable amount"};
            if (hand.Actions.size() == kMaxActions)
                return Problem{"more than " + std::to_string(kMaxActions) + " actions"};
            Money& bet = streetBets[static_cast<std::size_t>(player)];
            const Money added = *move == Move::kRaise && raiseIsTotal ? *amount - bet : *amount;
            if (added < 0) return Problem{"a raise to less than the player's bet"};
            if (*move != Move::kDead) bet += added;
            hand.Actions.push_back({player, *street, *move, added});
        }
    }
    returnUncalledBet(hand);

    Money potTotal = 0;
    const json& pots = ohh.value("pots", json::array());
    if (!pots.is_array()) return Problem{"\"pots\" is not a list"};
    for (const json& pot : pots) {
        if (!pot.is_object()) return Problem{"a pot is not an object"};
        const auto amount = moneyOf(pot.value("amount", json()));
        const auto rake = moneyOf(pot.value("rake", json(0)));
        if (!amount || !rake) return Problem{"a pot without a readable amount"};
        potTotal += *amount;
        hand.Rake += *rake;
        const json& wins = pot.value("player_wins", json::array());
        for (const json& win : wins.is_array() ? wins : json::array()) {
            const int player = win.is_object() ? indexOf(win.value("player_id", json())) : -1;
            const auto won = win.is_object() ? moneyOf(win.value("win_amount", json())) : std::nullopt;
            if (player < 0 || !won) return Problem{"a pot's winner cannot be read"};
            hand.Players[static_cast<std::size_t>(player)].Collected += *won;
        }
    }
    Money bets = 0;
    for (std::size_t i = 0; i < hand.Players.size(); ++i)
        bets += putIn(hand, static_cast<int>(i)) - hand.Players[i].Returned;
    if (bets != potTotal) return Problem{"the bets do not add up to the pots"};
    return hand;
}

// Raises counted as added chips first; as the street total when only that makes the bets meet the pots.
std::variant<HandRecord, Skip> settle(const json& ohh) {
    auto added = readHand(ohh, false);
    if (auto* hand = std::get_if<HandRecord>(&added)) return std::move(*hand);
    auto total = readHand(ohh, true);
    if (auto* hand = std::get_if<HandRecord>(&total)) return std::move(*hand);
    return Skip{textOf(ohh.value("game_number", json())), std::get<Problem>(added).Reason};
}

} // namespace

std::variant<HandRecord, Skip> readOhhHand(std::string_view text) {
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) return Skip{"", "not valid JSON"};
    if (!document.is_object() || !document.contains("ohh") || !document["ohh"].is_object())
        return Skip{"", "not an Open Hand History object ({\"ohh\": {...}})"};
    try {
        return settle(document["ohh"]);
    } catch (const json::exception&) {
        return Skip{"", "an Open Hand History field of the wrong kind"};
    }
}

} // namespace tavolin::history
