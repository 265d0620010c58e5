// The player's own hands in the window: opening a hand history lists its hands and replays the one chosen
// on the table, files that cannot be read change nothing, and "Add to review" queues flagged decisions once.

#include "history/replay.h"
#include "tests/history/written_hands.h"
#include "tests/ui/table_probe.h"
#include "ui/hands_panel.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

using namespace tavolin;
using testing::TableProbe;

namespace {

// The Open Hand History examples among the shared samples.
const QString kSample = QDir(QStringLiteral(TAVOLIN_HH_SAMPLES "/ohh"))
                            .entryInfoList({QStringLiteral("*.ohh")})
                            .value(0)
                            .filePath();

std::vector<Card> shownBoard(const TableState& state) {
    std::vector<Card> board;
    for (const Card card : state.PickOrder)
        if (*state.Places[0] != card && *state.Places[1] != card) board.push_back(card);
    return board;
}

} // namespace

class HandsTest : public QObject {
    Q_OBJECT

private slots:
    // Every hand the file reads is listed; each chosen hand and street is the table a replay gives, and the
    // street keys stop at either end.
    void openingAFileListsItsHandsAndReplaysThem() {
        FrmTavolin window;
        window.show();
        QVERIFY(window.openHistory(kSample));
        auto* panel = window.findChild<HandsPanel*>();
        std::ifstream file(kSample.toStdString(), std::ios::binary);
        const history::HandList read = history::readHandList(file);
        QCOMPARE(panel->handCount(), static_cast<int>(read.Hands.size()));
        QVERIFY(panel->handCount() >= 3);
        for (int i = 0; i < panel->handCount(); ++i) {
            panel->chooseHand(i);
            do {
                const TableSetup expected = panel->hands().setup();
                const TableState& shown = window.snapshot();
                QCOMPARE(shownBoard(shown), expected.Board);
                QCOMPARE(shown.Amounts, *expected.Amounts);
            } while (panel->nextStreet());
            QVERIFY(!panel->nextStreet());
            while (panel->previousStreet()) {
            }
            QCOMPARE(panel->hands().Shown, std::size_t{0});
        }
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(panel->hands().Shown, std::size_t{1});
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(panel->hands().Shown, std::size_t{0});
    }

    // A file dropped on the window opens as one picked. A missing file, a folder and a file of no hands
    // each get a reason on the status line, and the list and the table stay as they were.
    void unreadableFilesChangeNothing() {
        FrmTavolin window;
        TableProbe probe(window);
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(kSample)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QCOMPARE(window.findChild<HandsPanel*>()->handCount(), 3);
        const TableState before = window.snapshot();
        QTemporaryDir folder;
        QFile junk(folder.filePath("junk.txt"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("\x01\x02 no hand here\n\xff\xfe") > 0);
        junk.close();
        for (const QString& path : {folder.filePath("missing.txt"), folder.path(), junk.fileName()}) {
            QVERIFY(!window.openHistory(path));
            QVERIFY2(probe.status().contains(path), qPrintable(probe.status()));
            QVERIFY(window.snapshot() == before);
            QCOMPARE(window.findChild<HandsPanel*>()->handCount(), 3);
        }
        QVERIFY(QFile(junk.fileName()).size() > 0);
    }

    // A pasted hand opens in the list. "Add to review" queues its flagged decision once, and says so when
    // no journal is open.
    void addToReviewQueuesFlaggedDecisionsOnce() {
        FrmTavolin window;
        TableProbe probe(window);
        auto* panel = window.findChild<HandsPanel*>();
        QVERIFY(window.pasteHand(QString::fromStdString(history::written::kTournament)));
        QCOMPARE(panel->handCount(), 1);
        QVERIFY(panel->hands().Hands[0].Decisions.at(1).Opponents == 2);
        QVERIFY(panel->hands().Hands[0].Decisions[1].Equity); // weighed once chosen
        QVERIFY(shownBoard(window.snapshot()).size() == 3);
        QVERIFY(window.openHistory(kSample));
        panel->chooseHand(0);
        const int flagged = static_cast<int>(std::count_if(panel->hands().Hands[0].Decisions.begin(),
                                                           panel->hands().Hands[0].Decisions.end(),
                                                           [](const auto& d) { return d.Flagged; }));
        QVERIFY(flagged > 0);
        QVERIFY(panel->addToReview(nullptr, 1).contains(QStringLiteral("No journal")));

        QTemporaryDir folder;
        auto journal = journal::Journal::open(folder.filePath("j.sqlite3").toStdString()).Opened;
        QVERIFY(journal != nullptr);
        panel->addToReview(journal.get(), 1);
        QCOMPARE(journal->queuedCount(), flagged);
        panel->addToReview(journal.get(), 1);
        QCOMPARE(journal->queuedCount(), flagged);
        for (const journal::DueSpot& due :
             journal->dueSpots(std::numeric_limits<journal::Time>::max() / 2, 10))
            QCOMPARE(due.Spot.Source, std::string("imported"));
    }
};

QTEST_MAIN(HandsTest)
#include "hands_test.moc"
