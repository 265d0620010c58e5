#include "ui/practice_panel.h"

#include "equity/betting_range.h"
#include "ranges/profiles.h"
#include "ui/journal_link.h"
#include "ui/study_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tavolin {

using practice::Decision;
using practice::QuestionKind;
using practice::Tier;

// One question on the panel: its name, a number box or choice buttons, and the verdict after the check.
struct PracticePanel::QuestionRow {
    QuestionKind Kind = QuestionKind::kTier;
    QLabel* Name = nullptr;
    QLineEdit* Number = nullptr;
    std::vector<QPushButton*> Choices; // by Tier or Decision
    QLabel* Verdict = nullptr;
    bool Answered = false;
};

namespace {

const QString kRightStyle = QStringLiteral("background-color: #c8e6c9;");
const QString kWrongStyle = QStringLiteral("background-color: #f4c7c3;");
const QString kCurrentStyle = QStringLiteral("font-weight: bold; color: #1a4fa0;");

const std::array<QString, practice::kTierCount> kTierButtons{
    QStringLiteral("Nothing [n]"), QStringLiteral("Weak [w]"),        QStringLiteral("Medium [m]"),
    QStringLiteral("Strong [s]"),  QStringLiteral("Very strong [v]"), QStringLiteral("Nuts [u]")};

bool isNumberQuestion(QuestionKind kind) {
    return kind == QuestionKind::kOuts || kind == QuestionKind::kEquity ||
           kind == QuestionKind::kStraightOuts;
}

QString questionText(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::kTier:
        return QStringLiteral("Strength tier?");
    case QuestionKind::kOuts:
        return QStringLiteral("Outs by the rule?");
    case QuestionKind::kEquity:
        return QStringLiteral("Equity vs the range, %?");
    case QuestionKind::kDecision:
        return QStringLiteral("Call or fold?");
    case QuestionKind::kStraightOuts:
        return QStringLiteral("How many outs?");
    }
    return {};
}

// Either decimal mark; anything that is not a number is no answer.
std::optional<double> numberIn(const QLineEdit* box) {
    QString text = box->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString verdictLine(const practice::Verdict& verdict) {
    if (verdict.Right) return QStringLiteral("Right: %1").arg(fromStd(verdict.Truth));
    const QString said = verdict.Answer.empty() ? QStringLiteral("no answer")
                                                : QStringLiteral("you said ") + fromStd(verdict.Answer);
    return QStringLiteral("Wrong: %1; the answer is %2").arg(said, fromStd(verdict.Truth));
}

} // namespace

PracticePanel::PracticePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("practicePanel"));
    study::usePaperLook(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(study::titleLabel(tr("Practice"), this));
    createSetup();
    createSession();
    layout->addWidget(Setup);
    layout->addWidget(Play);
    Play->hide();
}

PracticePanel::~PracticePanel() = default;

