#include "tests/ui/table_probe.h"

#include "analysis/analyse_hand.h"

#include <QLocale>
#include <QTest>

namespace tavolin::testing {

QPoint expectedHome(const QString& cardText) {
    if (cardText == QStringLiteral("Qd")) return {3870, 1635};
    if (cardText == QStringLiteral("Ad")) return {4620, 1635};
    return {105 + 375 * static_cast<int>(QStringLiteral("23456789TJQKA").indexOf(cardText[0])),
            105 + 510 * static_cast<int>(QStringLiteral("hscd").indexOf(cardText[1]))};
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

CardImage* TableProbe::card(const QString& text) const {
    for (int j = 0; j < 52; ++j)
        if (card(j)->toolTip() == text) return card(j);
    return nullptr;
}

void TableProbe::pick(const QString& cards) const {
    for (const QString& text : cards.split(u' ', Qt::SkipEmptyParts))
        QTest::mouseClick(card(text), Qt::LeftButton);
}

void TableProbe::typeAmount(int index, const QString& text) const {
    bet(index)->setFocus();
    QTest::keyClick(bet(index), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(bet(index), Qt::Key_Delete);
    QTest::keyClicks(bet(index), text);
    QTest::keyClick(bet(index), Qt::Key_Return);
}

void TableProbe::typeOnTable(const QString& keys) const {
    Window.setFocus();
    QTest::keyClicks(&Window, keys);
}

QString TableProbe::slotCards(int first, int last) const {
    QStringList cards;
    for (int i = first; i <= last; ++i)
        for (int j = 0; j < 52; ++j)
            if (card(j)->geometry() == slot(i)->geometry()) cards << card(j)->toolTip();
    return cards.join(u' ');
}

std::string TableProbe::expectedReport() const {
    if (button("cmdShowHide")->text() != QStringLiteral("Hide")) return {};
    std::string board = slotCards(2, 6).toStdString();
    return analyseHand(slotCards(0, 1).toStdString(), board, bet(0)->text().toStdString(),
                       bet(1)->text().toStdString(), bet(2)->text().toStdString(),
                       bet(3)->text().toStdString(), villain(0)->currentIndex(), villain(1)->currentIndex(),
                       calcVillain()->isChecked(), QLocale::system().decimalPoint().toStdString());
}

} // namespace tavolin::testing
