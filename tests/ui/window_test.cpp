// The window through a player's eyes: the opening state and size, the table scaled as one picture, typing
// cards, odd amounts read back, explanations, copy and paste, the view choices remembered, and the program's
// own screenshot. The soak test checks the lasting invariants.

#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "tests/ui/table_probe.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"
#include "ui/study_column.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace tavolin;
using testing::TableProbe;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // It opens on an empty table, small enough for a 1366 x 768 laptop (with a title bar and a task bar) with
    // a study column; at any size every card and slot stands at its twips times one scale, text growing too.
    void opensFittingALaptopAndScalesAsOnePicture() {
        FrmTavolin window;
        TableProbe probe(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavolin v0.1.0 - Daruzavuvaz"));
        QCOMPARE(probe.villain(0)->currentText() + probe.button("cmdShowHide")->text(),
                 QStringLiteral("2-SemilooseHide"));
        QVERIFY(probe.shown().empty() && probe.status().contains(QStringLiteral("Pick 2 more")));
        QVERIFY(window.width() <= 1366 && window.height() <= 768 - 70);
        window.show();
        int reportFont = 0;
        for (const QSize size : {window.size(), QSize(1900, 1040)}) {
            window.resize(size);
            const double scale = probe.card(QStringLiteral("Ad"))->x() / 4620.0;
            const auto near = [&](const QRect& drawn, QPoint twips) {
                return qAbs(drawn.x() - twips.x() * scale) <= 1 && qAbs(drawn.y() - twips.y() * scale) <= 1 &&
                       qAbs(drawn.width() - 375 * scale) <= 1 && qAbs(drawn.height() - 510 * scale) <= 1;
            };
            for (int j = 0; j < 52; ++j)
                QVERIFY(near(probe.card(j)->geometry(), testing::expectedHome(probe.card(j)->toolTip())));
            const int slotLefts[] = {255, 630, 1095, 1470, 1845, 2220, 2595};
            for (int i = 0; i < 7; ++i)
                QVERIFY(near(probe.slot(i)->geometry(), QPoint(slotLefts[i], 2190)));
            QVERIFY(qAbs(probe.report()->y() - 4260 * scale) <= 1 &&
                    probe.report()->font().pixelSize() > reportFont);
            reportFont = probe.report()->font().pixelSize();
            const QWidget* study = window.findChild<QWidget*>(QStringLiteral("studyColumn"));
            QVERIFY(study->x() > probe.report()->geometry().right() && study->width() >= 360);
        }
    }

    // The status line says what the table waits for and how odd input was read; hovering the report and F1
    // explain its terms.
    void inputIsReadBackAndTermsExplained() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ah Kh 2c 7h"));
        QVERIFY(probe.status().contains(QStringLiteral("Pick 1 more board card")));
        probe.typeOnTable(QStringLiteral("1"));
        QVERIFY(probe.status().contains(QStringLiteral("Typed 1")));
        probe.typeOnTable(QStringLiteral("0h"));
        probe.pick(QStringLiteral("2c Qh")); // taken back: its slot takes the next card
        QCOMPARE(probe.slotCards(), QStringLiteral("Ah Kh Qh 7h Th"));
        probe.typeOnTable(
            QStringLiteral("JD")); // a suit in upper case too; Backspace takes the last card back
        QCOMPARE(probe.slotCards(), QStringLiteral("Ah Kh Qh 7h Th Jd"));
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(probe.slotCards(), QStringLiteral("Ah Kh Qh 7h Th"));
        probe.typeAmount(3, QStringLiteral("500"));
        // the pot as typed | the note beside it | what the status line says
        for (const QString row : {"1,000|read as 1|", "1e3|read as 1|", "abc|read as 0|pot must be above 0",
                                  "100 50|read as 10050|", "12.5||", "40000||whole number from 1 to 32767"}) {
            const QStringList cell = row.split(u'|');
            probe.typeAmount(0, cell[0]);
            QCOMPARE(probe.bet(0)->readBack(), cell[1]);
            QVERIFY(probe.status().contains(cell[2]) && probe.status().contains(cell[1]));
        }
        probe.typeAmount(0, QStringLiteral("100"));
        probe.typeAmount(2, QStringLiteral("-5"));
        QVERIFY(probe.status().contains(QStringLiteral("negative")));
        QTextCursor per = probe.report()->document()->find(QStringLiteral("PER"));
        per.setPosition(per.selectionStart() + 1);
        QVERIFY(probe.report()->explanationAt(probe.report()->cursorRect(per).center()).startsWith("PER:"));
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_F1);
        const auto* glossary = window.findChild<QDialog*>(QStringLiteral("glossary"));
        QVERIFY(glossary != nullptr && glossary->isVisible());
    }

    void pasteSetsUpTheCopiedHand() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ah Kh Qh 7h 2c"));
        probe.typeAmount(0, QStringLiteral("100 \"50\" | x"));
        probe.typeAmount(3, QStringLiteral("500"));
        QTest::mouseClick(probe.calcVillain(), Qt::LeftButton);
        probe.villain(0)->setCurrentIndex(3);
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        // Under the report: the exact figures and the range as a text that reads back to the range in use.
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(
            copied.contains(probe.report()->toPlainText() + QStringLiteral("\nExact equity vs a random")));
        const QString rangeLine = copied.section(u'\n', -2, -2);
        const auto* rangePanel = window.findChild<RangePanel*>();
        QVERIFY(rangeLine.startsWith(QStringLiteral("Villain range (%1): ").arg(rangePanel->rangeName())));
        QVERIFY(ranges::readRange(rangeLine.section(QStringLiteral("): "), 1).toStdString()).Weights ==
                rangePanel->range());
        FrmTavolin other;
        testing::showActive(other);
        TableProbe pasted(other);
        QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(pasted.shown() == probe.shown() && pasted.bet(0)->text() == probe.bet(0)->text());
        QCOMPARE(other.handText(), copied);

        // A hand-history fragment: hole cards, the latest street's board, the pot where a street gives it.
        QVERIFY(other.pasteHand(QStringLiteral("Dealt to Hero [Ah Kh]\n*** FLOP *** [Qh 7d 2c] (Pot: 120)\n"
                                               "Villain: bets 60\n*** TURN *** [Qh 7d 2c] [5s]")));
        QCOMPARE(pasted.slotCards() + u'|' + pasted.bet(0)->text(), QStringLiteral("Ah Kh Qh 7d 2c 5s|120"));
        QVERIFY(!other.pasteHand(QStringLiteral("Dealt to Hero [Ah Kx]")));
        QCOMPARE(pasted.slotCards(), QStringLiteral("Ah Kh Qh 7d 2c 5s"));
        // Every real Hold'em history with a hero sets up the hero's two cards and a board of its own cards;
        // another game is refused and leaves the table as it was.
        int dealt = 0;
        for (QDirIterator files(QStringLiteral(TAVOLIN_HH_SAMPLES "/pokerstars"), {QStringLiteral("*.txt")},
                                QDir::Files, QDirIterator::Subdirectories);
             files.hasNext();) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString hand = QString::fromUtf8(file.readAll());
            if (!hand.contains(QStringLiteral("Dealt to "))) continue;
            ++dealt;
            const QString table = other.handText();
            const bool holdem = hand.contains(QStringLiteral("Hold'em"));
            QCOMPARE(other.pasteHand(hand), holdem);
            if (!holdem) {
                QCOMPARE(other.handText(), table);
                continue;
            }
            const QStringList cards = pasted.slotCards().split(u' ');
            QVERIFY(cards.size() >= 2 && cards.size() != 3 && cards.size() != 4);
            for (const QString& card : cards)
                QVERIFY(hand.contains(card));
        }
        QVERIFY(dealt > 0);
    }

    // Practice deals onto the table with the report hidden, keys typed on the table answer, the answer
    // shows the report, and leaving puts the table and the player's own range back as they were.
    void practiceUsesTheTableAndPutsItBack() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        probe.typeAmount(1, QStringLiteral("1,5"));
        auto* rangePanel = window.findChild<RangePanel*>();
        auto* rangeText = rangePanel->findChild<QLineEdit*>();
        rangeText->selectAll();
        QTest::keyClicks(rangeText, QStringLiteral("QQ+, AKs"));
        QTest::keyClick(rangeText, Qt::Key_Return);
        const equity::HoldingWeights ownRange = rangePanel->range();
        const QString before = window.handText();
        practice::SessionSettings settings;
        settings.Questions = {practice::QuestionKind::kDecision};
        settings.Filter.PreflopProfile = 1; // the profile box shows it already: its range comes all the same
        window.findChild<PracticePanel*>()->startPractice(settings);
        QVERIFY(probe.shown().empty() && probe.slotCards().count(u' ') >= 4 && window.handText() != before);
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_F);
        QCOMPARE(probe.shown(), probe.expectedReport());
        QVERIFY(!probe.shown().empty() && rangePanel->range() == ranges::profileRange(1));
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.handText(), before);
        QVERIFY(rangePanel->range() == ownRange &&
                rangePanel->rangeName() == QStringLiteral("Semiloose, edited"));
    }

    // The wheel over a slider, list or number box without the focus scrolls the column and changes nothing;
    // with the focus it is the control's. During a practice question the cards, paste and Random keep the
    // spot until it is answered. Check plays its examples and gives the hand back.
    void controlsKeepWhatThePlayerSet() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ah Kh Qh 7d 2c"));
        probe.typeAmount(0, QStringLiteral("100"));
        auto* rangePanel = window.findChild<RangePanel*>();
        QScrollArea* column = window.findChild<StudyColumn*>()->scroller(StudyColumn::Tab::kStudy);
        auto* slider = rangePanel->findChild<QSlider*>();
        auto* practice = window.findChild<PracticePanel*>();
        const auto roll = [](QWidget* widget) {
            QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(widget, &wheel);
        };
        const equity::HoldingWeights range = rangePanel->range();
        const QString before = window.handText();
        QTRY_VERIFY(column->verticalScrollBar()->maximum() > 0);
        for (QWidget* control :
             std::initializer_list<QWidget*>{slider, probe.villain(0), practice->findChild<QComboBox*>(),
                                             practice->findChild<QSpinBox*>()})
            roll(control);
        QVERIFY(rangePanel->range() == range && window.handText() == before);
        QVERIFY(column->verticalScrollBar()->value() > 0);
        slider->setFocus();
        roll(slider);
        QVERIFY(rangePanel->range() != range &&
                rangePanel->rangeName() == QStringLiteral("Semiloose, edited"));
        probe.villain(0)->activated(1); // the profile picked again brings its range back
        QVERIFY(rangePanel->range() == range && !rangePanel->isEdited());

        window.findChild<QPushButton*>(QStringLiteral("cmdCheck"))->click();
        QCOMPARE(window.handText(), before);

        practice::SessionSettings settings;
        settings.Questions = {practice::QuestionKind::kDecision};
        practice->startPractice(settings);
        const QString spot = probe.slotCards();
        for (int j = 0; j < 52; ++j)
            QTest::mouseClick(probe.card(j), Qt::LeftButton);
        probe.button("cmdRandom")->click();
        QVERIFY(!window.pasteHand(QStringLiteral("Ah Kh Qh 7d 2c")));
        QVERIFY(probe.slotCards() == spot && probe.status().contains(QStringLiteral("Answer the question")));
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_F);
        probe.button("cmdRandom")->click();
        QVERIFY(probe.slotCards() != spot);
    }

    void viewChoicesAndSizeAreRemembered() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("tavolin.ini")), QSettings::IniFormat);
        {
            FrmTavolin window;
            window.rememberIn(&settings);
            window.findChild<QAction*>(QStringLiteral("actFourColours"))->trigger();
            window.resize(780, 580); // within the test screen
        }
        FrmTavolin window;
        window.rememberIn(&settings);
        QVERIFY(window.findChild<QAction*>(QStringLiteral("actFourColours"))->isChecked());
        QCOMPARE(window.size(), QSize(780, 580));
    }

    // The program draws its own picture headless, with the hole cards' red ink on the slot row.
    void programWritesItsScreenshot() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavolin.png"));
        const QStringList deal{"--screenshot",   file,        "--cards",
                               "Ad 7d 3s 4c 5h", "--amounts", "100 0 50 500"};
        QCOMPARE(QProcess::execute(QStringLiteral(TAVOLIN_PROGRAM), deal), 0);
        QVERIFY(QProcess::execute(QStringLiteral(TAVOLIN_PROGRAM), {"--screenshot", file, "--cards", "Zz"}) !=
                0);
        FrmTavolin window;
        const QImage shot = QImage(file).copy(TableProbe(window).slot(0)->geometry());
        QCOMPARE(QImage(file).size(), window.size());
        QVERIFY(shot.pixelColor(shot.width() / 2, shot.height() * 3 / 4).red() > 150);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