void PracticePanel::createSetup() {
    Setup = new QWidget(this);
    auto* grid = new QGridLayout(Setup);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 4> names{QStringLiteral("Strength"), QStringLiteral("Outs"),
                                       QStringLiteral("Equity"), QStringLiteral("Call or fold")};
    for (std::size_t i = 0; i < QuestionChecks.size(); ++i) {
        QuestionChecks[i] = new QCheckBox(names[i], Setup);
        QuestionChecks[i]->setChecked(true);
        grid->addWidget(QuestionChecks[i], 1 + static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    }
    DrillCheck = new QCheckBox(QStringLiteral("Straight-draw drill instead"), Setup);
    grid->addWidget(DrillCheck, 3, 0, 1, 2);

    auto addBox = [&](int row, const QString& label, const QStringList& items) {
        auto* box = new QComboBox(Setup);
        box->addItems(items);
        grid->addWidget(new QLabel(label, Setup), row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };
    StreetBox = addBox(
        4, QStringLiteral("Street"),
        {QStringLiteral("any"), QStringLiteral("flop"), QStringLiteral("turn"), QStringLiteral("river")});
    QStringList kinds{QStringLiteral("any")};
    for (int k = 0; k < practice::kBoardKindCount; ++k)
        kinds << fromStd(std::string(practice::boardKindName(static_cast<practice::BoardKind>(k))));
    BoardBox = addBox(5, QStringLiteral("Board"), kinds);
    QStringList profiles{QStringLiteral("any")};
    for (int p = 0; p < ranges::kProfileCount; ++p)
        profiles << QStringLiteral("%1-%2").arg(p + 1).arg(fromStd(std::string(ranges::profileName(p))));
    ProfileBox = addBox(6, QStringLiteral("Villain"), profiles);

    CloseCheck = new QCheckBox(tr("Close decisions only"), Setup);
    CloseCheck->setObjectName(QStringLiteral("chkCloseOnly"));
    CloseCheck->setToolTip(tr("Deal only spots where the equity against the range that bets lies within 5 "
                              "points of the call's price; otherwise within 12. A drilled leak keeps its own "
                              "closeness."));
    grid->addWidget(CloseCheck, 7, 0, 1, 2);

    SeedBox = new QSpinBox(Setup);
    SeedBox->setRange(1, 999999);
    SeedBox->setValue(QRandomGenerator::global()->bounded(1, 1000000));
    grid->addWidget(new QLabel(QStringLiteral("Seed"), Setup), 8, 0);
    grid->addWidget(SeedBox, 8, 1);

    auto* start = new QPushButton(QStringLiteral("Start practice"), Setup);
    start->setObjectName(QStringLiteral("cmdStartPractice"));
    connect(start, &QPushButton::clicked, this, [this] { startPractice(); });
    grid->addWidget(start, 9, 0, 1, 2);
    SetupNote = new QLabel(Setup);
    SetupNote->setWordWrap(true);
    grid->addWidget(SetupNote, 10, 0, 1, 2);
    createJournalRow(grid, 11);
    grid->setRowStretch(13, 1);
}

void PracticePanel::createSession() {
    Play = new QWidget(this);
    auto* layout = new QVBoxLayout(Play);
    layout->setContentsMargins(0, 0, 0, 0);
    SpotLabel = new QLabel(Play);
    SpotLabel->setWordWrap(true);
    SpotLabel->setMinimumHeight(2 * SpotLabel->fontMetrics().lineSpacing());
    layout->addWidget(SpotLabel);
    Questions = new QWidget(Play);
    layout->addWidget(Questions);

    Explanation = new QPlainTextEdit(Play);
    Explanation->setObjectName(QStringLiteral("practiceExplanation"));
    Explanation->setReadOnly(true);
    Explanation->setMinimumHeight(90);
    layout->addWidget(Explanation, 1);

    auto* buttons = new QHBoxLayout;
    CheckButton = new QPushButton(QStringLiteral("Check"), Play);
    NextButton = new QPushButton(QStringLiteral("Next [Enter]"), Play);
    RetryButton = new QPushButton(QStringLiteral("Retry missed [r]"), Play);
    auto* end = new QPushButton(QStringLiteral("End [Esc]"), Play);
    connect(CheckButton, &QPushButton::clicked, this, [this] { reveal(); });
    connect(NextButton, &QPushButton::clicked, this, [this] { dealNext(false); });
    connect(RetryButton, &QPushButton::clicked, this, [this] { dealNext(true); });
    connect(end, &QPushButton::clicked, this, [this] { endPractice(); });
    for (QPushButton* button : {CheckButton, NextButton, RetryButton, end}) {
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    ScoreLabel = new QLabel(Play);
    ScoreLabel->setObjectName(QStringLiteral("practiceScore"));
    ScoreLabel->setWordWrap(true);
    ScoreLabel->setMinimumHeight(2 * ScoreLabel->fontMetrics().lineSpacing());
    layout->addWidget(ScoreLabel);
    auto* keys = new QLabel(QStringLiteral("Keys: n w m s v u tier; digits . - then Enter; c call, f fold; "
                                           "after the check Enter next, r retry missed; Esc end."),
                            Play);
    keys->setWordWrap(true);
    QPalette grey = keys->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 102, 110));
    keys->setPalette(grey);
    layout->addWidget(keys);
}

practice::SessionSettings PracticePanel::chosenSettings() const {
    practice::SessionSettings settings;
    settings.Seed = static_cast<std::uint64_t>(SeedBox->value());
    settings.StraightDrill = DrillCheck->isChecked();
    settings.Questions.clear();
    for (std::size_t i = 0; i < QuestionChecks.size(); ++i) {
        if (QuestionChecks[i]->isChecked()) settings.Questions.push_back(static_cast<QuestionKind>(i));
    }
    if (StreetBox->currentIndex() > 0)
        settings.Filter.OnStreet = static_cast<practice::Street>(StreetBox->currentIndex() - 1);
    if (BoardBox->currentIndex() > 0)
        settings.Filter.Board = static_cast<practice::BoardKind>(BoardBox->currentIndex() - 1);
    if (ProfileBox->currentIndex() > 0) settings.Filter.PreflopProfile = ProfileBox->currentIndex() - 1;
    if (CloseCheck->isChecked()) settings.Filter.CloseBet = practice::Closeness::kWithin5;
    settings.Betting = Betting;
    return settings;
}

void PracticePanel::startPractice() {
    startPractice(chosenSettings());
}

void PracticePanel::startPractice(const practice::SessionSettings& settings) {
    startSession(settings, nullptr);
}

void PracticePanel::startSession(const practice::SessionSettings& settings, const practice::SpotKind* drill) {
    if (Session) endPractice();
    Session = std::make_unique<practice::PracticeSession>(settings);
    if (drill != nullptr) Session->drill(*drill);
    if (Session->questions().empty()) {
        Session.reset();
        SetupNote->setText(QStringLiteral("Choose at least one question."));
        return;
    }

    if (drill == nullptr && Journal != nullptr && ReviewCheck->isChecked())
        Session->queueReview(Journal->dueSpots());
    buildQuestionRows();
    SetupNote->clear();
    Setup->hide();
    Play->show();
    emit practiceStarted();
    dealNext(false);
}

void PracticePanel::buildQuestionRows() {
    delete Questions;
    Rows.clear();
    Questions = new QWidget(Play);
    auto* grid = new QGridLayout(Questions);
    grid->setContentsMargins(0, 4, 0, 4);
    static_cast<QVBoxLayout*>(Play->layout())->insertWidget(1, Questions);
    int line = 0;
    for (const QuestionKind kind : Session->questions()) {
        auto row = std::make_unique<QuestionRow>();
        row->Kind = kind;
        row->Name = new QLabel(questionText(kind), Questions);
        grid->addWidget(row->Name, line, 0);
        if (isNumberQuestion(kind))
            grid->addWidget(createNumberBox(*row, static_cast<int>(Rows.size())), line, 1);
        else
            grid->addWidget(createChoices(*row), ++line, 0, 1, 2);
        row->Verdict = new QLabel(Questions);
        grid->addWidget(row->Verdict, ++line, 0, 1, 2);
        ++line;
        Rows.push_back(std::move(row));
    }
}

QWidget* PracticePanel::createNumberBox(QuestionRow& row, int index) {
    row.Number = new QLineEdit(Questions);
    row.Number->setMaximumWidth(70);
    row.Number->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,3}([.,][0-9]{0,2})?")), row.Number));
    connect(row.Number, &QLineEdit::returnPressed, this, [this, index] {
        CurrentQuestion = index;
        confirmNumber();
    });
    return row.Number;
}

