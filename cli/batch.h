#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tavolin::cli {

// One JSON Lines answer for one input line, without a line end: {"id":..., "report":"...", "fields":{...}}
// or {"id":..., "error":"..."} ("id" only when the line has one).
std::string answerBatchLine(std::string_view line, std::string_view decimalSeparator);

// Answers every line of `in` on `out`, one line each, in order, holding one line at a time.
void runBatch(std::istream& in, std::ostream& out, std::string_view decimalSeparator);

} // namespace tavolin::cli
