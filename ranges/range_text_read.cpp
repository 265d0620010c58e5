#include "ranges/hand_notation.h"
#include "ranges/range_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace tavolin::ranges {
namespace {

// Far beyond any range a player types or the canonical text writes; it bounds the work a pasted text causes.
constexpr std::size_t kLongestText = 1'000'000;
constexpr std::size_t kShownTokenLength = 32;

enum class HandKind { kPair, kSuited, kOffsuit, kBoth };

// Starting hands of one kind: pairs of the ranks LowFrom..LowTo, or the hands of the higher rank High
// with the lower card LowFrom..LowTo.
struct HandRun {
    HandKind Kind = HandKind::kPair;
    int High = 0;
    int LowFrom = 0;
    int LowTo = 0;
};

constexpr const char* kNotAHand =
    "is not a hand (AKs, AKo, AK, TT), a run (TT+, A9s+, 88-55, K9s-K6s), a holding (AhKh) or random";
constexpr const char* kUnevenRun = "is a run whose two ends differ in their higher card or in suited/offsuit";
constexpr const char* kCardTwice = "names the same card twice";
constexpr const char* kBadWeight =
    "has a weight that is not a plain number above 0 and at most 1 (as in AQo:0.5)";

char lowerCase(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

bool isBlank(char letter) {
    return letter == ' ' || letter == '\t' || letter == '\r' || letter == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    return std::ranges::equal(text, word, [](char a, char b) { return lowerCase(a) == lowerCase(b); });
}

// "AK", "aks", "TT", "KAo": two ranks in either order and, unless they pair, an optional s or o.
std::optional<HandRun> readHand(std::string_view text) {
    if (text.size() < 2 || text.size() > 3) return std::nullopt;
    const auto firstRank = rankOfLetter(text[0]);
    const auto secondRank = rankOfLetter(text[1]);
    if (!firstRank || !secondRank) return std::nullopt;
    const int first = *firstRank;
    const int second = *secondRank;
    const int low = std::min(first, second);
    if (first == second) {
        if (text.size() == 3) return std::nullopt;
        return HandRun{HandKind::kPair, low, low, low};
    }
    HandRun hand{HandKind::kBoth, std::max(first, second), low, low};
    if (text.size() == 3) {
        const char kind = lowerCase(text[2]);
        if (kind != 's' && kind != 'o') return std::nullopt;
        hand.Kind = kind == 's' ? HandKind::kSuited : HandKind::kOffsuit;
    }
    return hand;
}

// Plain decimals only: no sign, exponent, "nan" or "inf", so that a slip of the keyboard is never a weight.
std::optional<double> readWeight(std::string_view text) {
    const bool plain = std::ranges::all_of(text, [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    if (!plain || std::ranges::count(text, '.') > 1 || std::ranges::count(text, '.') == std::ssize(text)) {
        return std::nullopt;
    }
    double weight = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), weight);
    if (error != std::errc{} || end != text.data() + text.size() || !(weight > 0.0) || weight > 1.0) {
        return std::nullopt;
    }
    return weight;
}

void setRun(HoldingWeights& weights, const HandRun& run, double weight) {
    for (int low = run.LowFrom; low <= run.LowTo; ++low) {
        if (run.Kind == HandKind::kPair) setHandWeight(weights, low, low, false, weight);
        if (run.Kind == HandKind::kSuited || run.Kind == HandKind::kBoth)
            setHandWeight(weights, run.High, low, true, weight);
        if (run.Kind == HandKind::kOffsuit || run.Kind == HandKind::kBoth) {
            setHandWeight(weights, run.High, low, false, weight);
        }
    }
}

// Sets the holdings a token names; the reason it names none otherwise.
const char* applyToken(std::string_view token, HoldingWeights& weights) {
    double weight = 1.0;
    std::string_view body = token;
    if (const auto colon = token.find(':'); colon != std::string_view::npos) {
        const auto read = readWeight(trimmed(token.substr(colon + 1)));
        if (!read) return kBadWeight;
        weight = *read;
        body = trimmed(token.substr(0, colon));
    }
    if (equalsIgnoringCase(body, "random") || equalsIgnoringCase(body, "any")) {
        weights.fill(weight);
        return nullptr;
    }
    const auto first = readCard(body.substr(0, 2));
    const auto second = body.size() == 4 ? readCard(body.substr(2)) : std::nullopt;
    if (first && second) {
        if (*first == *second) return kCardTwice;
        weights[static_cast<std::size_t>(equity::holdingIndex(first->index(), second->index()))] = weight;
        return nullptr;
    }
    if (body.ends_with('+')) {
        auto run = readHand(body.substr(0, body.size() - 1));
        if (!run) return kNotAHand;
        run->LowTo = run->Kind == HandKind::kPair ? 14 : run->High - 1;
        setRun(weights, *run, weight);
        return nullptr;
    }
    if (const auto dash = body.find('-'); dash != std::string_view::npos) {
        const auto from = readHand(body.substr(0, dash));
        const auto to = readHand(body.substr(dash + 1));
        if (!from || !to) return kNotAHand;
        if (from->Kind != to->Kind || from->High != to->High) {
            if (from->Kind != HandKind::kPair || to->Kind != HandKind::kPair) return kUnevenRun;
        }
        HandRun run = *from;
        run.LowFrom = std::min(from->LowFrom, to->LowFrom);
        run.LowTo = std::max(from->LowTo, to->LowTo);
        setRun(weights, run, weight);
        return nullptr;
    }
    const auto hand = readHand(body);
    if (!hand) return kNotAHand;
    setRun(weights, *hand, weight);
    return nullptr;
}

// The token as the player can read it in a message: printable ASCII only, and not endless.
std::string shownToken(std::string_view token) {
    std::string shown;
    for (const char c : token.substr(0, kShownTokenLength))
        shown += c >= ' ' && c <= '~' ? c : '?';
    if (token.size() > kShownTokenLength) shown += "...";
    return shown;
}

} // namespace

RangeReading readRange(std::string_view text) {
    RangeReading reading;
    if (text.size() > kLongestText) {
        reading.Error = {"", 0,
                         "The range text is longer than " + std::to_string(kLongestText) + " characters."};
        return reading;
    }
    int place = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view token = trimmed(text.substr(start, comma - start));
        ++place;
        // Empty entries ("AA, KK," while typing) name nothing and are let pass.
        if (!token.empty()) {
            if (const char* problem = applyToken(token, reading.Weights)) {
                reading.Weights = {};
                reading.Error.Token = shownToken(token);
                reading.Error.Place = place;
                reading.Error.Message =
                    "Entry " + std::to_string(place) + " \"" + reading.Error.Token + "\" " + problem + ".";
                return reading;
            }
        }
        start = comma + 1;
    }
    reading.Ok = true;
    return reading;
}

} // namespace tavolin::ranges