QWidget* PracticePanel::createChoices(QuestionRow& row) {
    auto* choices = new QWidget(Questions);
    auto* grid = new QGridLayout(choices);
    grid->setContentsMargins(0, 0, 0, 0);
    const bool tier = row.Kind == QuestionKind::kTier;
    const int count = tier ? practice::kTierCount : 2;
    for (int c = 0; c < count; ++c) {
        const QString text = tier     ? kTierButtons[static_cast<std::size_t>(c)]
                             : c == 0 ? QStringLiteral("Call [c]")
                                      : QStringLiteral("Fold [f]");
        auto* button = new QPushButton(text, choices);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, tier, c] {
            if (tier)
                chooseTier(static_cast<Tier>(c));
            else
                chooseDecision(static_cast<Decision>(c));
        });
        row.Choices.push_back(button);
        grid->addWidget(button, c / 3, c % 3);
    }
    return choices;
}

void PracticePanel::endPractice() {
    if (!Session) return;
    SetupNote->setText(QStringLiteral("Last session: %1").arg(fromStd(Session->score().summary())));
    Session.reset();
    Play->hide();
    Setup->show();
    showJournalState();
    emit practiceEnded();
}

void PracticePanel::dealNext(bool retryMissed) {
    if (!Session) return;
    const practice::Deal& deal = retryMissed ? Session->retry() : Session->deal();
    showDeal();
    const practice::Spot& spot = deal.Cards;
    emit spotDealt(fromStd(practice::holeText(spot)), fromStd(practice::boardText(spot)),
                   fromStd(practice::potText(spot)), fromStd(practice::heroBetText(spot)),
                   fromStd(practice::villainBetText(spot)), fromStd(practice::stackText(spot)),
                   spot.PreflopProfile);
}

