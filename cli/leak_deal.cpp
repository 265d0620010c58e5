#include "cli/leak_deal.h"

#include "journal/journal.h"
#include "journal/journal_path.h"
#include "practice/spot_kind_dealer.h"

#include <chrono>
#include <ostream>

namespace tavolin::cli {

int runLeakDeal(const DealRequest& request, std::ostream& out, std::ostream& err) {
    const auto path = request.Journal ? request.Journal : journal::defaultJournalPath();
    if (!path) {
        err << "tavolin-report: there is no journal: HOME and XDG_DATA_HOME are unset (--journal PATH names "
               "one).\n";
        return 2;
    }
    const journal::OpenResult opened = journal::Journal::open(*path, journal::Access::kReadOnly);
    if (!opened.Opened) {
        err << "tavolin-report: " << opened.Message << '\n';
        return 2;
    }
    const auto now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    const auto progress = opened.Opened->progress(now.count());
    if (!progress) {
        err << "tavolin-report: the journal " << *path << " could not be read.\n";
        return 2;
    }
    const std::size_t place = static_cast<std::size_t>(request.Leak.value_or(1));
    if (place > progress->Leaks.size()) {
        err << "tavolin-report: the journal names " << progress->Leaks.size()
            << " leaks (kinds of spot with at least " << journal::kLeakMinimumAnswers
            << " answers), so there is no leak " << place << ".\n";
        return 2;
    }
    const journal::LeakRow& leak = progress->Leaks[place - 1];
    auto kind = practice::readSpotKind(leak.Street, leak.BoardKind, leak.Tier, leak.Closeness);
    if (!kind) {
        err << "tavolin-report: leak " << place << " names a kind of spot this version cannot deal.\n";
        return 2;
    }
    kind->Cards.PreflopProfile = request.Filter.PreflopProfile;
    practice::SpotKindDealer dealer(request.Seed, *kind);
    for (int id = 1; id <= request.Count; ++id) {
        const auto spot = dealer.next();
        if (!spot) {
            err << "tavolin-report: spots of leak " << place << " are too rare to deal; " << id - 1
                << " dealt.\n";
            return 2;
        }
        writeSpotLine(id, *spot, request.Keep, out);
    }
    out.flush();
    return out.good() ? 0 : 1;
}

} // namespace tavolin::cli
