#pragma once

// Drives the window through real mouse and key events and reads back what a player sees, without relying on
// the window's own bookkeeping.

#include "analysis/analyse_hand.h"
#include "ui/amount_box.h"
#include "ui/card_image.h"
#include "ui/frm_tavolin.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace tavolin::testing {

// Where a card belongs in the deck, in twips: rows by suit, columns by rank, Qd and Ad set apart.
inline QPoint expectedHome(const QString& card) {
    if (card == QStringLiteral("Qd") || card == QStringLiteral("Ad"))
        return {card[0] == u'Q' ? 3870 : 4620, 1635};
    return {105 + 375 * static_cast<int>(QStringLiteral("23456789TJQKA").indexOf(card[0])),
            105 + 510 * static_cast<int>(QStringLiteral("hscd").indexOf(card[1]))};
}

// Shows the window and waits until it is active, so that its keyboard shortcuts work.
inline void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

class TableProbe {
public:
    explicit TableProbe(FrmTavolin& window) : Window(window) {}

    CardImage* card(int index) const { return find<CardImage>("imgCard_%1", index); }
    CardImage* card(const QString& text) const {
        for (int j = 0; j < 52; ++j)
            if (card(j)->toolTip() == text) return card(j);
        return nullptr;
    }
    SlotImage* slot(int index) const { return find<SlotImage>("imgHand_%1", index); }
    AmountBox* bet(int index) const { return find<AmountBox>("txtBet_%1", index); }
    QComboBox* villain(int index) const { return find<QComboBox>("cmbVillain_%1", index); }
    QCheckBox* calcVillain() const { return find<QCheckBox>("chkCalcVillain"); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    ReportBox* report() const { return find<ReportBox>("rtbOutput"); }
    QString status() const { return find<QLabel>("lblStatus")->text(); }
    const std::string& shown() const { return report()->report(); }

    // Clicks the named cards one after the other ("Ad 7d 3s").
    void pick(const QString& cards) const {
        for (const QString& text : cards.split(u' ', Qt::SkipEmptyParts))
            QTest::mouseClick(card(text), Qt::LeftButton);
    }
    // Types into an amount box as a player would: select what is there, type, press Enter or leave the box.
    void typeAmount(int index, const QString& text, bool enter = true) const {
        bet(index)->setFocus();
        QTest::keyClick(bet(index), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(bet(index), Qt::Key_Delete);
        QTest::keyClicks(bet(index), text);
        if (enter)
            QTest::keyClick(bet(index), Qt::Key_Return);
        else
            Window.setFocus();
    }
    // Gives the table itself the keyboard and types there.
    void typeOnTable(const QString& keys) const {
        Window.setFocus();
        QTest::keyClicks(&Window, keys);
    }
    // The cards the slot row shows, read from where the card pictures stand on screen.
    QString slotCards(int first = 0, int last = 6) const {
        QStringList cards;
        for (int i = first; i <= last; ++i)
            for (int j = 0; j < 52; ++j)
                if (card(j)->geometry() == slot(i)->geometry()) cards << card(j)->toolTip();
        return cards.join(u' ');
    }
    // What the analysis says about the table as it stands, or "" while the report is hidden.
    std::string expectedReport() const {
        if (button("cmdShowHide")->text() != QStringLiteral("Hide")) return {};
        std::string board = slotCards(2, 6).toStdString();
        const auto amount = [this](int i) { return bet(i)->text().toStdString(); };
        return analyseHand(slotCards(0, 1).toStdString(), board, amount(0), amount(1), amount(2), amount(3),
                           villain(0)->currentIndex(), villain(1)->currentIndex(), calcVillain()->isChecked(),
                           QLocale::system().decimalPoint().toStdString());
    }

private:
    template <typename T> T* find(const char* name, int index = -1) const {
        const QString text = QString::fromLatin1(name);
        return Window.findChild<T*>(index < 0 ? text : text.arg(index));
    }
    FrmTavolin& Window;
};

} // namespace tavolin::testing
