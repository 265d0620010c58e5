#pragma once

#include "cli/journal_requests.h"
#include "journal/journal.h"

#include <iosfwd>

namespace tavolin::cli {

// A practice session on text streams: deals a spot, asks each question on its own line, reads one answer
// per line (asking again when it cannot read one), says right or wrong with the truth and why, and records
// each answer in `journal` when there is one. Ends at the end of input, at "q" or after the count, with
// the score.
void runTerminalPractice(const PracticeRequest& request, std::istream& in, std::ostream& out,
                         std::ostream& err, journal::Journal* journal);

} // namespace tavolin::cli
