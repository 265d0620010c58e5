#include "cli/cli_options.h"

#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"

#include <charconv>

namespace tavolin::cli {

const std::string_view kHelpText = R"(tavolin-report - the Tavolin hand analysis on the command line

Usage:
  tavolin-report HOLE BOARD [options]
  tavolin-report --batch < hands.jsonl > reports.jsonl
  tavolin-report --help

HOLE is two cards one blank apart ("Ad 7d"); BOARD is three to five cards ("3s 4c 5h",
"3s 4c 5h 8d", "3s 4c 5h 8d 9d"). A card is a rank A K Q J T 9 .. 2 followed by a suit s h c d.

Options (amounts are read as a player types them into the window: "100", "12.5", " 1 000"):
  --pot T           pot before bets
  --hero-bet T      hero's bet
  --villain-bet T   villain's bet
  --stack T         effective stack behind
  --preflop N       villain's preflop profile: 0 Nit/Tight, 1 Semiloose (default), 2 Loose, 3 Fish
  --postflop N      villain's postflop profile: 0 Tight, 1 Semiloose (default), 2 Loose
  --villain-count   also count the villain holdings that beat the hero at showdown
  --raw             write the report's exact bytes, with CR LF line ends

The pot-odds, SPR and commitment lines appear when the pot and the stack are above 0 and
neither bet is negative. Numbers are printed with the decimal separator of LC_ALL / LC_NUMERIC.

Batch mode reads one JSON object per line from standard input and writes one JSON line per
input line, in order. Keys (all optional; texts default to "", profiles to 1, the count to false):
  {"hole":"Ad 7d","board":"3s 4c 5h","pot":"100","heroBet":"0","villainBet":"50",
   "stack":"500","preflop":1,"postflop":1,"villainCount":false}
Each answer is {"report":"<the exact report, CR LF inside>"}, or {"error":"<what was wrong>"}
for a line that is not such an object or whose cards were rejected; the batch goes on.

Example:
  tavolin-report "Ad 7d" "3s 4c 5h" --pot 100 --villain-bet 50 --stack 500 --preflop 0

Exit codes: 0 done; 2 a usage error or rejected cards (the reason on standard error).
)";

namespace {

bool parseProfile(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    HandRequest request;
    std::vector<std::string> positional;
    bool batch = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") return HelpRequest{};
        if (arg == "--batch") {
            batch = true;
            continue;
        }
        if (arg == "--villain-count") {
            request.VillainCount = true;
            continue;
        }
        if (arg == "--raw") {
            request.Raw = true;
            continue;
        }
        std::string* text = nullptr;
        int* profile = nullptr;
        if (arg == "--pot") text = &request.Pot;
        if (arg == "--hero-bet") text = &request.HeroBet;
        if (arg == "--villain-bet") text = &request.VillainBet;
        if (arg == "--stack") text = &request.Stack;
        if (arg == "--preflop") profile = &request.Preflop;
        if (arg == "--postflop") profile = &request.Postflop;
        if (text != nullptr || profile != nullptr) {
            if (i + 1 >= args.size()) return UsageError{"option " + arg + " needs a value"};
            const std::string& value = args[++i];
            if (text != nullptr) *text = value;
            if (profile != nullptr && !parseProfile(value, *profile)) {
                return UsageError{"option " + arg + " takes a whole number, not \"" + value + "\""};
            }
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') return UsageError{"unknown option " + arg};
        positional.push_back(arg);
    }
    if (batch) {
        if (!positional.empty())
            return UsageError{"--batch reads its hands from standard input, not arguments"};
        return BatchRequest{};
    }
    if (positional.size() != 2) {
        return UsageError{positional.size() < 2
                              ? "give the hole cards and the board, such as \"Ad 7d\" \"3s 4c 5h\""
                              : "too many arguments: quote the cards, such as \"Ad 7d\""};
    }
    request.Hole = positional[0];
    request.Board = positional[1];
    return request;
}

std::string withNewlines(std::string_view report) {
    // Every line ends in CR LF except the outs explanation's last, whose lone CR stands just before the
    // report's own CR LF: dropping every CR leaves one "\n" per line either way.
    std::string text;
    text.reserve(report.size());
    for (const char c : report) {
        if (c != '\r') text += c;
    }
    return text;
}

HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator) {
    AnalysisContext ctx;
    std::string board = request.Board;
    const AnalysisArguments args{request.Pot,     request.HeroBet,  request.VillainBet,   request.Stack,
                                 request.Preflop, request.Postflop, request.VillainCount, decimalSeparator};
    std::string report = analyseHand(ctx, request.Hole, board, args);
    if (!report.empty()) return {true, std::move(report), {}};
    AnalysisContext fresh;
    std::string unusedBoard = request.Board;
    return {false, {}, describeCardProblem(readCards(fresh, request.Hole, unusedBoard))};
}

} // namespace tavolin::cli
