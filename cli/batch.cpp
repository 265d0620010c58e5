#include "cli/batch.h"

#include "cli/cli_options.h"

#include <istream>
#include <limits>
#include <nlohmann/json.hpp>
#include <ostream>

namespace tavolin::cli {
namespace {

using nlohmann::json;

std::string dumpLine(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string errorLine(const std::string& message) {
    return dumpLine(json{{"error", message}});
}

// Reads the hand of one JSON object into `request`; an empty string when it is sound, else what is wrong.
std::string readHand(const json& object, HandRequest& request) {
    for (const auto& [key, value] : object.items()) {
        std::string* text = nullptr;
        int* profile = nullptr;
        if (key == "hole")
            text = &request.Hole;
        else if (key == "board")
            text = &request.Board;
        else if (key == "pot")
            text = &request.Pot;
        else if (key == "heroBet")
            text = &request.HeroBet;
        else if (key == "villainBet")
            text = &request.VillainBet;
        else if (key == "stack")
            text = &request.Stack;
        else if (key == "preflop")
            profile = &request.Preflop;
        else if (key == "postflop")
            profile = &request.Postflop;
        else if (key == "villainCount") {
            if (!value.is_boolean()) return "\"villainCount\" must be true or false";
            request.VillainCount = value.get<bool>();
            continue;
        } else {
            return "unknown key \"" + key + "\"";
        }
        if (text != nullptr) {
            if (!value.is_string()) return "\"" + key + "\" must be a string";
            *text = value.get<std::string>();
        } else {
            if (!value.is_number_integer()) return "\"" + key + "\" must be a whole number";
            const auto number = value.get<std::int64_t>();
            if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
                return "\"" + key + "\" is out of range";
            }
            *profile = static_cast<int>(number);
        }
    }
    return {};
}

} // namespace

std::string answerBatchLine(std::string_view line, std::string_view decimalSeparator) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const json object = json::parse(line, nullptr, false);
    if (object.is_discarded()) return errorLine("not valid JSON");
    if (!object.is_object()) return errorLine("each line must be a JSON object");
    HandRequest request;
    if (const std::string problem = readHand(object, request); !problem.empty()) return errorLine(problem);
    HandOutcome outcome = analyseRequest(request, decimalSeparator);
    if (!outcome.Accepted) return errorLine(outcome.Problem);
    return dumpLine(json{{"report", std::move(outcome.Report)}});
}

void runBatch(std::istream& in, std::ostream& out, std::string_view decimalSeparator) {
    std::string line;
    while (std::getline(in, line)) {
        out << answerBatchLine(line, decimalSeparator) << '\n';
    }
    out.flush();
}

} // namespace tavolin::cli
