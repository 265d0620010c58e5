#pragma once

#include "equity/holdings.h"
#include "ui/hand_text.h"

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;

namespace tavolin {

class AmountBox;
class BoardRangeTable;
class CardImage;
class EquityPanel;
class PracticePanel;
class RangePanel;
class ReportBox;
class SlotImage;
class StudyColumn;

// The trainer window: the deck, the slot row, the amounts, the villain profile, the buttons and the
// report, drawn as one picture that scales with the window, and a study column on its right. Every change
// of cards, amounts or choices goes through the card handler, which re-runs the analysis.
class FrmTavolin : public QWidget {
    Q_OBJECT
public:
    explicit FrmTavolin(QWidget* parent = nullptr);
    ~FrmTavolin() override;

    // The opening size: the table and a study column, small enough for a 1366 x 768 screen.
    QSize sizeHint() const override;

    // The whole table as it stands, and setting it up again; both go through the card handler.
    TableSnapshot snapshot() const;
    void restore(const TableSnapshot& table);
    // Puts a hand on the table: its cards on the slots in order, and whatever else it names.
    void setUpHand(const HandSetup& hand);

    // Remembers the window's size and view choices in `settings` between runs (none when never called).
    void rememberIn(QSettings* settings);

    // The hand as one readable line, then the report.
    QString handText() const;
    // Sets up the hand in `text`; false, with the reason on the status line, when it holds none.
    bool pasteHand(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kNoCard = -1;

    void createDeck();
    void createPanel();
    void createStudyColumn();
    void createHabits();
    void createStudyPanels();

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
    void clearReport();
    int cardIndex(QStringView cardText) const;
    bool isOnSlotRow(int index) const;
    void typeCharacter(QChar character);
    void updateStatus();
    // Feeds the study panels and the deck's next-card shading from the table and the last analysis; they
    // stay empty while the report is empty or hidden.
    void refreshStudy();
    void shadeNextCards(bool shown);
    void placeTable();
    void copyHand();
    void openGlossary();
    void setFourColours(bool fourColours);
    ProfileNames profileNames() const;

    std::array<CardImage*, 52> imgCard{};
    std::array<SlotImage*, 7> imgHand{};
    std::array<AmountBox*, 4> txtBet{};
    std::array<QLabel*, 6> lblTV{};
    std::array<QComboBox*, 2> cmbVillain{};
    QCheckBox* chkCalcVillain = nullptr;
    QPushButton* cmdCheck = nullptr;
    QPushButton* cmdRandom = nullptr;
    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdShowHide = nullptr;
    ReportBox* rtbOutput = nullptr;
    QLabel* lblStatus = nullptr;
    StudyColumn* studyColumn = nullptr;
    QMenu* viewMenu = nullptr;
    QAction* actFourColours = nullptr;
    QAction* actShading = nullptr;
    EquityPanel* equityPanel = nullptr;
    RangePanel* rangePanel = nullptr;
    BoardRangeTable* boardRangeTable = nullptr;
    PracticePanel* practicePanel = nullptr;

    double PixelsPerTwip;
    QSettings* Settings = nullptr;
    // Cards in the order they were put on slots, for Backspace to take the latest back.
    std::vector<int> PickOrder;
    // The rank character typed last, waiting for its suit ("1" waits for the "0" of a ten).
    QChar TypedRank;
    // The report's PER(AI) in percent and its outs, from the last analysis.
    double RuleOfThumbPercent = 0.0;
    double RuleOfThumbOuts = 0.0;
    // The table as it was when practice began, to put back when it ends.
    TableSnapshot TableBeforePractice;
    // Practice loads each spot's profile range; the player's own range comes back afterwards.
    equity::HoldingWeights RangeBeforePractice{};
    QString RangeNameBeforePractice;
    // While a whole table is set up, the card handler moves cards and only the last call analyses.
    bool SettingUp = false;
    // A message for the status line until the table next changes, such as why a paste was refused.
    QString Notice;
};

} // namespace tavolin