void PracticePanel::showDeal() {
    const practice::Spot& spot = Session->current().Cards;
    const QString review =
        Session->current().Source == practice::DealSource::kReview ? QStringLiteral("Review: ") : QString();
    SpotLabel->setText(review +
                       (Session->settings().StraightDrill
                            ? QStringLiteral("How many outs?  %1 | %2")
                                  .arg(fromStd(practice::holeText(spot)), fromStd(practice::boardText(spot)))
                            : fromStd(practice::describeSpot(spot))));
    // Facing a bet that narrows his range, the equity is judged against the part that bets.
    const bool narrowed =
        spot.VillainBet > 0 && equity::bettingRange(practice::holeMask(spot), practice::boardMask(spot),
                                                    ranges::profileRange(spot.PreflopProfile), spot.Pot,
                                                    spot.VillainBet, Session->settings().Betting)
                                   .Narrowed;
    for (const auto& row : Rows) {
        if (row->Kind == QuestionKind::kEquity)
            row->Name->setText(narrowed ? QStringLiteral("Equity vs the range that bets, %?")
                                        : questionText(QuestionKind::kEquity));
        row->Answered = false;
        row->Verdict->clear();
        row->Verdict->setStyleSheet({});
        if (row->Number) {
            row->Number->clear();
            row->Number->setStyleSheet({});
        }
        for (QPushButton* choice : row->Choices) {
            choice->setChecked(false);
            choice->setStyleSheet({});
        }
    }
    ChosenTier.reset();
    ChosenDecision.reset();
    Explanation->setPlainText(QStringLiteral("Answer, then see the report."));
    CheckButton->setEnabled(true);
    NextButton->setEnabled(false);
    RetryButton->setEnabled(false);
    CurrentQuestion = -1;
    Asked.start();
    advance();
    showScore();
}

PracticePanel::QuestionRow* PracticePanel::currentRow() {
    if (CurrentQuestion < 0 || CurrentQuestion >= static_cast<int>(Rows.size())) return nullptr;
    return Rows[static_cast<std::size_t>(CurrentQuestion)].get();
}

PracticePanel::QuestionRow* PracticePanel::rowOf(QuestionKind kind) {
    for (const auto& row : Rows) {
        if (row->Kind == kind) return row.get();
    }
    return nullptr;
}

void PracticePanel::chooseTier(Tier tier) {
    if (!Session || Session->revealed()) return;
    ChosenTier = tier;
    QuestionRow* row = rowOf(QuestionKind::kTier);
    for (std::size_t c = 0; c < row->Choices.size(); ++c)
        row->Choices[c]->setChecked(static_cast<int>(c) == static_cast<int>(tier));
    row->Answered = true;
    advance();
}

void PracticePanel::chooseDecision(Decision decision) {
    if (!Session || Session->revealed()) return;
    ChosenDecision = decision;
    QuestionRow* row = rowOf(QuestionKind::kDecision);
    for (std::size_t c = 0; c < row->Choices.size(); ++c)
        row->Choices[c]->setChecked(static_cast<int>(c) == static_cast<int>(decision));
    row->Answered = true;
    advance();
}

void PracticePanel::confirmNumber() {
    QuestionRow* row = currentRow();
    if (!Session || Session->revealed() || !row || !row->Number || !numberIn(row->Number)) return;
    row->Answered = true;
    advance();
}

