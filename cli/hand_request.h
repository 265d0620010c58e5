#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    bool Equity = false;                  // add the exact equity figures
    std::optional<std::string> Range;     // the villain's range as typed; else the preflop profile's
    std::vector<std::string> Ranges;      // two or three villains' ranges for the multiway equity; the other
                                          // figures are against the first
    std::optional<std::string> HeroRange; // the hero's range against the villain's, by starting hand
    std::vector<std::string> Keep; // each villain's range narrowed to these rows of the range on the board
};

// The report, its values and the exact figures when asked for, or a sentence saying what is wrong with the
// cards, a range or a class name. A hero range, two or three ranges or kept classes ask for the figures too;
// a villain's bet above 0 adds the range that bets it.
struct HandOutcome {
    bool Accepted = false;
    std::string Report;            // when accepted: the exact report, CR LF line ends
    nlohmann::ordered_json Fields; // when accepted: the report's values (see reportFields)
    nlohmann::ordered_json Equity; // when accepted and asked for: see equityFigures; else null
    std::string EquityText;        // the same for people
    std::string Problem;           // when not
};
HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator);

// The JSON answer for an accepted hand: {"report": ..., "fields": {...}}, and "equity" when asked for.
nlohmann::ordered_json answerOf(const HandOutcome& outcome);

} // namespace tavolin::cli
