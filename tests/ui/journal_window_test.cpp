// The window and its journal: answers recorded once however the player presses on, a journal that
// cannot be used left byte for byte as it was, saved ranges that come back, and a table kept between runs.

#include "journal/journal.h"
#include "journal/progress.h"
#include "ranges/range_text.h"
#include "ui/frm_tavolin.h"
#include "ui/named_ranges_bar.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

using namespace tavolin;
using namespace tavolin::practice;

namespace {

// The answers in the journal at `path`, read by a second connection as the command line would.
long answersIn(const QString& path) {
    const journal::OpenResult opened = journal::Journal::open(path.toStdString(), journal::Access::kReadOnly);
    if (!opened.Opened) return -1;
    std::ostringstream lines;
    opened.Opened->exportAnswers(lines);
    const std::string text = lines.str();
    return std::count(text.begin(), text.end(), '\n');
}

// A tier key that is not the spot's tier, and outs that are not its outs: both answers wrong.
void answerWrongly(FrmTavolin& window, const PracticeSession& session) {
    const Tier truth = *tierOfLabel(session.reading().StrengthLabel);
    const Tier wrong = truth == Tier::kNothing ? Tier::kNuts : Tier::kNothing;
    QTest::keyClick(&window, wrong == Tier::kNothing ? 'n' : 'u');
    QTest::keyClicks(&window, QStringLiteral("99"));
    QTest::keyClick(&window, Qt::Key_Return);
}

SessionSettings tierAndOuts() {
    SessionSettings settings;
    settings.Seed = 5;
    settings.Questions = {QuestionKind::kTier, QuestionKind::kOuts};
    settings.Filter.OnStreet = Street::kFlop;
    return settings;
}

} // namespace

class JournalWindowTest : public QObject {
    Q_OBJECT
private slots:
    void recordsEachAnswerOnceAndQueuesTheMiss();
    void unusableJournalsAreLeftAsTheyWere();
    void namedRangesRoundTrip();
    void remembersTheTableAndPracticeSettings();
};

void JournalWindowTest::recordsEachAnswerOnceAndQueuesTheMiss() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("journal.sqlite3"));
    FrmTavolin window;
    window.show();
    window.useJournal(path);
    auto* panel = window.findChild<PracticePanel*>();
    auto* due = window.findChild<QLabel*>(QStringLiteral("lblReviewDue"));
    QCOMPARE(due->text(), QStringLiteral("Review: 0 due"));
    QSignalSpy answered(panel, &PracticePanel::answered);

    panel->startPractice(tierAndOuts());
    answerWrongly(window, *panel->session());
    QCOMPARE(answered.size(), 1);
    QCOMPARE(answersIn(path), 2L);
    QCOMPARE(due->text(), QStringLiteral("Review: 1 due"));

    // Keys and the check button once answered, and the missed spot retried: nothing more is kept or scored.
    const std::string score = panel->session()->score().summary();
    QTest::keyClick(&window, 'n');
    for (auto* check : panel->findChildren<QPushButton*>())
        if (check->text() == QStringLiteral("Check")) check->click();
    QTest::keyClick(&window, 'r');
    answerWrongly(window, *panel->session());
    QCOMPARE(answered.size(), 2);
    QCOMPARE(answersIn(path), 2L);
    QCOMPARE(panel->session()->score().summary(), score);

    // The next practice with review first deals the missed spot before any fresh one.
    const Spot missed = panel->session()->current().Cards;
    panel->startPractice(tierAndOuts());
    QVERIFY(panel->session()->current().Cards == missed);
}

// The journal library tells every kind of unusable file apart; the window only has to go on without it.
void JournalWindowTest::unusableJournalsAreLeftAsTheyWere() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("my notes, not a journal\n");
    file.close();
    FrmTavolin window;
    window.show();
    window.useJournal(path);
    const QString status = window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    QVERIFY2(status.contains(QStringLiteral("not saved")), qPrintable(status));
    QVERIFY(!window.findChild<NamedRangesBar*>()->findChild<QPushButton*>()->isEnabled());
    auto* panel = window.findChild<PracticePanel*>();
    QSignalSpy answered(panel, &PracticePanel::answered);
    panel->startPractice(tierAndOuts());
    answerWrongly(window, *panel->session());
    QCOMPARE(answered.size(), 1);
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblPracticeSaving"))->text().contains("not saved"));
    // A leak drilled without a journal: fresh spots of its kind.
    journal::LeakRow leak;
    leak.Street = "river";
    leak.BoardKind = "paired";
    panel->drillLeak(leak);
    QCOMPARE(panel->session()->current().Source, DealSource::kDrill);
    QCOMPARE(streetOf(panel->session()->current().Cards), Street::kRiver);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("my notes, not a journal\n"));
}

void JournalWindowTest::namedRangesRoundTrip() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("journal.sqlite3")).toStdString();
    const auto typed = ranges::readRange("QQ+, AKs, AJo+, 76s:0.5");
    {
        auto opened = journal::Journal::open(path);
        RangePanel panel;
        NamedRangesBar bar(&panel);
        bar.setJournal(opened.Opened.get(), {});
        panel.setRange(typed.Weights, QStringLiteral("Custom"));
        QVERIFY(bar.saveAs(QStringLiteral("  Value 3-bet ")));
        QVERIFY(!bar.saveAs(QStringLiteral("semiloose")));
        panel.loadProfile(3);
        QVERIFY(bar.saveAs(QStringLiteral("Wide")));
        QVERIFY(!bar.rename(QStringLiteral("Wide"), QStringLiteral("Value 3-bet")));
        QVERIFY(bar.rename(QStringLiteral("Value 3-bet"), QStringLiteral("Value")));
        QVERIFY(bar.remove(QStringLiteral("Wide")));
        QVERIFY(!bar.load(QStringLiteral("Wide")));
    }
    auto reopened = journal::Journal::open(path);
    RangePanel panel;
    NamedRangesBar bar(&panel);
    bar.setJournal(reopened.Opened.get(), {});
    QCOMPARE(bar.names(), QStringList{QStringLiteral("Value")});
    QVERIFY(bar.load(QStringLiteral("Value")));
    QVERIFY(panel.range() == typed.Weights);
    QCOMPARE(panel.rangeName(), QStringLiteral("Value"));
}

void JournalWindowTest::remembersTheTableAndPracticeSettings() {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("tavolin.ini")), QSettings::IniFormat);
    TableState table;
    {
        FrmTavolin window;
        window.rememberIn(&settings);
        QVERIFY(
            window.pasteHand(QStringLiteral("Hole Ah Kh | Board Qh 7h 2c 9s | Pot 120 | Villain's bet 60 | "
                                            "Stack 900 | Preflop 1-Nit | Postflop 3-Loose")));
        table = window.snapshot();
        auto* panel = window.findChild<PracticePanel*>();
        panel->findChild<QCheckBox*>(QStringLiteral("chkReviewFirst"))->setChecked(false);
        // Closing while practising keeps the player's table, not the spot on it.
        panel->startPractice(tierAndOuts());
    }
    FrmTavolin window;
    window.rememberIn(&settings);
    const TableState& back = window.snapshot();
    QVERIFY(back.Places == table.Places && back.Amounts == table.Amounts && back.Preflop == table.Preflop &&
            back.Postflop == table.Postflop);
    QVERIFY(!window.findChild<QCheckBox*>(QStringLiteral("chkReviewFirst"))->isChecked());
}

QTEST_MAIN(JournalWindowTest)
#include "journal_window_test.moc"
