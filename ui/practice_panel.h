#pragma once

#include "practice/practice_session.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QSpinBox;
class QWidget;

namespace tavolin {
namespace journal {
struct LeakRow;
}
class JournalLink;

// The practice panel: the player chooses the questions and the filters, the panel deals spots and asks,
// the player answers with the mouse or the keyboard, and the panel shows what was right and wrong with the
// running score. It knows nothing of the window; the window follows its signals.
//
// Keys while practising (handleKey): n w m s v u choose the strength tier (u is the nuts); digits, "." and
// "-" type the outs or the equity and Enter confirms them; c / f call or fold. Once every question has an
// answer the panel checks them. Then Enter deals the next spot and r retries the oldest missed one.
// Escape ends practice.
class PracticePanel : public QWidget {
    Q_OBJECT
public:
    explicit PracticePanel(QWidget* parent = nullptr);
    ~PracticePanel() override;

    bool isPractising() const { return Session != nullptr; }
    // The running session, for a closer look; null when not practising.
    const practice::PracticeSession* session() const { return Session.get(); }

    // Starts with the settings chosen on the panel, or with these.
    void startPractice();
    void startPractice(const practice::SessionSettings& settings);
    void endPractice();

    // The window hands every key here while practising. The panel takes every key without Ctrl, Alt or
    // Meta (true), even one it ignores, so that typing never picks cards; it leaves the others (false).
    bool handleKey(QKeyEvent* event);
    // The betting model sessions started from the panel judge a bet by, as the study column sets it.
    void setBettingModel(const equity::BettingModel& model) { Betting = model; }

    // Each judged answer is recorded in `link` (none: nothing is saved, and the panel says so), and its
    // spots due for review are dealt first when the player asks.
    void setJournal(JournalLink* link);
    // The questions, filters (close decisions only among them) and review choice, kept between runs.
    void saveSettings(QSettings& settings) const;
    void readSettings(const QSettings& settings);

public slots:
    // Practice on fresh spots of a leak's kind, with the questions chosen on the panel.
    void drillLeak(const journal::LeakRow& leak);

signals:
    // Emitted once when practice begins, before the first spot: the window keeps its table to restore.
    void practiceStarted();
    // A spot to put on the table with the report hidden: hole "Ah Kh", board "Qh 7h 2c", the amounts as the
    // window's boxes take them (all empty in the straight-draw drill) and the villain's preflop profile 0..3.
    void spotDealt(const QString& hole, const QString& board, const QString& pot, const QString& heroBet,
                   const QString& villainBet, const QString& stack, int preflopProfile);
    // The answers are checked: the window shows the report, the exact equity and the range now.
    void answered();
    // Practice is over: the window restores the table it had before practiceStarted().
    void practiceEnded();

private:
    struct QuestionRow;

    void createSetup();
    void createSession();
    void createJournalRow(QGridLayout* grid, int row);
    void startSession(const practice::SessionSettings& settings, const practice::SpotKind* drill);
    void recordAnswers();
    void showJournalState();
    void buildQuestionRows();
    QWidget* createNumberBox(QuestionRow& row, int index);
    QWidget* createChoices(QuestionRow& row);
    void dealNext(bool retryMissed);
    void showDeal();
    void chooseTier(practice::Tier tier);
    void chooseDecision(practice::Decision decision);
    void confirmNumber();
    void answerKey(QKeyEvent* event);
    void advance();
    void reveal();
    void showScore();
    QuestionRow* currentRow();
    QuestionRow* rowOf(practice::QuestionKind kind);
    // The index of the right choice button of a tier or call question once checked; -1 for others.
    int rightChoice(practice::QuestionKind kind) const;
    practice::SessionSettings chosenSettings() const;

    // Setup
    QWidget* Setup = nullptr;
    std::array<QCheckBox*, 4> QuestionChecks{};
    QCheckBox* DrillCheck = nullptr;
    QComboBox* StreetBox = nullptr;
    QComboBox* BoardBox = nullptr;
    QComboBox* ProfileBox = nullptr;
    QCheckBox* CloseCheck = nullptr;
    QSpinBox* SeedBox = nullptr;
    QLabel* SetupNote = nullptr;
    QCheckBox* ReviewCheck = nullptr;
    QLabel* ReviewLabel = nullptr;
    QLabel* SaveNote = nullptr;

    // Session
    QWidget* Play = nullptr;
    QLabel* SpotLabel = nullptr;
    QWidget* Questions = nullptr;
    std::vector<std::unique_ptr<QuestionRow>> Rows;
    QPlainTextEdit* Explanation = nullptr;
    QPushButton* CheckButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* RetryButton = nullptr;
    QLabel* ScoreLabel = nullptr;

    std::unique_ptr<practice::PracticeSession> Session;
    JournalLink* Journal = nullptr;
    QElapsedTimer Asked; // since the spot was dealt
    std::optional<practice::Tier> ChosenTier;
    std::optional<practice::Decision> ChosenDecision;
    int CurrentQuestion = 0;
    equity::BettingModel Betting;
};

} // namespace tavolin
