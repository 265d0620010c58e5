#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavolin::cli {

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
    bool Raw = false; // write the report's exact bytes (CR LF line ends)
};

struct BatchRequest {};
struct HelpRequest {};
struct UsageError {
    std::string Message;
};

using CommandLine = std::variant<HandRequest, BatchRequest, HelpRequest, UsageError>;

// Reads the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The report with plain "\n" line ends for reading on a terminal or in a text file.
std::string withNewlines(std::string_view report);

// What the analysis reports, or a sentence saying what is wrong with the cards.
struct HandOutcome {
    bool Accepted = false;
    std::string Report;  // when accepted
    std::string Problem; // when not
};
HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator);

extern const std::string_view kHelpText;

} // namespace tavolin::cli
