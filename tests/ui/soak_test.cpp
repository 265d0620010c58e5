// Thousands of random clicks, keys and choices on the window (fixed seed). After every step each card lies
// either at home or on exactly one slot whose text names its home; the report is the analysis of the cards,
// amounts and choices on screen (so a changed profile, check box or left amount box never leaves it stale);
// the status line gives a reason exactly when the analysis leaves the pot-odds lines out; every report line
// has its own explanation; and the table survives a snapshot, and a copy and paste, unchanged.

#include "analysis/number_format.h"
#include "tests/ui/table_probe.h"
#include "ui/glossary.h"
#include "ui/read_back.h"

#include <QApplication>
#include <QRegularExpression>
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
        const QPoint home = expectedHome(card->toolTip());
        const bool atHome = card->leftTwips() == home.x() && card->topTwips() == home.y();
        int onSlots = 0;
        for (int i = 0; i < 7; ++i) {
            if (card->geometry() != probe.slot(i)->geometry()) continue;
            ++onSlots;
            ++cardsOnSlot[i];
            if (probe.slot(i)->toolTip() != QStringLiteral("T%1L%2").arg(home.y()).arg(home.x()))
                return QStringLiteral("slot %1 reads %2 under %3")
                    .arg(i)
                    .arg(probe.slot(i)->toolTip(), card->toolTip());
        }
        if (atHome == (onSlots == 1) || onSlots > 1)
            return QStringLiteral("card %1 at home %2, on %3 slots")
                .arg(card->toolTip())
                .arg(atHome)
                .arg(onSlots);
    }
    for (int i = 0; i < 7; ++i)
        if (cardsOnSlot[i] != (probe.slot(i)->toolTip() == QStringLiteral("Empty") ? 0 : 1))
            return QStringLiteral("slot %1 (%2) holds %3 cards")
                .arg(i)
                .arg(probe.slot(i)->toolTip())
                .arg(cardsOnSlot[i]);
    if (probe.shown() != probe.expectedReport())
        return QStringLiteral("report is not the analysis of %1 / %2")
            .arg(probe.holeText(), probe.boardText());
    if (probe.report()->toPlainText() != reportLines(probe.shown()))
        return QStringLiteral("box does not show the report");
    const std::array<QString, 4> amounts{probe.bet(0)->text(), probe.bet(1)->text(), probe.bet(2)->text(),
                                         probe.bet(3)->text()};
    const bool blockLeftOut = !probe.shown().empty() && probe.shown().find("PME(AI): ") == std::string::npos;
    if (!probe.shown().empty() && blockLeftOut == potOddsMissing(amounts).isEmpty())
        return QStringLiteral("pot-odds reason wrong for %1")
            .arg(QStringList(amounts.begin(), amounts.end()).join(u'|'));
    if (blockLeftOut && !probe.status().contains(potOddsMissing(amounts)))
        return QStringLiteral("status lacks the reason");
    for (const QString& text : amounts) {
        bool plain = false;
        const double value = text.trimmed().toDouble(&plain);
        const bool decimal = plain && !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
        const bool readsAsItLooks =
            text.trimmed().isEmpty() || (decimal && value == readAmount(text.toStdString()));
        if (readsAsItLooks == !amountReadBack(text).isEmpty())
            return QStringLiteral("read-back wrong for %1").arg(text);
    }
    const QString unexplained = explainReportLine(QStringLiteral("zz"), 0);
    for (const QString& line : probe.report()->toPlainText().split(u'\n', Qt::SkipEmptyParts))
        if (explainReportLine(line, -1) == unexplained)
            return QStringLiteral("no explanation for %1").arg(line);
    return {};
}

bool sameTable(const TableSnapshot& a, const TableSnapshot& b) {
    return a.Slots == b.Slots && a.Amounts == b.Amounts && a.Preflop == b.Preflop &&
           a.Postflop == b.Postflop && a.CountVillain == b.CountVillain && a.ReportShown == b.ReportShown;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepTheTableSound() {
        FrmTavolin window;
        testing::showActive(window);
        TableProbe probe(window);
        std::mt19937 random(20261206);
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        const QStringList amounts{"",    "100",   "0",      "50",    "500",     "12.5", "abc", "-5",
                                  "0.4", "40000", "100 50", "1,000", "32767.5", "1e3",  "1.5", "1e39"};
        const QStringList keys{"Ad", "7d", "3s", "4c", "5h", "T", "h", "q", "x", "10", "1"};
        const char* buttons[] = {"cmdClear", "cmdRandom", "cmdShowHide", "cmdCalc"};
        const Qt::Key shortcuts[] = {Qt::Key_L, Qt::Key_R, Qt::Key_T};
        for (int step = 0; step < 3000; ++step) {
            const int action = below(100);
            if (action < 62) {
                probe.pick(probe.card(below(52))->toolTip());
            } else if (action < 70) {
                QTest::mouseClick(probe.button(buttons[below(4)]), Qt::LeftButton);
            } else if (action < 73) {
                probe.bet(below(4))->setFocus(); // shortcuts work with the keyboard anywhere
                QTest::keyClick(QApplication::focusWidget(), shortcuts[below(3)], Qt::ControlModifier);
            } else if (action < 78) {
                probe.typeAmount(below(4), amounts[below(amounts.size())]);
            } else if (action < 81) { // typed, then left for the table without Enter
                QLineEdit* box = probe.bet(below(4));
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Backspace);
                QTest::keyClicks(box, amounts[below(amounts.size())]);
                window.setFocus();
            } else if (action < 85) {
                QComboBox* box = probe.villain(below(2));
                box->setFocus();
                QTest::keyClick(box, below(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
            } else if (action < 87) {
                QTest::mouseClick(probe.calcVillain(), Qt::LeftButton);
            } else if (action < 94) {
                probe.typeOnTable(keys[below(keys.size())]);
            } else if (action < 96) {
                window.setFocus();
                QTest::keyClick(&window, Qt::Key_Backspace);
            } else if (action < 98) {
                const TableSnapshot before = window.snapshot();
                window.restore(before);
                QVERIFY2(sameTable(window.snapshot(), before), qPrintable(QString::number(step)));
            } else {
                const TableSnapshot before = window.snapshot();
                const std::string report = probe.shown();
                const QString copied = window.handText();
                QTest::mouseClick(probe.button("cmdClear"), Qt::LeftButton);
                QVERIFY(window.pasteHand(copied));
                QCOMPARE(window.handText(), copied);
                QCOMPARE(probe.shown(), report);
                QCOMPARE(window.snapshot().Amounts, before.Amounts);
            }
            const QString broken = invariantBroken(probe);
            if (!broken.isEmpty()) QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(step).arg(broken)));
        }
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
