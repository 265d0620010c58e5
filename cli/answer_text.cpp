#include "cli/answer_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tavolin::cli {
namespace {

std::string plain(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    std::string lower;
    for (const char c : text)
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

} // namespace

std::optional<practice::Tier> readTierAnswer(std::string_view text) {
    const std::string answer = plain(text);
    if (answer.size() == 1) return practice::tierOfKey(answer[0]);
    for (int tier = 0; tier < practice::kTierCount; ++tier) {
        const auto kind = static_cast<practice::Tier>(tier);
        if (plain(practice::tierName(kind)) == answer) return kind;
    }
    return std::nullopt;
}

std::optional<double> readNumberAnswer(std::string_view text, bool percent) {
    std::string answer = plain(text);
    if (percent && answer.ends_with('%')) answer.pop_back();
    for (char& c : answer) {
        if (c == ',') c = '.';
    }
    double value = 0;
    const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), value);
    if (answer.empty() || error != std::errc{} || end != answer.data() + answer.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<practice::Decision> readDecisionAnswer(std::string_view text) {
    const std::string answer = plain(text);
    if (answer == "c" || answer == "call") return practice::Decision::kCall;
    if (answer == "f" || answer == "fold") return practice::Decision::kFold;
    return std::nullopt;
}

} // namespace tavolin::cli
