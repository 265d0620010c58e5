#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace tavolin::cli {

// One hand to analyse, from the command line or a batch line.
struct HandRequest {
    std::string Hole;
    std::string Board;
    std::string Pot;
    std::string HeroBet;
    std::string VillainBet;
    std::string Stack;
    int Preflop = 1;
    int Postflop = 1;
    bool VillainCount = false;
};

// The report and its values, or a sentence saying what is wrong with the cards.
struct HandOutcome {
    bool Accepted = false;
    std::string Report;            // when accepted: the exact report, CR LF line ends
    nlohmann::ordered_json Fields; // when accepted: the report's values (see reportFields)
    std::string Problem;           // when not
};
HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator);

// The JSON answer for an accepted hand: {"report": ..., "fields": {...}}.
nlohmann::ordered_json answerOf(const HandOutcome& outcome);

// The report with plain "\n" line ends for reading on a terminal or in a text file.
std::string withNewlines(std::string_view report);

} // namespace tavolin::cli
