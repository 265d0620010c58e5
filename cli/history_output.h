#pragma once

#include "equity/holdings.h"
#include "history/hand.h"
#include "history/skip.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tavolin::cli {

// `tavolin-report --history FILE...`: the hands of each file ("-" for standard input) as JSON lines.
struct HistoryRequest {
    std::vector<std::string> Files;
    int Preflop = 1; // the villain profile whose range weighs the decisions
};

// The JSON lines of one hand: the hand, then each of its decisions.
std::vector<std::string> handLines(const std::string& file, const history::Hand& hand);
std::string skipLine(const std::string& file, const history::Skip& skip);

// Writes every file's lines; 0 when every file could be opened, else 2 with the reasons on `errors`.
int writeHistory(const HistoryRequest& request, std::istream& standardInput, std::ostream& out,
                 std::ostream& errors);

} // namespace tavolin::cli
