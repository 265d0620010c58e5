#include "history/text_header.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavolin::history {
namespace {

// Longest names first: "Limit" is also the end of the other two.
constexpr std::array<std::pair<std::string_view, Limit>, 3> kLimitNames{{
    {"No Limit", Limit::kNoLimit},
    {"Pot Limit", Limit::kPotLimit},
    {"Limit", Limit::kFixedLimit},
}};

bool isSiteLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == '.' || c == '\'';
}

std::optional<Money> bigBlindOf(std::string_view blinds) {
    const std::size_t slash = blinds.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    std::string_view big = blinds.substr(slash + 1);
    big = big.substr(0, std::min(big.find(' '), big.find(')')));
    return readMoney(big);
}

} // namespace

std::optional<TextHeader> readTextHeader(std::string_view line) {
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos) return std::nullopt;
    const std::string_view site = line.substr(0, hash);
    if (!(site.ends_with("Hand ") || site.ends_with("Game ")) ||
        !std::all_of(site.begin(), site.end(), isSiteLetter))
        return std::nullopt;
    std::size_t end = hash + 1;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9')
        ++end;
    if (end == hash + 1 || end >= line.size() || line[end] != ':') return std::nullopt;

    TextHeader header;
    header.Id = std::string(line.substr(hash + 1, end - hash - 1));
    std::string_view rest = line.substr(end + 1);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    header.Tournament = rest.starts_with("Tournament #");
    header.Game = std::string(rest.substr(0, std::min(rest.find(" ("), rest.find(" - "))));
    if (const std::size_t open = rest.find(" ("); open != std::string_view::npos) {
        header.BigBlind = bigBlindOf(rest.substr(open + 2));
        const std::string_view blinds = rest.substr(open + 2);
        header.Stakes = std::string(blinds.substr(0, blinds.find(')')));
    }
    if (const std::size_t dash = rest.rfind(" - "); dash != std::string_view::npos) {
        const std::string_view played = rest.substr(dash + 3);
        header.Played = std::string(played.substr(0, played.find(" [")));
    }

    const std::size_t holdem = header.Game.find("Hold'em ");
    header.Holdem = holdem != std::string::npos && header.Game.find("Omaha") == std::string::npos;
    if (header.Holdem) {
        const std::string_view kind = std::string_view(header.Game).substr(holdem + 8);
        for (const auto& [name, limit] : kLimitNames) {
            if (kind.starts_with(name)) {
                header.BetLimit = limit;
                break;
            }
        }
    }
    return header;
}

} // namespace tavolin::history
