// The window and the journal: practice records into it, the range panel keeps saved ranges in it, and a
// journal that cannot be used is named on the status line while everything else goes on.

#include "ui/frm_tavolin.h"
#include "ui/journal_link.h"
#include "ui/named_ranges_bar.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"

namespace tavolin {

void FrmTavolin::useJournal(const QString& path) {
    if (namedRanges == nullptr) {
        namedRanges = new NamedRangesBar(rangePanel);
        rangePanel->addControls(namedRanges);
        // A write that fails mid-session stops the saving; the status line says so from then on.
        connect(practicePanel, &PracticePanel::answered, this, [this] {
            if (Journal && !Journal->saving() && JournalProblem.isEmpty()) {
                JournalProblem =
                    tr("Journal: %1 Practice is not saved.").arg(QString::fromStdString(Journal->problem()));
                updateStatus();
            }
        });
    }
    auto link = std::make_unique<JournalLink>(path.toStdString());
    const QString problem = QString::fromStdString(link->problem());
    practicePanel->setJournal(link.get());
    namedRanges->setJournal(link->journal(), problem);
    Journal = std::move(link);
    setJournal(Journal->journal());
    JournalProblem = Journal->saving() ? QString() : tr("Journal: %1 Practice is not saved.").arg(problem);
    updateStatus();
}

} // namespace tavolin
