#include "cli/batch.h"

#include "cli/hand_request.h"
#include "cli/profile_names.h"

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

std::string readProfileKey(const std::string& key, const json& value, ProfileKind kind, int& profile) {
    std::optional<int> index;
    if (value.is_string()) index = readProfile(value.get<std::string>(), kind);
    if (value.is_number_integer()) index = profileIndex(value.get<long long>(), kind);
    if (!index) return "\"" + key + "\" must be " + profileChoices(kind);
    profile = *index;
    return {};
}

// Reads the hand of one JSON object into `request`; an empty string when it is sound, else what is wrong.
std::string readHand(const json& object, HandRequest& request) {
    for (const auto& [key, value] : object.items()) {
        std::string* text = nullptr;
        bool amount = true;
        if (key == "id") continue;
        if (key == "hole" || key == "board") amount = false;
        if (key == "hole") text = &request.Hole;
        if (key == "board") text = &request.Board;
        if (key == "pot") text = &request.Pot;
        if (key == "heroBet") text = &request.HeroBet;
        if (key == "villainBet") text = &request.VillainBet;
        if (key == "stack") text = &request.Stack;
        if (key == "preflop") {
            if (auto problem = readProfileKey(key, value, ProfileKind::kPreflop, request.Preflop);
                !problem.empty())
                return problem;
        } else if (key == "postflop") {
            if (auto problem = readProfileKey(key, value, ProfileKind::kPostflop, request.Postflop);
                !problem.empty())
                return problem;
        } else if (key == "villainCount" || key == "equity") {
            if (!value.is_boolean()) return "\"" + key + "\" must be true or false";
            (key == "equity" ? request.Equity : request.VillainCount) = value.get<bool>();
        } else if (key == "range") {
            if (!value.is_string()) return "\"range\" must be a string";
            request.Range = value.get<std::string>();
        } else if (text == nullptr) {
            return "unknown key \"" + key + "\"";
        } else if (value.is_string()) {
            *text = value.get<std::string>();
        } else if (amount && value.is_number()) {
            *text = amountText(value);
        } else {
            return "\"" + key + "\" must be " + (amount ? "a number or a string" : "a string");
        }
    }
    return {};
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
    std::string problem = readHand(object, request);
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
