#include "tests/ui/table_probe.h"

#include "analysis/analyse_hand.h"

#include <QLocale>
#include <QTest>

namespace tavolin::testing {

Home expectedHome(const QString& cardText) {
    const QString rankOrder = QStringLiteral("23456789TJQKA");
    const QString suitRows = QStringLiteral("hscd");
    if (cardText == QStringLiteral("Qd")) return {3870, 1635};
    if (cardText == QStringLiteral("Ad")) return {4620, 1635};
    return {105 + 375 * static_cast<int>(rankOrder.indexOf(cardText[0])),
            105 + 510 * static_cast<int>(suitRows.indexOf(cardText[1]))};
}

TableProbe::TableProbe(FrmTavolin& window) : Window(window) {}

CardImage* TableProbe::card(int index) const {
    return Window.findChild<CardImage*>(QStringLiteral("imgCard_%1").arg(index));
}

CardImage* TableProbe::card(const QString& text) const {
    for (int j = 0; j < 52; ++j)
        if (card(j)->toolTip() == text) return card(j);
    return nullptr;
}

SlotImage* TableProbe::slot(int index) const {
    return Window.findChild<SlotImage*>(QStringLiteral("imgHand_%1").arg(index));
}

QLineEdit* TableProbe::bet(int index) const {
    return Window.findChild<QLineEdit*>(QStringLiteral("txtBet_%1").arg(index));
}

QComboBox* TableProbe::villain(int index) const {
    return Window.findChild<QComboBox*>(QStringLiteral("cmbVillain_%1").arg(index));
}

QCheckBox* TableProbe::calcVillain() const {
    return Window.findChild<QCheckBox*>(QStringLiteral("chkCalcVillain"));
}

QPushButton* TableProbe::button(const char* name) const {
    return Window.findChild<QPushButton*>(QString::fromLatin1(name));
}

ReportBox* TableProbe::report() const {
    return Window.findChild<ReportBox*>(QStringLiteral("rtbOutput"));
}

void TableProbe::click(QWidget* widget) const {
    QTest::mouseClick(widget, Qt::LeftButton);
}

void TableProbe::pick(const QString& cards) const {
    for (const QString& text : cards.split(u' ', Qt::SkipEmptyParts))
        click(card(text));
}

void TableProbe::typeAmount(int index, const QString& text) const {
    QLineEdit* box = bet(index);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void TableProbe::typeOnTable(const QString& keys) const {
    Window.setFocus();
    QTest::keyClicks(&Window, keys);
}

QString TableProbe::slotCards(int first, int last) const {
    QString text;
    for (int i = first; i <= last; ++i) {
        for (int j = 0; j < 52; ++j) {
            if (card(j)->geometry() != slot(i)->geometry()) continue;
            if (!text.isEmpty()) text += u' ';
            text += card(j)->toolTip();
        }
    }
    return text;
}

QString TableProbe::holeText() const {
    return slotCards(0, 1);
}
QString TableProbe::boardText() const {
    return slotCards(2, 6);
}

int TableProbe::cardsOnSlots() const {
    const QString all = slotCards(0, 6);
    return all.isEmpty() ? 0 : static_cast<int>(all.count(u' ')) + 1;
}

std::string TableProbe::expectedReport() const {
    if (button("cmdShowHide")->text() != QStringLiteral("Hide")) return {};
    std::string board = boardText().toStdString();
    return analyseHand(holeText().toStdString(), board, bet(0)->text().toStdString(),
                       bet(1)->text().toStdString(), bet(2)->text().toStdString(),
                       bet(3)->text().toStdString(), villain(0)->currentIndex(), villain(1)->currentIndex(),
                       calcVillain()->isChecked(), QLocale::system().decimalPoint().toStdString());
}

} // namespace tavolin::testing
