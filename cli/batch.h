#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tavolin::cli {

// One JSON Lines answer for one input line: {"report":"..."} or {"error":"..."}, without a line end.
std::string answerBatchLine(std::string_view line, std::string_view decimalSeparator);

// Answers every line of `in` on `out`, one line each, in order, holding one line at a time.
void runBatch(std::istream& in, std::ostream& out, std::string_view decimalSeparator);

} // namespace tavolin::cli
