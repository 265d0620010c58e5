#pragma once

#include "journal/journal.h"
#include "practice/practice_session.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tavolin {

// The window's hold on the journal: what practice records, the spots due for review and the named ranges.
// A journal that cannot be opened or written is left as it is; the link then says why in problem() and
// practice goes on without saving.
class JournalLink {
public:
    // Opens `path`, or the default journal when `path` is empty.
    explicit JournalLink(const std::string& path);
    ~JournalLink();

    bool saving() const { return Opened != nullptr; }
    // A sentence for the status line: why nothing is saved; empty while saving.
    const std::string& problem() const { return Problem; }
    // The open journal, for the named ranges and the progress; null when not saving.
    journal::Journal* journal() { return Opened.get(); }

    // Records every answer of the session's deal just revealed, each committed before the call returns. A
    // spot's question answered before in this run (a retry, a spot dealt again) is kept once.
    void recordAnswers(const practice::PracticeSession& session, double seconds);
    int dueCount();
    // The due spots the window can deal again, the longest due first.
    std::vector<practice::Spot> dueSpots();

private:
    void fail(const std::string& why);

    std::unique_ptr<journal::Journal> Opened;
    std::string Problem;
    std::int64_t Session = 0;
};

} // namespace tavolin
