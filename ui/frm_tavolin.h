#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavolin {

class CardImage;
class ReportBox;
class SlotImage;

// The trainer window: the deck, the slot row, the amounts, the villain profile, the buttons and the
// report. Every change of cards or amounts goes through the card handler, which re-runs the analysis.
class FrmTavolin : public QWidget {
    Q_OBJECT
public:
    explicit FrmTavolin(QWidget* parent = nullptr);

    // The whole table at its drawing scale.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kNoCard = -1;

    void createDeck();
    void createPanel();

    // The card handler: a deck card moves to the first free slot, a slot card goes home, and kNoCard
    // only re-runs the analysis. The report shows only while the show/hide button reads "Hide".
    void imgCardClick(int index);
    void cmdClearClick();
    void cmdRandomClick();
    void cmdShowHideClick();
    void cmdCalcClick();
    void cmdCheckClick();

    void sendCardHome(int index);
    void putCardOnFreeSlot(int index);
    void analyse();
    int cardIndex(QStringView cardText) const;
    bool isOnSlotRow(int index) const;
    void typeCharacter(QChar character);

    std::array<CardImage*, 52> imgCard{};
    std::array<SlotImage*, 7> imgHand{};
    std::array<QLineEdit*, 4> txtBet{};
    std::array<QLabel*, 6> lblTV{};
    std::array<QComboBox*, 2> cmbVillain{};
    QCheckBox* chkCalcVillain = nullptr;
    QPushButton* cmdCheck = nullptr;
    QPushButton* cmdRandom = nullptr;
    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdShowHide = nullptr;
    ReportBox* rtbOutput = nullptr;

    // Cards in the order they were put on slots, for Backspace to take the latest back.
    std::vector<int> PickOrder;
    // The rank character typed last, waiting for its suit.
    QChar TypedRank;
};

} // namespace tavolin
