#pragma once

// Drives the window through real mouse and key events and reads back what a player sees, without
// relying on the window's own bookkeeping.

#include "ui/amount_box.h"
#include "ui/card_image.h"
#include "ui/frm_tavolin.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace tavolin::testing {

// Where a card belongs in the deck, in twips: rows by suit, columns by rank, Qd and Ad set apart.
QPoint expectedHome(const QString& cardText);
// Shows the window and waits until it is active, so that its keyboard shortcuts work.
void showActive(QWidget& window);

class TableProbe {
public:
    explicit TableProbe(FrmTavolin& window) : Window(window) {}

    CardImage* card(const QString& text) const;
    CardImage* card(int index) const { return find<CardImage>("imgCard_%1", index); }
    SlotImage* slot(int index) const { return find<SlotImage>("imgHand_%1", index); }
    AmountBox* bet(int index) const { return find<AmountBox>("txtBet_%1", index); }
    QComboBox* villain(int index) const { return find<QComboBox>("cmbVillain_%1", index); }
    QCheckBox* calcVillain() const { return find<QCheckBox>("chkCalcVillain"); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    ReportBox* report() const { return find<ReportBox>("rtbOutput"); }
    QString status() const { return find<QLabel>("lblStatus")->text(); }
    const std::string& shown() const { return report()->report(); }

    // Clicks the named cards one after the other ("Ad 7d 3s").
    void pick(const QString& cards) const;
    // Types into an amount box as a player would: select what is there, type, press Enter.
    void typeAmount(int index, const QString& text) const;
    // Gives the table itself the keyboard and types there.
    void typeOnTable(const QString& keys) const;
    // The cards the slot row shows, read from where the card pictures stand on screen.
    QString slotCards(int first = 0, int last = 6) const;
    // What the analysis says about the table as it stands, or "" while the report is hidden.
    std::string expectedReport() const;

private:
    template <typename T> T* find(const char* name, int index = -1) const {
        const QString text = QString::fromLatin1(name);
        return Window.findChild<T*>(index < 0 ? text : text.arg(index));
    }
    FrmTavolin& Window;
};

} // namespace tavolin::testing
