#pragma once

#include "cli/journal_requests.h"

#include <iosfwd>

namespace tavolin::cli {

// The commands that use the journal; each returns the exit code. A journal that cannot be opened is
// reported on `err`: practice goes on without saving (0), export and stats stop (2).
int runPracticeCommand(const PracticeRequest& request, std::istream& in, std::ostream& out,
                       std::ostream& err);
int runJournalExport(const JournalExportRequest& request, std::ostream& out, std::ostream& err);
int runJournalStats(const JournalStatsRequest& request, std::ostream& out, std::ostream& err);

} // namespace tavolin::cli
