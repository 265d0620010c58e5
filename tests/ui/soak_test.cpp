// Thousands of random clicks, keys and choices on the window (fixed seed), under a German locale. After every
// step each card lies at home or on exactly one slot, the place the table gives it; the report is the
// analysis of the cards, amounts and choices on screen (a changed profile, check box or left amount box never
// leaves it stale), its numbers use the system's decimal comma; the status line gives a reason exactly when
// the analysis leaves the pot-odds lines out; amounts are read back exactly when they do not read as they
// look; every report line has its own explanation; the deck is shaded by the next card on exactly the unseen
// cards of a flop or turn being reported; and snapshot and restore, copy and paste keep the table.

#include "analysis/number_format.h"
#include "cards/card_text.h"
#include "tests/ui/table_probe.h"
#include "ui/glossary.h"
#include "ui/read_back.h"

#include <QApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QThreadPool>
#include <random>

using namespace tavolin;

namespace {

QString invariantBroken(const FrmTavolin& window, const testing::TableProbe& probe) {
    const TableState& table = window.snapshot();
    for (int j = 0; j < 52; ++j) {
        const CardImage* card = probe.card(j);
        const QPoint home = testing::expectedHome(card->toolTip());
        int onSlots = 0;
        for (int i = 0; i < 7; ++i) {
            if (card->geometry() != probe.slot(i)->geometry()) continue;
            ++onSlots;
            const auto& place = table.Places[static_cast<std::size_t>(i)];
            if (!place || QString::fromStdString(cardName(*place)) != card->toolTip())
                return QStringLiteral("slot %1 holds another card than %2").arg(i).arg(card->toolTip());
        }
        if ((QPoint(card->leftTwips(), card->topTwips()) == home) == (onSlots == 1) || onSlots > 1)
            return QStringLiteral("card %1 on %2 slots").arg(card->toolTip()).arg(onSlots);
    }
    const QString cards = probe.slotCards();
    for (int i = 0; i < 7; ++i)
        if (!table.Places[static_cast<std::size_t>(i)] != probe.slotCards(i, i).isEmpty())
            return QStringLiteral("slot %1 place and card differ").arg(i);
    const QString report = QString::fromStdString(probe.shown());
    // The next-card shading: on every deck card exactly while a flop or turn report shows, on no other card.
    const qsizetype boardCards = probe.slotCards(2, 6).split(u' ', Qt::SkipEmptyParts).size();
    for (int j = 0; j < 52; ++j)
        if (probe.card(j)->isShaded() !=
            (!report.isEmpty() && boardCards < 5 && !cards.contains(probe.card(j)->toolTip())))
            return QStringLiteral("shading wrong on ") + probe.card(j)->toolTip();
    if (probe.shown() != probe.expectedReport())
        return QStringLiteral("report is not the analysis of ") + cards;
    if (probe.report()->toPlainText() != reportLines(probe.shown()))
        return QStringLiteral("box does not show it");
    if (!report.isEmpty() && !report.contains(QRegularExpression(QStringLiteral(R"(PER\(AI\): \d+,\d%)"))))
        return QStringLiteral("no decimal comma");
    const std::array<QString, 4> amounts{probe.bet(0)->text(), probe.bet(1)->text(), probe.bet(2)->text(),
                                         probe.bet(3)->text()};
    const bool leftOut = !report.isEmpty() && !report.contains(QStringLiteral("PME(AI): "));
    if (!report.isEmpty() && leftOut == potOddsMissing(amounts).isEmpty())
        return QStringLiteral("pot-odds reason wrong for ") +
               QStringList(amounts.begin(), amounts.end()).join(u'|');
    if (leftOut && !probe.status().contains(potOddsMissing(amounts)))
        return QStringLiteral("status lacks the reason");
    for (const QString& text : amounts) {
        bool number = false;
        const double value = text.trimmed().toDouble(&number);
        const bool decimal = number && !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
        const bool asItLooks =
            text.trimmed().isEmpty() || (decimal && value == readAmount(text.toStdString()));
        if (asItLooks == !amountReadBack(text).isEmpty())
            return QStringLiteral("read-back wrong for ") + text;
    }
    for (const QString& line : probe.report()->toPlainText().split(u'\n', Qt::SkipEmptyParts))
        if (explainReportLine(line, -1) == explainReportLine(QStringLiteral("zz"), 0))
            return QStringLiteral("no explanation for ") + line;
    return {};
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepTheTableSound() {
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        QThreadPool::globalInstance()->setMaxThreadCount(1); // painting in one thread is faster here
        FrmTavolin window;
        testing::showActive(window);
        testing::TableProbe probe(window);
        std::mt19937 random(20261206);
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        const QStringList amounts{"",    "100",   "0",      "50",    "500",     "12.5", "abc", "-5",
                                  "0.4", "40000", "100 50", "1,000", "32767.5", "1e3",  "1.5", "1e39"};
        // pasted texts, marked + when they hold a hand
        const QStringList pastes{
            "+Ad 7d-3s 4c 5h",          "+ah kh 10h",          "+AhKhQh 7h 2c", "-Ad Zz",   "-Ad Ad", "-",
            "-Kh Qh Jh Th 9h 8h 7h 6h", "+Hole Kh | Board 2c", "-x | Pot 5",    "+Qs Js 2c"};
        const QStringList keys{"Ad", "7d", "3s", "4c", "5h", "T", "h", "q", "x", "10", "1"};
        const char* buttons[] = {"cmdClear", "cmdRandom", "cmdShowHide", "cmdCalc", "cmdCheck"};
        const Qt::Key shortcuts[] = {Qt::Key_L, Qt::Key_R, Qt::Key_T};
        for (int step = 0; step < 2000; ++step) {
            const int action = below(100);
            if (action < 62) {
                QTest::mouseClick(probe.card(below(52)), Qt::LeftButton);
            } else if (action < 70) {
                QTest::mouseClick(probe.button(buttons[step % 1000 == 500 ? 4 : below(4)]),
                                  Qt::LeftButton); // Check rarely
            } else if (action < 73) {              // shortcuts work with the keyboard in an amount box too
                probe.bet(below(4))->setFocus();
                QTest::keyClick(QApplication::focusWidget(), shortcuts[below(3)], Qt::ControlModifier);
            } else if (action < 81) {
                probe.typeAmount(below(4), amounts[below(amounts.size())], below(2) == 0);
            } else if (action < 85) {
                probe.villain(below(2))->setFocus();
                QTest::keyClick(QApplication::focusWidget(), below(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
            } else if (action < 87) {
                QTest::mouseClick(probe.calcVillain(), Qt::LeftButton);
            } else if (action < 94) {
                probe.typeOnTable(keys[below(keys.size())]);
            } else if (action < 96) {
                window.setFocus();
                QTest::keyClick(&window, Qt::Key_Backspace);
            } else if (action < 98) {
                const TableState before = window.snapshot();
                window.restore(before);
                QVERIFY(window.snapshot().Places == before.Places);
            } else if (action < 99) {
                const QString copied = window.handText();
                QTest::mouseClick(probe.button("cmdClear"), Qt::LeftButton);
                QVERIFY(window.pasteHand(copied));
                QCOMPARE(window.handText(), copied);
            } else { // plain card text sets up a hand; text without one changes nothing
                const QString before = window.handText();
                const QString text = pastes[below(pastes.size())];
                QCOMPARE(window.pasteHand(text.mid(1)), text.startsWith(u'+'));
                QVERIFY(text.startsWith(u'+') || window.handText() == before);
            }
            const QString broken = invariantBroken(window, probe);
            if (!broken.isEmpty()) QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(step).arg(broken)));
        }
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
