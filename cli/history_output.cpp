#include "cli/history_output.h"

#include "cards/card_text.h"
#include "history/history_reader.h"
#include "ranges/profiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

namespace tavolin::cli {
namespace {

using history::Money;
using json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 3> kLimitNames{"no-limit", "pot-limit", "fixed-limit"};
constexpr std::array<std::string_view, 4> kStreetNames{"preflop", "flop", "turn", "river"};
constexpr std::array<std::string_view, 7> kActionNames{"post", "post", "fold", "check",
                                                       "call", "bet",  "raise"};

std::string dump(const json& line) {
    return line.dump(-1, ' ', false, json::error_handler_t::replace);
}

// Whole amounts as whole numbers ("147", not "147.0").
json money(Money amount) {
    if (amount % history::kMoneyScale == 0) return json(amount / history::kMoneyScale);
    return json(history::moneyValue(amount));
}

// Shares to four decimals: enough to tell a point apart, short to read.
json share(const std::optional<double>& value) {
    return value ? json(std::round(*value * 10000.0) / 10000.0) : json();
}

// Cards high rank first, as players write them ("Ah Kh", "Qh 7h 2c").
std::string byRank(CardMask cards) {
    std::vector<Card> sorted;
    for (const Card card : cardsIn(cards))
        sorted.push_back(card);
    std::stable_sort(sorted.begin(), sorted.end(), [](Card a, Card b) { return a.rank() > b.rank(); });
    std::string text;
    for (const Card card : sorted)
        text += (text.empty() ? "" : " ") + cardName(card);
    return text;
}

// The board as it was dealt, up to `street`.
std::string boardText(const history::Hand& hand, history::Street street) {
    std::size_t count = 0;
    for (const history::StreetState& state : hand.Streets) {
        if (state.OnStreet <= street) count = static_cast<std::size_t>(cardCount(state.Board));
    }
    std::string text;
    for (std::size_t i = 0; i < std::min(count, hand.DealtBoard.size()); ++i)
        text += (text.empty() ? "" : " ") + cardName(hand.DealtBoard[i]);
    return text;
}

void writeFile(const std::string& name, std::istream& in, const equity::HoldingWeights& range,
               std::ostream& out) {
    history::HistoryReader reader(in, &range);
    long read = 0;
    long skipped = 0;
    while (auto entry = reader.next()) {
        if (const auto* hand = std::get_if<history::Hand>(&*entry)) {
            ++read;
            for (const std::string& line : handLines(name, *hand))
                out << line << '\n';
        } else {
            ++skipped;
            out << skipLine(name, std::get<history::Skip>(*entry)) << '\n';
        }
    }
    out << dump({{"type", "file"},
                 {"file", name},
                 {"hands", read + skipped},
                 {"read", read},
                 {"skipped", skipped}})
        << '\n';
}

} // namespace

std::vector<std::string> handLines(const std::string& file, const history::Hand& hand) {
    std::vector<std::string> lines;
    lines.push_back(dump({{"type", "hand"},
                          {"file", file},
                          {"id", hand.Id},
                          {"game", "holdem"},
                          {"limit", kLimitNames[static_cast<std::size_t>(hand.BetLimit)]},
                          {"hero", hand.Hero},
                          {"hole", byRank(hand.Hole)},
                          {"board", boardText(hand, history::Street::kRiver)},
                          {"players", hand.Players.size()},
                          {"net", money(hand.Net)},
                          {"decisions", hand.Decisions.size()}}));
    for (const history::Decision& decision : hand.Decisions) {
        lines.push_back(dump(
            {{"type", "decision"},
             {"id", hand.Id},
             {"street", kStreetNames[static_cast<std::size_t>(decision.OnStreet)]},
             {"hole", byRank(hand.Hole)},
             {"board", boardText(hand, decision.OnStreet)},
             {"pot", money(decision.Pot)},
             {"toCall", money(decision.ToCall)},
             {"stack", money(decision.Stack)},
             {"opponents", decision.Opponents},
             {"action", kActionNames[static_cast<std::size_t>(decision.Action)]},
             {"amount", money(decision.Amount)},
             {"price", share(decision.Price)},
             {"equity", share(decision.Equity)},
             {"verdict", decision.Verdict ? json(*decision.Verdict) : json()},
             {"reason", decision.Equity || decision.NoEquity.empty() ? json() : json(decision.NoEquity)}}));
    }
    return lines;
}

std::string skipLine(const std::string& file, const history::Skip& skip) {
    return dump({{"type", "skipped"}, {"file", file}, {"id", skip.Id}, {"reason", skip.Reason}});
}

int writeHistory(const HistoryRequest& request, std::istream& standardInput, std::ostream& out,
                 std::ostream& errors) {
    const equity::HoldingWeights range = ranges::profileRange(request.Preflop);
    int status = 0;
    for (const std::string& name : request.Files) {
        if (name == "-") {
            writeFile(name, standardInput, range, out);
            continue;
        }
        std::error_code error;
        std::ifstream file;
        if (!std::filesystem::is_directory(name, error)) file.open(name, std::ios::binary);
        if (!file.is_open()) {
            errors << "tavolin-report: cannot open " << name << ": "
                   << (std::filesystem::is_directory(name, error) ? "it is a folder" : std::strerror(errno))
                   << '\n';
            status = 2;
            continue;
        }
        writeFile(name, file, range, out);
    }
    return status;
}

} // namespace tavolin::cli
