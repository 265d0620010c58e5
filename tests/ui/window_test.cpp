// The window through a player's eyes: the opening state and size, the table scaled as one picture, card
// picking and typing, the buttons' replay of the examples, odd amounts read back, explanations, copy and
// paste, and the view choices remembered between runs. The soak test checks the lasting invariants.

#include "analysis/analyse_hand.h"
#include "tests/ui/table_probe.h"
#include "ui/straight_examples.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavolin;
using tavolin::testing::expectedHome;
using tavolin::testing::TableProbe;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyAndFitsALaptop() {
        FrmTavolin window;
        TableProbe probe(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavolin v0.1.0 - Daruzavuvaz"));
        QCOMPARE(probe.villain(0)->currentText() + probe.villain(1)->currentText(),
                 QStringLiteral("2-Semiloose2-Semiloose"));
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Hide"));
        QVERIFY(probe.report()->toPlainText().isEmpty() && probe.holeText().isEmpty());
        QVERIFY(probe.status().contains(QStringLiteral("Pick 2 more hole cards")));
        // Room for a title bar and a task bar on a 1366 x 768 screen.
        QVERIFY(window.width() <= 1366 && window.height() <= 768 - 70);
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("studyColumn"))->width() >= 360);
    }

    // Every card and slot stands at its twips times one scale, at any window size; text grows with it.
    void tableScalesAsOnePicture() {
        FrmTavolin window;
        TableProbe probe(window);
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
                QVERIFY(near(probe.card(j)->geometry(), expectedHome(probe.card(j)->toolTip())));
            const int slotLefts[] = {255, 630, 1095, 1470, 1845, 2220, 2595};
            for (int i = 0; i < 7; ++i)
                QVERIFY(near(probe.slot(i)->geometry(), QPoint(slotLefts[i], 2190)));
            QVERIFY(qAbs(probe.report()->y() - 4260 * scale) <= 1);
            QVERIFY(probe.report()->font().pixelSize() > reportFont);
            reportFont = probe.report()->font().pixelSize();
            QVERIFY(window.findChild<QWidget*>(QStringLiteral("studyColumn"))->x() >=
                    probe.report()->geometry().right());
        }
    }

    void picksAndTypedCardsFillTheSlotsInOrder() {
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c"));
        QVERIFY(probe.status().contains(QStringLiteral("Pick 1 more board card")));
        probe.typeOnTable(QStringLiteral("5"));
        QVERIFY(probe.status().contains(QStringLiteral("Typed 5")));
        probe.typeOnTable(QStringLiteral("h"));
        QCOMPARE(probe.holeText() + u'/' + probe.boardText(), QStringLiteral("Ad 7d/3s 4c 5h"));
        QCOMPARE(probe.slot(0)->toolTip(), QStringLiteral("T1635L4620"));
        probe.pick(QStringLiteral("3s")); // takes it back and frees slot 2 for the next card
        probe.typeOnTable(QStringLiteral("1"));
        QVERIFY(probe.status().contains(QStringLiteral("Typed 1")));
        probe.typeOnTable(QStringLiteral("0c2h"));
        QCOMPARE(probe.boardText(), QStringLiteral("Tc 4c 5h 2h"));
        QCOMPARE(probe.card(0)->geometry(), probe.slot(5)->geometry());
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(probe.boardText(), QStringLiteral("Tc 4c 5h"));
        QCOMPARE(probe.shown(), probe.expectedReport());
    }

    // Check replays every example card by card and ends on an empty table; the reports shown on the way
    // are those of each example's cards picked so far.
    void checkReplaysEveryExample() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Kh Qh 2c"));
        std::vector<std::string> shown;
        connect(probe.report(), &QPlainTextEdit::textChanged, this, [&] {
            if (!probe.shown().empty()) shown.push_back(probe.shown());
        });
        QTest::mouseClick(probe.button("cmdCheck"), Qt::LeftButton);
        std::vector<std::string> expected;
        for (const std::string_view example : kStraightExamples) {
            const auto cards = exampleCards(example);
            const std::string hole = std::string(cards[0]) + ' ' + std::string(cards[1]);
            std::string board;
            for (std::size_t k = 2; k < cards.size(); ++k) {
                board += (board.empty() ? "" : " ") + std::string(cards[k]);
                std::string text = board;
                if (k >= 4) expected.push_back(analyseHand(hole, text, "", "", "", "", 1, 1, false, "."));
            }
        }
        QCOMPARE(shown.size(), std::size_t{38 + 58 * 2});
        QVERIFY(shown == expected);
        QVERIFY(probe.holeText().isEmpty() && probe.report()->toPlainText().isEmpty());
    }

    void oddAmountsAreReadBackAndExplained() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ah Kh Qh 7h 2c"));
        // text typed in the pot box, its note, and what the status line says of it
        const QStringList rows{"1,000|read as 1|",
                               "1e3|read as 1|",
                               "abc|read as 0|pot must be above 0",
                               "100 50|read as 10050|",
                               "12.5||",
                               "40000||whole number from 1 to 32767",
                               "0.4||from 1"};
        probe.typeAmount(3, QStringLiteral("500"));
        for (const QString& row : rows) {
            const QStringList cell = row.split(u'|');
            probe.typeAmount(0, cell[0]);
            QCOMPARE(probe.bet(0)->readBack(), cell[1]);
            QVERIFY2(probe.status().contains(cell[2]), qPrintable(probe.status()));
            QVERIFY(cell[1].isEmpty() || probe.status().contains(cell[1]));
        }
        probe.typeAmount(0, QStringLiteral("100"));
        probe.typeAmount(2, QStringLiteral("-5"));
        QVERIFY(probe.status().contains(QStringLiteral("negative")));
        // Hovering the report tells what a term means; F1 gathers them all.
        QTextCursor per = probe.report()->document()->find(QStringLiteral("PER"));
        per.setPosition(per.selectionStart() + 1);
        QVERIFY(probe.report()
                    ->explanationAt(probe.report()->cursorRect(per).center())
                    .startsWith(QStringLiteral("PER:")));
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
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.endsWith(probe.report()->toPlainText() + u'\n'));
        FrmTavolin other;
        testing::showActive(other);
        TableProbe pasted(other);
        other.setFocus();
        QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(pasted.shown() == probe.shown() && pasted.bet(0)->text() == probe.bet(0)->text());
        QCOMPARE(other.handText(), copied);
        // Plain card text works too; text without a hand changes nothing and says why.
        QVERIFY(other.pasteHand(QStringLiteral("Ad 7d-3s 4c 5h")));
        QCOMPARE(pasted.holeText() + u'/' + pasted.boardText(), QStringLiteral("Ad 7d/3s 4c 5h"));
        QVERIFY(!other.pasteHand(QStringLiteral("Ad Zz")) && !other.pasteHand(QStringLiteral("Ad Ad")));
        QVERIFY(pasted.status().contains(QStringLiteral("Nothing pasted")));
        QCOMPARE(pasted.boardText(), QStringLiteral("3s 4c 5h"));
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
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
