// Thousands of random clicks and keys on the window (fixed seed). After every step each card lies either at
// home or on exactly one slot whose text names its home, and the report is the analysis of the cards the
// slots show with the amounts and choices in the boxes.

#include "tests/ui/table_probe.h"

#include <QTest>
#include <random>

using namespace tavolin;
using tavolin::testing::expectedHome;
using tavolin::testing::TableProbe;

namespace {

QString invariantBroken(const TableProbe& probe) {
    QList<int> cardsOnSlot(7, 0);
    for (int j = 0; j < 52; ++j) {
        CardImage* card = probe.card(j);
        const auto home = expectedHome(card->toolTip());
        const bool atHome = card->leftTwips() == home.Left && card->topTwips() == home.Top;
        int onSlots = 0;
        for (int i = 0; i < 7; ++i) {
            if (card->leftTwips() != probe.slot(i)->leftTwips() ||
                card->topTwips() != probe.slot(i)->topTwips())
                continue;
            ++onSlots;
            ++cardsOnSlot[i];
            if (probe.slot(i)->toolTip() != QStringLiteral("T%1L%2").arg(home.Top).arg(home.Left))
                return QStringLiteral("slot %1 reads %2 under %3")
                    .arg(i)
                    .arg(probe.slot(i)->toolTip(), card->toolTip());
            if (card->geometry() != probe.slot(i)->geometry())
                return QStringLiteral("card %1 drawn off its slot").arg(card->toolTip());
        }
        if (atHome == (onSlots == 1) || onSlots > 1)
            return QStringLiteral("card %1 at home %2, on %3 slots")
                .arg(card->toolTip())
                .arg(atHome)
                .arg(onSlots);
    }
    for (int i = 0; i < 7; ++i) {
        const bool empty = probe.slot(i)->toolTip() == QStringLiteral("Empty");
        if (cardsOnSlot[i] != (empty ? 0 : 1))
            return QStringLiteral("slot %1 (%2) holds %3 cards")
                .arg(i)
                .arg(probe.slot(i)->toolTip())
                .arg(cardsOnSlot[i]);
    }
    if (probe.report()->report() != probe.expectedReport())
        return QStringLiteral("report is not the analysis of %1 / %2")
            .arg(probe.holeText(), probe.boardText());
    if (probe.report()->toPlainText() != reportLines(probe.report()->report()))
        return QStringLiteral("report box does not show the report");
    return {};
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomClicksKeepTheTableSound() {
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        std::mt19937 random(20261206);
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        const QStringList amounts{"",    "100", "0",   "50",    "500", "12.5",
                                  "abc", "-5",  "0.3", "40000", "7 5", "9x"};
        const QStringList keys{"Ad", "7d", "3s", "4c", "5h", "T", "h", "q", "x", "2"};
        const char* buttons[] = {"cmdClear", "cmdRandom", "cmdShowHide", "cmdCalc"};

        int steps = 0;
        for (; steps < 4000; ++steps) {
            const int action = below(100);
            if (action < 70) {
                probe.click(probe.card(below(52)));
            } else if (action < 80) {
                probe.click(probe.button(buttons[below(4)]));
            } else if (action < 86) {
                probe.typeAmount(below(4), amounts[below(amounts.size())]);
            } else if (action < 90) {
                probe.villain(below(2))->setCurrentIndex(below(3));
                probe.click(probe.button("cmdCalc"));
            } else if (action < 91) {
                // Ticking the box changes nothing until the next analysis.
                const std::string before = probe.report()->report();
                probe.click(probe.calcVillain());
                QVERIFY(probe.report()->report() == before);
                probe.click(probe.button("cmdCalc"));
            } else if (action < 97) {
                probe.typeOnTable(keys[below(keys.size())]);
            } else {
                window.setFocus();
                QTest::keyClick(&window, Qt::Key_Backspace);
            }
            const QString broken = invariantBroken(probe);
            if (!broken.isEmpty()) QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(steps).arg(broken)));
        }
        QCOMPARE(steps, 4000);
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
