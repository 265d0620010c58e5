#pragma once

// Drives the window through real mouse and key events and reads back what a player sees, without
// relying on the window's own bookkeeping.

#include "ui/card_image.h"
#include "ui/frm_tavolin.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

namespace tavolin::testing {

// Where a card belongs in the deck, in twips: rows by suit, columns by rank, Qd and Ad set apart.
struct Home {
    int Left;
    int Top;
};
Home expectedHome(const QString& cardText);

class TableProbe {
public:
    explicit TableProbe(FrmTavolin& window);

    CardImage* card(int index) const;
    CardImage* card(const QString& text) const;
    SlotImage* slot(int index) const;
    QLineEdit* bet(int index) const;
    QComboBox* villain(int index) const;
    QCheckBox* calcVillain() const;
    QPushButton* button(const char* name) const;
    ReportBox* report() const;

    void click(QWidget* widget) const;
    // Clicks the named cards one after the other ("Ad 7d 3s").
    void pick(const QString& cards) const;
    // Types into an amount box as a player would: select what is there, type, press Enter.
    void typeAmount(int index, const QString& text) const;
    // Gives the table itself the keyboard and types there.
    void typeOnTable(const QString& keys) const;

    // The cards the slot row shows, read from where the card pictures stand on screen.
    QString holeText() const;
    QString boardText() const;
    int cardsOnSlots() const;
    // What the analysis says about the table as it stands, or "" while the report is hidden.
    std::string expectedReport() const;

private:
    QString slotCards(int first, int last) const;
    FrmTavolin& Window;
};

} // namespace tavolin::testing
