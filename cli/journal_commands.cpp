#include "cli/journal_commands.h"

#include "cli/terminal_practice.h"
#include "journal/journal.h"
#include "journal/journal_path.h"

#include <chrono>
#include <ostream>

namespace tavolin::cli {
namespace {

journal::OpenResult openJournal(const std::optional<std::string>& path, journal::Access access) {
    if (const auto where = path ? path : journal::defaultJournalPath())
        return journal::Journal::open(*where, access);
    return {
        nullptr, journal::OpenProblem::kCannotWrite,
        "there is no place for the journal: HOME and XDG_DATA_HOME are unset (--journal PATH names one)."};
}

} // namespace

int runPracticeCommand(const PracticeRequest& request, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    const journal::OpenResult opened = openJournal(request.Journal, journal::Access::kReadWrite);
    if (!opened.Opened) err << "tavolin-report: " << opened.Message << " Practice goes on without saving.\n";
    runTerminalPractice(request, in, out, err, opened.Opened.get());
    return 0;
}

int runJournalExport(const JournalExportRequest& request, std::ostream& out, std::ostream& err) {
    const journal::OpenResult opened = openJournal(request.Journal, journal::Access::kReadOnly);
    if (!opened.Opened) {
        err << "tavolin-report: " << opened.Message << '\n';
        return 2;
    }
    if (!opened.Opened->exportAnswers(out, request.Since)) {
        err << "tavolin-report: the journal " << opened.Opened->path() << " could not be read to the end.\n";
        return 2;
    }
    return 0;
}

int runJournalStats(const JournalStatsRequest& request, std::ostream& out, std::ostream& err) {
    const journal::OpenResult opened = openJournal(request.Journal, journal::Access::kReadOnly);
    if (!opened.Opened) {
        err << "tavolin-report: " << opened.Message << '\n';
        return 2;
    }
    const auto now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    const auto stats = opened.Opened->stats(now.count());
    if (!stats) {
        err << "tavolin-report: the journal " << opened.Opened->path() << " could not be read.\n";
        return 2;
    }
    out << *stats << '\n' << std::flush;
    return out.good() ? 0 : 1;
}

} // namespace tavolin::cli
