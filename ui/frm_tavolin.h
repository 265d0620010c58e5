#pragma once

#include "cards/random_source.h"
#include "equity/holdings.h"
#include "journal/journal.h"
#include "table/table.h"
#include "ui/hand_text.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
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
class BettingPanel;
class BoardRangeTable;
class CardImage;
class EquityPanel;
class HandsPanel;
class HeroRangePanel;
class JournalLink;
class NamedRangesBar;
class PracticePanel;
class RangePanel;
class ReportBox;
class SlotImage;
class StudyColumn;
class VillainsPanel;
namespace ui {
class ProgressView;
}
namespace equity {
struct EquityByPart;
}

// The trainer window: the deck, the slot row, the amounts, the villain profile, the buttons and the
// report, drawn as one picture that scales with the window, and a study column on its right. The window
// draws a Table and hands every click and key to it; each change of the table re-runs the analysis.
class FrmTavolin : public QWidget {
    Q_OBJECT
public:
    explicit FrmTavolin(QWidget* parent = nullptr);
    ~FrmTavolin() override;

    // The opening size: the table and a study column, small enough for a 1366 x 768 screen.
    QSize sizeHint() const override;

    // The whole table as it stands, and setting it up again.
    const TableState& snapshot() const { return Hand.state(); }
    void restore(const TableState& table);
    // Puts a hand on the table: its cards on the slots in order, and whatever else it names.
    void setUpHand(const TableSetup& hand);

    // Remembers the window's size and view choices in `settings` between runs (none when never called).
    void rememberIn(QSettings* settings);
    // Opens the journal at `path`, or the default one when empty, for practice and the saved ranges. One
    // that cannot be used is left untouched: the status line says why and practice goes on unsaved.
    void useJournal(const QString& path);
    JournalLink* journalLink() const { return Journal.get(); }

    // The hand as one readable line, then the report.
    QString handText() const;
    // Sets up the hand in `text`; false, with the reason on the status line, when it holds none.
    bool pasteHand(const QString& text);

    // The journal the Progress tab shows (none when null); the window does not own it.
    void setJournal(journal::Journal* journal);
    // Shows the study column's tab named "study", "practice" or "progress"; false for another name.
    bool showTab(const QString& name);
    // Lists the hands of a hand-history file on the Hands tab and shows the first; false, with the reason
    // on the status line and nothing else changed, when none can be read.
    bool openHistory(const QString& path);

signals:
    // The player asked to drill one of the leaks the Progress tab lists.
    void drillLeakRequested(const journal::LeakRow& leak);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createDeck();
    void createPanel();
    void createStudyColumn();
    void createHabits();
    void createStudyPanels();
    void createHands();
    // Lists the whole hands a pasted text holds; false when it holds none.
    bool openPastedHands(const QString& text);

    void cmdCalcClick();
    void cmdCheckClick();
    // Hands the amount boxes' texts to the table and analyses even when nothing changed, as Enter does.
    void takeAmounts();

    // Draws the table's state: the cards on their places or at home, the boxes and the buttons. Analyses
    // again when anything but an amount text being typed changed, or when asked to.
    void tableChanged();
    void showTable();
    void analyse();
    void clearReport();
    void updateStatus();
    // Feeds the study panels and the deck's next-card shading from the table and the last analysis; they
    // stay empty while the report is empty or hidden.
    void refreshStudy();
    // Connects the betting range, the kept rows and the heat map to the study panels.
    void connectNarrowing();
    // The villain grid as a heat map of the hero's equity against each cell, while the view is chosen and
    // `parts` has holdings; else the grid shows the range's weights.
    void showHeatMap(const equity::EquityByPart& parts);
    void shadeNextCards(bool shown);
    // Marks on the deck the cards the outs rules counted and outlines the true outs beside them: once a
    // practice spot's outs question is answered, and in the study view while `studyShading` is on. Nothing
    // marks on the river or while the report is empty.
    void markOuts(bool studyShading);
    // Under a practice outs verdict, a line saying what the deck's marks are.
    void addOutsLegend();
    void placeTable();
    void copyHand();
    void openGlossary();
    void setFourColours(bool fourColours);
    ProfileNames profileNames() const;
    // While a practice question waits for its answer the spot stays as dealt: true, with the reason on the
    // status line, when the table must not change now.
    bool holdsQuestion();

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
    HeroRangePanel* heroRangePanel = nullptr;
    VillainsPanel* villainsPanel = nullptr;
    BoardRangeTable* boardRangeTable = nullptr;
    BettingPanel* bettingPanel = nullptr;
    PracticePanel* practicePanel = nullptr;
    ui::ProgressView* progressView = nullptr;
    NamedRangesBar* namedRanges = nullptr;
    std::unique_ptr<JournalLink> Journal;
    HandsPanel* handsPanel = nullptr;

    double PixelsPerTwip;
    QSettings* Settings = nullptr;
    Table Hand;
    // The card each card picture shows, by the picture's index.
    std::array<Card, 52> DeckCards;
    RandomSource Random;
    // The table as the last analysis saw it, and whether the next change must analyse whatever it is.
    TableState Analysed;
    bool AnalyseNext = false;
    // While the widgets are set from the table, their own change signals are not the player's input.
    bool ShowingTable = false;
    // The preflop profile whose range the range panel was last given.
    int RangeProfile = 1;
    // The report's PER(AI) in percent and its outs, from the last analysis.
    double RuleOfThumbPercent = 0.0;
    double RuleOfThumbOuts = 0.0;
    // The outs lines of the last analysis and, beside each, the unseen cards it counted.
    std::vector<std::string> OutsLines;
    std::vector<CardMask> OutsCards;
    // The table as it was when practice began, to put back when it ends.
    TableState TableBeforePractice;
    // Practice loads each spot's profile range; the player's own range comes back afterwards.
    equity::HoldingWeights RangeBeforePractice{};
    QString RangeNameBeforePractice;
    // A message for the status line until the table next changes, such as why a paste was refused.
    QString Notice;
    // A practice question is on the table and not yet answered.
    bool QuestionOpen = false;
    // The journal the Progress tab reads; JournalLink owns it when the window opened it.
    journal::Journal* ProgressJournal = nullptr;
    // Why the journal is not saving, kept on the status line.
    QString JournalProblem;
};

} // namespace tavolin
