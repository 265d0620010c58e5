#pragma once

#include "cli/deal.h"
#include "cli/hand_request.h"
#include "cli/history_output.h"
#include "cli/journal_requests.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavolin::cli {

// One hand from the command line and how to print it.
struct SingleRequest {
    HandRequest Hand;
    bool Raw = false;  // write the report's exact bytes (CR LF line ends)
    bool Json = false; // write the batch answer for the hand instead
};

struct BatchRequest {};
struct HelpRequest {};
struct UsageError {
    std::string Message;
};

using CommandLine = std::variant<SingleRequest, BatchRequest, DealRequest, HistoryRequest, HelpRequest, UsageError,
                                 PracticeRequest, JournalExportRequest, JournalStatsRequest>;

// Reads the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

extern const std::string_view kHelpText;

} // namespace tavolin::cli
