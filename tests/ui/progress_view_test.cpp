// The progress view on an empty journal and on a long history, as the window will show it.

#include "tests/ui/progress_history.h"
#include "ui/leak_table.h"
#include "ui/progress_view.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tavolin;
using namespace tavolin::ui;

namespace {

constexpr journal::Time kStart = 1796601600; // 2026-12-07 00:00 UTC

std::unique_ptr<journal::Journal> openJournal(const QTemporaryDir& folder) {
    return journal::Journal::open(folder.filePath("journal.sqlite3").toStdString()).Opened;
}

} // namespace

class ProgressViewTest : public QObject {
    Q_OBJECT

private slots:
    void anEmptyJournalSaysWhatToDoFirst() {
        QTemporaryDir folder;
        const auto journal = openJournal(folder);
        QVERIFY(journal);
        ProgressView view(nullptr);
        QVERIFY(view.showJournal(*journal, kStart));
        QVERIFY(!view.renderImage({900, 600}).isNull());
        for (const auto which : {ProgressPanel::kAccuracy, ProgressPanel::kEstimates, ProgressPanel::kLeaks,
                                 ProgressPanel::kReview}) {
            QVERIFY(view.panel(which) == nullptr);
            QVERIFY(!view.savePanel(which, folder.filePath("none.png")));
        }
        QVERIFY(!QFile::exists(folder.filePath("none.png")));
    }

    void tenThousandAnswersDrawEveryPanelAndDrillTheWorstLeak() {
        QTemporaryDir folder;
        const auto journal = openJournal(folder);
        QVERIFY(journal);
        journal::writeHistory(*journal, 10000, kStart);
        const auto progress = journal->progress(kStart + 20 * journal::kDay);
        QVERIFY(progress && !progress->Leaks.empty());

        std::vector<journal::LeakRow> drilled;
        ProgressView view([&drilled](const journal::LeakRow& leak) { drilled.push_back(leak); });
        view.showProgress(*progress);
        QVERIFY(!view.renderImage({1400, 900}).isNull());
        auto* table = view.findChild<QTableWidget*>();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), std::min<int>(kMostLeaks, static_cast<int>(progress->Leaks.size())));
        auto* button = qobject_cast<QPushButton*>(table->cellWidget(0, table->columnCount() - 1));
        QVERIFY(button);
        button->click();
        QCOMPARE(drilled.size(), 1u);
        QCOMPARE(drilled[0].Closeness, progress->Leaks[0].Closeness);
        QCOMPARE(drilled[0].Answers, progress->Leaks[0].Answers);

        for (const auto which : {ProgressPanel::kAccuracy, ProgressPanel::kEstimates, ProgressPanel::kLeaks,
                                 ProgressPanel::kReview}) {
            const QString path = folder.filePath(QString("panel%1.png").arg(static_cast<int>(which)));
            QVERIFY(view.savePanel(which, path));
            const QImage saved(path);
            QVERIFY(!saved.isNull());
            QCOMPARE(saved.size(), view.panel(which)->size());
        }
    }
};

QTEST_MAIN(ProgressViewTest)
#include "progress_view_test.moc"
