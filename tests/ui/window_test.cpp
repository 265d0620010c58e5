// The window at start-up, its controls and places, card picking through the card handler, the keyboard
// habits and how the report box shows the report.

#include "tests/ui/table_probe.h"
#include "ui/table_layout.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace tavolin;
using tavolin::testing::expectedHome;
using tavolin::testing::TableProbe;

class WindowTest : public QObject {
    Q_OBJECT

private:
    static QRect scaled(int left, int top, int width, int height) {
        return {table::toPixels(left), table::toPixels(top), table::toPixels(width), table::toPixels(height)};
    }
    static QString slotText(const QString& card) {
        const auto home = expectedHome(card);
        return QStringLiteral("T%1L%2").arg(home.Top).arg(home.Left);
    }

private slots:
    void startsWithEmptyTableAndSemiloose() {
        FrmTavolin window;
        TableProbe probe(window);
        QCOMPARE(window.objectName(), QStringLiteral("frmTavolin"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavolin v0.1.0 - Daruzavuvaz"));
        QCOMPARE(probe.villain(0)->currentText(), QStringLiteral("2-Semiloose"));
        QCOMPARE(probe.villain(1)->currentText(), QStringLiteral("2-Semiloose"));
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Hide"));
        QVERIFY(probe.report()->toPlainText().isEmpty());
        QVERIFY(!probe.calcVillain()->isChecked());
        for (int i = 0; i < 4; ++i)
            QVERIFY(probe.bet(i)->text().isEmpty());
        for (int i = 0; i < 7; ++i)
            QCOMPARE(probe.slot(i)->toolTip(), QStringLiteral("Empty"));
    }

    void controlsCarryTheirTextsAndTips() {
        FrmTavolin window;
        TableProbe probe(window);
        const QStringList tips{"Pot before Bets", "Hero's Bet", "Villain's Bet", "Effective Stack Behind"};
        const QStringList labels{"Pot before Bets:",  "Hero's Bet:", "Villain's Bet:",
                                 "Eff.Stack Behind:", "Preflop:",    "Postflop:"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(probe.bet(i)->toolTip(), tips[i]);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblTV_%1").arg(i))->text(), labels[i]);
        const QStringList preflop{"1-Nit/Tight", "2-Semiloose", "3-Loose", "4-Fish!"};
        const QStringList postflop{"1-Tight", "2-Semiloose", "3-Loose!"};
        QCOMPARE(probe.villain(0)->count(), 4);
        QCOMPARE(probe.villain(1)->count(), 3);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(probe.villain(0)->itemText(i), preflop[i]);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(probe.villain(1)->itemText(i), postflop[i]);
        QCOMPARE(probe.calcVillain()->text(), QStringLiteral("Calculate Better Villain Hands"));
        QCOMPARE(probe.button("cmdCheck")->text(), QStringLiteral("Check"));
        QCOMPARE(probe.button("cmdRandom")->text(), QStringLiteral("Random"));
        QCOMPARE(probe.button("cmdCalc")->text(), QStringLiteral("Calc"));
        QCOMPARE(probe.button("cmdClear")->text(), QStringLiteral("Clear"));
        QVERIFY(probe.report()->isReadOnly());
        QVERIFY(probe.report()->font().fixedPitch() || QFontInfo(probe.report()->font()).fixedPitch());
    }

    void cardsHaveTheirTextsByIndex() {
        FrmTavolin window;
        TableProbe probe(window);
        QSet<QString> texts;
        for (int j = 0; j < 52; ++j) {
            QCOMPARE(probe.card(j)->property("tag").toString(), probe.card(j)->toolTip());
            texts.insert(probe.card(j)->toolTip());
        }
        QCOMPARE(texts.size(), 52);
        // The heart row's index order is not its rank order; the places are.
        QCOMPARE(probe.card(0)->toolTip(), QStringLiteral("2h"));
        QCOMPARE(probe.card(6)->toolTip(), QStringLiteral("5h"));
        QCOMPARE(probe.card(3)->toolTip(), QStringLiteral("6h"));
        QVERIFY(probe.card(6)->x() < probe.card(3)->x());
    }

    void everythingStandsAtItsScaledPlace() {
        FrmTavolin window;
        window.resize(window.sizeHint());
        TableProbe probe(window);
        for (int j = 0; j < 52; ++j) {
            const auto home = expectedHome(probe.card(j)->toolTip());
            QCOMPARE(probe.card(j)->leftTwips(), home.Left);
            QCOMPARE(probe.card(j)->topTwips(), home.Top);
            QCOMPARE(probe.card(j)->geometry(), scaled(home.Left, home.Top, 375, 510));
        }
        // Each label stands left of its box.
        for (int i = 0; i < 6; ++i) {
            auto* label = window.findChild<QLabel*>(QStringLiteral("lblTV_%1").arg(i));
            QWidget* box = i < 4 ? static_cast<QWidget*>(probe.bet(i)) : probe.villain(i - 4);
            QVERIFY(label->geometry().right() < box->x());
        }
        // A card is about 50 px wide; no slot shares a Left with a deck column and the deck lies above.
        QVERIFY(probe.card(0)->width() >= 48 && probe.card(0)->width() <= 52);
        for (int i = 0; i < 7; ++i)
            for (int j = 0; j < 52; ++j) {
                QVERIFY(probe.card(j)->x() != probe.slot(i)->x());
                QVERIFY(probe.card(j)->geometry().bottom() < probe.slot(i)->y());
            }
    }

    void reportBoxGrowsWithTheWindow() {
        FrmTavolin window;
        TableProbe probe(window);
        window.resize(window.sizeHint());
        window.show();
        const QRect before = probe.report()->geometry();
        window.resize(window.sizeHint() + QSize(200, 150));
        QCOMPARE(probe.report()->geometry().topLeft(), before.topLeft());
        QCOMPARE(probe.report()->width(), before.width() + 200);
        QCOMPARE(probe.report()->height(), before.height() + 150);
    }

    void picksBuildHoleAndBoardInSlotOrder() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        QCOMPARE(probe.holeText(), QStringLiteral("Ad 7d"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s 4c 5h"));
        QCOMPARE(probe.slot(0)->toolTip(), slotText("Ad"));
        QCOMPARE(probe.slot(4)->toolTip(), slotText("5h"));
        QCOMPARE(probe.slot(5)->toolTip(), QStringLiteral("Empty"));
        QVERIFY(!probe.report()->report().empty());
        QCOMPARE(probe.report()->report(), probe.expectedReport());

        // Taking back the first flop card frees slot 2, and the next pick fills it.
        probe.click(probe.card(QStringLiteral("3s")));
        QCOMPARE(probe.slot(2)->toolTip(), QStringLiteral("Empty"));
        QCOMPARE(probe.boardText(), QStringLiteral("4c 5h"));
        QVERIFY(probe.report()->report().empty());
        probe.pick(QStringLiteral("Kc"));
        QCOMPARE(probe.slot(2)->toolTip(), slotText("Kc"));
        QCOMPARE(probe.boardText(), QStringLiteral("Kc 4c 5h"));
        QCOMPARE(probe.report()->report(), probe.expectedReport());

        // A board with a free slot in the middle still gives a gap-free string.
        probe.pick(QStringLiteral("8d 9d"));
        probe.click(probe.card(QStringLiteral("4c")));
        QCOMPARE(probe.boardText(), QStringLiteral("Kc 5h 8d 9d"));
        QCOMPARE(probe.report()->report(), probe.expectedReport());
        QVERIFY(!probe.report()->report().empty());
    }

    void takingBackAHoleCardEmptiesTheReport() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        QVERIFY(!probe.report()->report().empty());
        probe.click(probe.card(QStringLiteral("7d")));
        QVERIFY(probe.report()->report().empty());
        QVERIFY(probe.report()->toPlainText().isEmpty());
        // The freed hole slot takes the next card.
        probe.pick(QStringLiteral("Kh"));
        QCOMPARE(probe.holeText(), QStringLiteral("Ad Kh"));
        QVERIFY(!probe.report()->report().empty());
    }

    void cardGoesBackExactlyHomeFromAnySlot() {
        const QStringList cards{"2h", "Ad", "Qd", "7c", "Ks", "Th", "9d"};
        for (int taken = 0; taken < 7; ++taken) {
            FrmTavolin window;
            TableProbe probe(window);
            probe.pick(cards.join(u' '));
            CardImage* card = probe.card(cards[taken]);
            QCOMPARE(card->geometry(), probe.slot(taken)->geometry());
            probe.click(card);
            const auto home = expectedHome(cards[taken]);
            QCOMPARE(card->leftTwips(), home.Left);
            QCOMPARE(card->topTwips(), home.Top);
            QCOMPARE(card->geometry(), scaled(home.Left, home.Top, 375, 510));
            QCOMPARE(probe.slot(taken)->toolTip(), QStringLiteral("Empty"));
            QCOMPARE(probe.cardsOnSlots(), 6);
        }
    }

    void typingRankAndSuitPicksTheCard() {
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        probe.typeOnTable(QStringLiteral("Ad7d3s4C5h"));
        QCOMPARE(probe.holeText(), QStringLiteral("Ad 7d"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s 4c 5h"));
        QCOMPARE(probe.report()->report(), probe.expectedReport());
        // Lower-case ranks work too; stray characters in between are forgotten.
        probe.typeOnTable(QStringLiteral("tcx9"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s 4c 5h Tc"));
        // A rank alone then something else does not pick a card.
        probe.typeOnTable(QStringLiteral("Kx"));
        QCOMPARE(probe.cardsOnSlots(), 6);
        // Typing a card that lies on a slot sends it home, as a click does.
        probe.typeOnTable(QStringLiteral("4c"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s 5h Tc"));
        // Keys typed while a button has the focus reach the table too.
        probe.button("cmdCalc")->setFocus();
        QTest::keyClicks(probe.button("cmdCalc"), QStringLiteral("Qd"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s Qd 5h Tc"));
        // The card with index 0 is found like any other.
        probe.typeOnTable(QStringLiteral("2h"));
        QCOMPARE(probe.boardText(), QStringLiteral("3s Qd 5h Tc 2h"));
        QCOMPARE(probe.card(0)->geometry(), probe.slot(6)->geometry());
        QCOMPARE(probe.slot(6)->toolTip(), QStringLiteral("T105L105"));
    }

    void backspaceSendsTheLatestPickHome() {
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        window.setFocus();
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(probe.boardText(), QStringLiteral("3s 4c"));
        // A card taken back by hand is skipped: the latest card still on a slot goes.
        probe.click(probe.card(QStringLiteral("4c")));
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(probe.boardText(), QString());
        QCOMPARE(probe.holeText(), QStringLiteral("Ad 7d"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(probe.cardsOnSlots(), 0);
        for (int j = 0; j < 52; ++j)
            QCOMPARE(probe.card(j)->leftTwips(), expectedHome(probe.card(j)->toolTip()).Left);
    }

    void enterInAnAmountBoxReanalyses() {
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        const std::string withoutAmounts = probe.report()->report();
        probe.typeAmount(0, QStringLiteral("100"));
        probe.typeAmount(2, QStringLiteral("50"));
        probe.typeAmount(3, QStringLiteral("500"));
        QVERIFY(probe.report()->report() != withoutAmounts);
        QVERIFY(probe.report()->report().find("SPR: ") != std::string::npos);
        QCOMPARE(probe.report()->report(), probe.expectedReport());
        // Typing in an amount box does not pick cards.
        QCOMPARE(probe.cardsOnSlots(), 5);
    }

    void reportShowsLinesWithoutStrayCarriageReturns() {
        // CR LF, a lone CR and a lone LF each end one line.
        QCOMPARE(reportLines("Hand: x\r\nOuts: 8\r\nA (4 Outs)\r\nB (4 Outs)\r\r\nPER(AI): 31.5%"),
                 QStringLiteral("Hand: x\nOuts: 8\nA (4 Outs)\nB (4 Outs)\n\nPER(AI): 31.5%"));
        QCOMPARE(reportLines("No Projects\r\nPER(AI): 0.0%"), QStringLiteral("No Projects\nPER(AI): 0.0%"));
        QCOMPARE(reportLines(""), QString());
        QCOMPARE(reportLines("a\rb\nc\r\n"), QStringLiteral("a\nb\nc\n"));
    }

    void hiddenReportStaysEmptyWhilePicking() {
        FrmTavolin window;
        TableProbe probe(window);
        probe.click(probe.button("cmdShowHide"));
        QCOMPARE(probe.button("cmdShowHide")->text(), QStringLiteral("Show"));
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h 8d"));
        QVERIFY(probe.report()->report().empty());
        QVERIFY(probe.report()->toPlainText().isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
