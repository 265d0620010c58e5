#include "cli/batch.h"

#include "cli/hand_request.h"
#include "cli/profile_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>

namespace tavolin::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// Deeper values are refused before they are echoed: writing them out recurses.
constexpr int kMaxDepth = 64;

std::string dumpLine(const ordered_json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// A JSON number as the amount a player would type: digits and a ".", never an exponent.
std::string amountText(const json& value) {
    if (value.is_number_integer()) return value.dump();
    const double number = value.get<double>();
    char buffer[512]; // the longest fixed form of a double has 330 characters
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

// The keys that carry a text: the cards, and the amounts, which may be JSON numbers too.
struct TextKey {
    std::string_view Key;
    std::string HandRequest::*Field;
    bool Amount;
};
constexpr std::array<TextKey, 6> kTextKeys{{{"hole", &HandRequest::Hole, false},
                                            {"board", &HandRequest::Board, false},
                                            {"pot", &HandRequest::Pot, true},
                                            {"heroBet", &HandRequest::HeroBet, true},
                                            {"villainBet", &HandRequest::VillainBet, true},
                                            {"stack", &HandRequest::Stack, true}}};

std::string readText(const TextKey& key, const json& value, HandRequest& request) {
    if (value.is_string()) {
        request.*key.Field = value.get<std::string>();
    } else if (key.Amount && value.is_number()) {
        request.*key.Field = amountText(value);
    } else {
        return "\"" + std::string(key.Key) + "\" must be " +
               (key.Amount ? "a number or a string" : "a string");
    }
    return {};
}

std::string readProfileKey(const std::string& key, const json& value, HandRequest& request) {
    const ProfileKind kind = key == "preflop" ? ProfileKind::kPreflop : ProfileKind::kPostflop;
    std::optional<int> index;
    if (value.is_string()) index = readProfile(value.get<std::string>(), kind);
    if (value.is_number_integer()) index = profileIndex(value.get<long long>(), kind);
    if (!index) return "\"" + key + "\" must be " + profileChoices(kind);
    (kind == ProfileKind::kPreflop ? request.Preflop : request.Postflop) = *index;
    return {};
}

std::string readTexts(const std::string& key, const json& value, std::vector<std::string>& texts) {
    const bool allTexts = value.is_array() && std::all_of(value.begin(), value.end(),
                                                          [](const json& item) { return item.is_string(); });
    if (!allTexts) return "\"" + key + "\" must be a list of strings";
    for (const json& item : value)
        texts.push_back(item.get<std::string>());
    return {};
}

// Reads one key of a batch line into `request`; an empty string when it is sound, else what is wrong.
std::string readKey(const std::string& key, const json& value, HandRequest& request) {
    const auto text =
        std::find_if(kTextKeys.begin(), kTextKeys.end(), [&key](const TextKey& k) { return k.Key == key; });
    if (text != kTextKeys.end()) return readText(*text, value, request);
    if (key == "preflop" || key == "postflop") return readProfileKey(key, value, request);
    if (key == "villainCount" || key == "equity") {
        if (!value.is_boolean()) return "\"" + key + "\" must be true or false";
        (key == "equity" ? request.Equity : request.VillainCount) = value.get<bool>();
        return {};
    }
    if (key == "range" || key == "heroRange") {
        if (!value.is_string()) return "\"" + key + "\" must be a string";
        (key == "range" ? request.Range : request.HeroRange) = value.get<std::string>();
        return {};
    }
    if (key == "ranges" || key == "keep")
        return readTexts(key, value, key == "ranges" ? request.Ranges : request.Keep);
    return key == "id" ? std::string() : "unknown key \"" + key + "\"";
}

} // namespace

std::string answerBatchLine(std::string_view line, std::string_view decimalSeparator) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    bool tooDeep = false;
    const json object = json::parse(
        line,
        [&tooDeep](int depth, json::parse_event_t, json&) {
            tooDeep = tooDeep || depth > kMaxDepth;
            return !tooDeep;
        },
        false);
    if (object.is_discarded()) return dumpLine({{"error", "not valid JSON"}});
    if (tooDeep) return dumpLine({{"error", "the line nests values too deeply"}});
    if (!object.is_object()) return dumpLine({{"error", "each line must be a JSON object"}});

    ordered_json answer;
    if (const auto id = object.find("id"); id != object.end()) answer["id"] = *id;
    HandRequest request;
    std::string problem;
    for (auto item = object.begin(); item != object.end() && problem.empty(); ++item)
        problem = readKey(item.key(), item.value(), request);
    HandOutcome outcome;
    if (problem.empty()) {
        outcome = analyseRequest(request, decimalSeparator);
        if (!outcome.Accepted) problem = outcome.Problem;
    }
    if (!problem.empty()) {
        answer["error"] = problem;
        return dumpLine(answer);
    }
    answer.update(answerOf(outcome));
    return dumpLine(answer);
}

void runBatch(std::istream& in, std::ostream& out, std::string_view decimalSeparator) {
    std::string line;
    while (std::getline(in, line)) {
        out << answerBatchLine(line, decimalSeparator) << '\n';
    }
    out.flush();
}

} // namespace tavolin::cli