// The next question without an answer becomes current; when every one has an answer, they are checked.
void PracticePanel::advance() {
    CurrentQuestion = -1;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const bool current = CurrentQuestion < 0 && !Rows[i]->Answered;
        if (current) CurrentQuestion = static_cast<int>(i);
        Rows[i]->Name->setStyleSheet(current ? kCurrentStyle : QString());
    }
    if (CurrentQuestion < 0) reveal();
}

void PracticePanel::reveal() {
    if (!Session || Session->revealed()) return;
    practice::Answers answers;
    answers.Strength = ChosenTier;
    answers.Call = ChosenDecision;
    for (const auto& row : Rows) {
        if (!row->Number) continue;
        const std::optional<double> number = numberIn(row->Number);
        if (row->Kind == QuestionKind::kEquity)
            answers.EquityPercent = number;
        else
            answers.Outs = number;
    }

    QString explanation;
    Session->reveal(answers);
    recordAnswers();
    for (const practice::Verdict& verdict : Session->verdicts()) {
        QuestionRow* row = rowOf(verdict.Kind);
        row->Name->setStyleSheet({});
        row->Verdict->setText(verdictLine(verdict));
        row->Verdict->setStyleSheet(verdict.Right ? kRightStyle : kWrongStyle);
        if (row->Number) row->Number->setStyleSheet(verdict.Right ? kRightStyle : kWrongStyle);
        const int truth = rightChoice(verdict.Kind);
        for (std::size_t c = 0; c < row->Choices.size(); ++c) {
            QPushButton* choice = row->Choices[c];
            if (static_cast<int>(c) == truth)
                choice->setStyleSheet(kRightStyle);
            else if (choice->isChecked())
                choice->setStyleSheet(kWrongStyle);
        }
        explanation += QStringLiteral("%1: %2\n")
                           .arg(fromStd(std::string(practice::questionName(verdict.Kind))),
                                fromStd(verdict.Explanation));
    }
    Explanation->setPlainText(explanation.trimmed());
    CheckButton->setEnabled(false);
    NextButton->setEnabled(true);
    RetryButton->setEnabled(!Session->missed().empty());
    showScore();
    emit answered();
}

int PracticePanel::rightChoice(QuestionKind kind) const {
    if (kind == QuestionKind::kTier) {
        const std::optional<Tier> tier = practice::tierOfLabel(Session->reading().StrengthLabel);
        return tier ? static_cast<int>(*tier) : -1;
    }
    if (kind == QuestionKind::kDecision && Session->equity()) {
        return static_cast<int>(
            practice::rightDecision(*Session->equity(), practice::priceOfCall(Session->current().Cards)));
    }
    return -1;
}

void PracticePanel::showScore() {
    QString text = QStringLiteral("%1; missed %2")
                       .arg(fromStd(Session->score().summary()))
                       .arg(Session->missed().size());
    if (Journal != nullptr && Journal->saving()) text += tr("; review: %1 due").arg(Journal->dueCount());
    ScoreLabel->setText(text);
}

bool PracticePanel::handleKey(QKeyEvent* event) {
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (!Session || !plain) return false;
    answerKey(event);
    return true;
}

void PracticePanel::answerKey(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const QString text = event->text().toLower();
    const QChar typed = text.size() == 1 ? text.at(0) : QChar();
    QuestionRow* row = currentRow();
    if (key == Qt::Key_Escape) {
        endPractice();
    } else if (Session->revealed()) {
        if (enter || key == Qt::Key_Space) dealNext(false);
        if (typed == QLatin1Char('r')) dealNext(true);
    } else if (!row) {
        return;
    } else if (row->Kind == QuestionKind::kTier) {
        if (const std::optional<Tier> tier = practice::tierOfKey(typed.toLatin1())) chooseTier(*tier);
    } else if (row->Kind == QuestionKind::kDecision) {
        if (typed == QLatin1Char('c')) chooseDecision(Decision::kCall);
        if (typed == QLatin1Char('f')) chooseDecision(Decision::kFold);
    } else if (enter) {
        confirmNumber();
    } else if (key == Qt::Key_Backspace) {
        row->Number->backspace();
    } else if (typed.isDigit() || QStringLiteral(".,-").contains(typed)) {
        row->Number->insert(typed);
    }
}

} // namespace tavolin
