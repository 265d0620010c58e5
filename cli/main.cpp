#include "analysis/report.h"
#include "cli/batch.h"
#include "cli/cli_options.h"
#include "cli/journal_commands.h"
#include "cli/leak_deal.h"

#include <clocale>
#include <iostream>

namespace {

// The decimal separator of the player's number settings (LC_ALL, LC_NUMERIC, LANG); the program itself
// keeps the C locale so that nothing else it reads or writes depends on them.
std::string environmentDecimalSeparator() {
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && *point != '\0') separator = point;
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

// The figures' lines in the raw report's line ends; the last line, like the report's, ends without one.
std::string withCrLf(const std::string& text) {
    std::string lines;
    for (const char c : text.substr(0, text.size() - 1))
        lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return lines;
}

int printHand(const tavolin::cli::SingleRequest& request, const std::string& separator) {
    using namespace tavolin::cli;
    const HandOutcome outcome = analyseRequest(request.Hand, separator);
    if (!outcome.Accepted) {
        std::cerr << "tavolin-report: " << outcome.Problem << '\n';
        return 2;
    }
    if (request.Json) {
        std::cout << answerOf(outcome).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (request.Raw) {
        std::cout << outcome.Report;
        if (!outcome.EquityText.empty()) {
            std::cout << (outcome.Report.ends_with("\r\n") ? "\r\n" : "\r\n\r\n")
                      << withCrLf(outcome.EquityText);
        }
    } else {
        const std::string text = tavolin::withPlainLineEnds(outcome.Report);
        std::cout << text << (text.ends_with('\n') ? "" : "\n");
        if (!outcome.EquityText.empty()) std::cout << '\n' << outcome.EquityText;
    }
    return std::cout.good() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tavolin::cli;
    const CommandLine commandLine = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (std::holds_alternative<HelpRequest>(commandLine)) {
        std::cout << kHelpText;
        return 0;
    }
    if (const auto* error = std::get_if<UsageError>(&commandLine)) {
        std::cerr << "tavolin-report: " << error->Message << "\n(tavolin-report --help explains the usage)\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    const std::string separator = environmentDecimalSeparator();
    if (const auto* deal = std::get_if<DealRequest>(&commandLine)) {
        if (deal->Leak) return runLeakDeal(*deal, std::cout, std::cerr);
        writeDeal(*deal, std::cout);
        return std::cout.good() ? 0 : 1;
    }
    if (const auto* practice = std::get_if<PracticeRequest>(&commandLine))
        return runPracticeCommand(*practice, std::cin, std::cout, std::cerr);
    if (const auto* request = std::get_if<JournalExportRequest>(&commandLine))
        return runJournalExport(*request, std::cout, std::cerr);
    if (const auto* request = std::get_if<JournalStatsRequest>(&commandLine))
        return runJournalStats(*request, std::cout, std::cerr);
    if (const auto* history = std::get_if<HistoryRequest>(&commandLine))
        return writeHistory(*history, std::cin, std::cout, std::cerr);
    if (std::holds_alternative<BatchRequest>(commandLine)) {
        runBatch(std::cin, std::cout, separator);
        return 0;
    }
    return printHand(std::get<SingleRequest>(commandLine), separator);
}
