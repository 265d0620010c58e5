// The panel buttons (Clear, Random, Hide/Show, Calc), their keyboard shortcuts and the Check replay of the
// built-in straight-draw examples.

#include "analysis/analyse_hand.h"
#include "practice/straight_examples.h"
#include "tests/ui/table_probe.h"

#include <QApplication>
#include <QLocale>
#include <QSet>
#include <QTest>

using namespace tavolin;
using tavolin::testing::expectedHome;
using tavolin::testing::TableProbe;

namespace {

void typeAllAmounts(const TableProbe& probe) {
    probe.bet(0)->setText(QStringLiteral("100"));
    probe.bet(1)->setText(QStringLiteral("0"));
    probe.bet(2)->setText(QStringLiteral("50"));
    probe.bet(3)->setText(QStringLiteral("500"));
}

bool everyCardHome(const TableProbe& probe) {
    for (int j = 0; j < 52; ++j) {
        const auto home = expectedHome(probe.card(j)->toolTip());
        if (probe.card(j)->leftTwips() != home.Left || probe.card(j)->topTwips() != home.Top) return false;
    }
    for (int i = 0; i < 7; ++i)
        if (probe.slot(i)->toolTip() != QStringLiteral("Empty")) return false;
    return true;
}

bool amountsEmpty(const TableProbe& probe) {
    for (int i = 0; i < 4; ++i)
        if (!probe.bet(i)->text().isEmpty()) return false;
    return true;
}

std::string analyse(const std::string& hole, std::string board) {
    return analyseHand(hole, board, "", "", "", "", 1, 1, false,
                       QLocale::system().decimalPoint().toStdString());
}

} // namespace

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void clearPutsEverythingBackAndKeepsTheSettings() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h 8d 9d"));
        probe.click(probe.card(QStringLiteral("3s"))); // a free slot before the last cards
        typeAllAmounts(probe);
        probe.villain(0)->setCurrentIndex(3);
        probe.click(probe.calcVillain());
        probe.click(probe.button("cmdClear"));
        QVERIFY(everyCardHome(probe));
        QVERIFY(amountsEmpty(probe));
        QVERIFY(probe.report()->toPlainText().isEmpty());
        QCOMPARE(probe.villain(0)->currentIndex(), 3);
        QVERIFY(probe.calcVillain()->isChecked());
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Hide"));
    }

    void clearOnAnEmptyTableOnlyEmptiesAmountsAndReport() {
        FrmTavolin window;
        TableProbe probe(window);
        typeAllAmounts(probe);
        probe.click(probe.button("cmdClear"));
        QVERIFY(everyCardHome(probe));
        QVERIFY(amountsEmpty(probe));
        QVERIFY(probe.report()->report().empty());
    }

    void randomDealsFiveToSevenDistinctCardsFromAClearedTable() {
        FrmTavolin window;
        TableProbe probe(window);
        QSet<int> boardSizes;
        for (int round = 0; round < 300; ++round) {
            typeAllAmounts(probe);
            probe.click(probe.button("cmdRandom"));
            const int dealt = probe.cardsOnSlots();
            QVERIFY2(dealt >= 5 && dealt <= 7, qPrintable(QString::number(dealt)));
            // The slots fill from the left without a gap, two hole cards first.
            for (int i = 0; i < 7; ++i)
                QCOMPARE(probe.slot(i)->toolTip() == QStringLiteral("Empty"), i >= dealt);
            const QStringList cards = (probe.holeText() + u' ' + probe.boardText()).split(u' ');
            QCOMPARE(QSet<QString>(cards.begin(), cards.end()).size(), dealt);
            QCOMPARE(probe.holeText().size(), 5);
            boardSizes.insert(dealt - 2);
            QVERIFY(amountsEmpty(probe));
            QVERIFY(!probe.report()->report().empty());
            QCOMPARE(probe.report()->report(), probe.expectedReport());
        }
        QCOMPARE(boardSizes, (QSet<int>{3, 4, 5}));
    }

    void showHideTwiceShowsTheSameReport() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        const std::string shown = probe.report()->report();
        QVERIFY(!shown.empty());
        probe.click(probe.button("cmdShowHide"));
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Show"));
        QVERIFY(probe.report()->toPlainText().isEmpty());
        probe.click(probe.button("cmdShowHide"));
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Hide"));
        QCOMPARE(probe.report()->report(), shown);
    }

    void calcWhileHiddenLeavesTheReportEmpty() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        probe.click(probe.button("cmdShowHide"));
        typeAllAmounts(probe);
        probe.click(probe.button("cmdCalc"));
        QVERIFY(probe.report()->toPlainText().isEmpty());
        probe.click(probe.button("cmdShowHide"));
        QCOMPARE(probe.report()->report(), probe.expectedReport());
    }

    void calcPicksUpAmountsAndProfiles() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        typeAllAmounts(probe);
        probe.villain(0)->setCurrentIndex(0);
        // Nothing re-analyses until Calc.
        QVERIFY(probe.report()->report().find("SPR: ") == std::string::npos);
        probe.click(probe.button("cmdCalc"));
        QVERIFY(probe.report()->report().find("SPR: ") != std::string::npos);
        QCOMPARE(probe.report()->report(), probe.expectedReport());
    }

    void shortcutsWorkAndShowInTheTips() {
        FrmTavolin window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TableProbe probe(window);
        const auto tipNames = [&](const char* name, Qt::Key key) {
            const QKeySequence keys(Qt::CTRL | key);
            return probe.button(name)->toolTip().contains(keys.toString(QKeySequence::NativeText));
        };
        QVERIFY(tipNames("cmdRandom", Qt::Key_R));
        QVERIFY(tipNames("cmdClear", Qt::Key_L));
        QVERIFY(tipNames("cmdShowHide", Qt::Key_T));
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(probe.cardsOnSlots() >= 5);
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(everyCardHome(probe));
        // Even with the keyboard in an amount box. The focus stays in the box.
        const auto pressInAmountBox = [&](Qt::Key key) {
            probe.bet(1)->setFocus();
            QTest::keyClick(probe.bet(1), key, Qt::ControlModifier);
        };
        pressInAmountBox(Qt::Key_R);
        QVERIFY(probe.cardsOnSlots() >= 5);
        pressInAmountBox(Qt::Key_T);
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Show"));
        pressInAmountBox(Qt::Key_T);
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Hide"));
        QVERIFY(!probe.report()->report().empty());
        pressInAmountBox(Qt::Key_L);
        QVERIFY(everyCardHome(probe));
        QCOMPARE(QApplication::focusWidget(), probe.bet(1));
    }

    void exampleCardsReadTheTable() {
        const auto turn = exampleCards("Ad 7d-3s 4c 5h 8d Sol: 5 outs (6-2 outs)");
        QCOMPARE(turn, (std::vector<std::string_view>{"Ad", "7d", "3s", "4c", "5h", "8d"}));
        QVERIFY(exampleCards("").empty());
        QVERIFY(exampleCards("A").empty());
        QCOMPARE(exampleCards("2h 3h").size(), std::size_t{2});
        QVERIFY(isCardText("2h") && isCardText("Td") && !isCardText("ad") && !isCardText("1s") &&
                !isCardText("Ah "));
    }

    // Check replays every example card by card through the card handler and ends on an empty table; the
    // reports shown on the way are those of each example's cards picked so far.
    void checkReplaysEveryExampleAndLeavesAnEmptyTable() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Kh Qh 2c"));
        typeAllAmounts(probe);
        std::vector<std::string> shown;
        connect(probe.report(), &QPlainTextEdit::textChanged, this, [&] {
            if (!probe.report()->report().empty()) shown.push_back(probe.report()->report());
        });
        probe.click(probe.button("cmdCheck"));

        std::vector<std::string> expected;
        for (const std::string_view example : kStraightExamples) {
            const auto cards = exampleCards(example);
            std::string hole = std::string(cards[0]) + ' ' + std::string(cards[1]);
            std::string board;
            for (std::size_t k = 2; k < cards.size(); ++k) {
                board += (board.empty() ? "" : " ") + std::string(cards[k]);
                if (k >= 4) expected.push_back(analyse(hole, board));
            }
        }
        QCOMPARE(shown.size(), expected.size());
        QVERIFY(shown == expected);
        QVERIFY(everyCardHome(probe));
        QVERIFY(amountsEmpty(probe));
        QVERIFY(probe.report()->toPlainText().isEmpty());
    }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
