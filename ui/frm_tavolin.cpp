#include "ui/frm_tavolin.h"

#include "analysis/analyse_hand.h"
#include "analysis/straight_examples.h"
#include "cards/card_text.h"
#include "ui/amount_box.h"
#include "ui/card_image.h"
#include "ui/journal_link.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"
#include "ui/read_back.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"
#include "ui/study_column.h"
#include "ui/table_layout.h"
#include "ui/wheel_guard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>
#include <chrono>

namespace tavolin {
namespace {

QRect pixels(const table::Place& place, double scale) {
    return {table::toPixels(place.Left, scale), table::toPixels(place.Top, scale),
            table::toPixels(place.Width, scale), table::toPixels(place.Height, scale)};
}

// The study column's width at the opening size, and the least it keeps when the window narrows.
constexpr int kStudyWidth = 520;
constexpr int kSmallestStudyWidth = 360;

// A seed that differs between runs, so that Random deals a new hand each time the program starts.
std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The card of each card picture, by the picture's index.
template <std::size_t... J> std::array<Card, sizeof...(J)> deckCards(std::index_sequence<J...>) {
    return {*readCard(table::kCardTexts[J])...};
}

QString cardTexts(const TableState& table, int first, int last) {
    QStringList texts;
    for (int i = first; i < last; ++i)
        if (const auto& card = table.Places[static_cast<std::size_t>(i)])
            texts << QString::fromStdString(cardName(*card));
    return texts.join(u' ');
}

QFont tableFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setPixelSize(table::toPixels(table::kFontTwips, table::kDefaultPixelsPerTwip));
    return font;
}

const QKeySequence kRandomKeys(Qt::CTRL | Qt::Key_R);
const QKeySequence kClearKeys(Qt::CTRL | Qt::Key_L);
const QKeySequence kShowHideKeys(Qt::CTRL | Qt::Key_T);

QString withKeys(const QString& tip, const QKeySequence& keys) {
    return tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QStringLiteral(")");
}

constexpr std::array<const char*, 7> kSlotCaptions{"Hole", "Hole", "Flop", "Flop", "Flop", "Turn", "River"};

} // namespace

FrmTavolin::FrmTavolin(QWidget* parent)
    : QWidget(parent), PixelsPerTwip(table::kDefaultPixelsPerTwip),
      DeckCards(deckCards(std::make_index_sequence<table::kCardCount>())), Random(clockSeed()) {
    setObjectName(QStringLiteral("frmTavolin"));
    setWindowTitle(QStringLiteral("Tavolin v%1.%2.%3 - Daruzavuvaz")
                       .arg(TAVOLIN_VERSION_MAJOR)
                       .arg(TAVOLIN_VERSION_MINOR)
                       .arg(TAVOLIN_VERSION_PATCH));
    setFont(tableFont());
    setFocusPolicy(Qt::StrongFocus);

    QPalette felt = palette();
    felt.setColor(QPalette::Window, QColor(27, 94, 52));
    felt.setColor(QPalette::WindowText, Qt::white);
    setPalette(felt);
    setAutoFillBackground(true);

    createDeck();
    createPanel();
    createStudyColumn();
    createHabits();
    createStudyPanels();
    createHands();

    // Both villain profiles start at "2-Semiloose", as the table does.
    cmbVillain[0]->setCurrentIndex(Hand.state().Preflop);
    cmbVillain[1]->setCurrentIndex(Hand.state().Postflop);
    Analysed = Hand.state();
    // A changed choice re-runs the analysis at once, so the report never stands for settings gone by.
    connect(cmbVillain[0], &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!ShowingTable) Hand.setPreflop(index);
    });
    // Picking the profile shown again brings back its range after an edit.
    connect(cmbVillain[0], &QComboBox::activated, this, [this](int index) {
        if (index == RangeProfile && rangePanel->isEdited()) rangePanel->loadProfile(index);
    });
    connect(cmbVillain[1], &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!ShowingTable) Hand.setPostflop(index);
    });
    connect(chkCalcVillain, &QCheckBox::toggled, this, [this](bool on) {
        if (!ShowingTable) Hand.setCountVillain(on);
    });
    Hand.onChange([this] { tableChanged(); });
    new WheelGuard(this);

    setMinimumSize(table::toPixels(table::kTableWidth, table::kSmallestPixelsPerTwip) + kSmallestStudyWidth,
                   table::toPixels(table::kTableHeight, table::kSmallestPixelsPerTwip));
    resize(sizeHint());
    placeTable();
    updateStatus();
}

void FrmTavolin::createDeck() {
    for (int i = 0; i < table::kSlotCount; ++i)
        imgHand[i] = new SlotImage(i, table::kSlotLefts[i], table::kSlotTop, tr(kSlotCaptions[i]), this);
    for (int j = 0; j < table::kCardCount; ++j) {
        const std::string_view text = table::kCardTexts[j];
        imgCard[j] = new CardImage(j, QString::fromLatin1(text.data(), 2), this);
        const table::Place home = table::cardHome(DeckCards[j]);
        imgCard[j]->moveToTwips(home.Left, home.Top);
        connect(imgCard[j], &CardImage::clicked, this, [this, j] {
            if (!holdsQuestion()) Hand.toggle(DeckCards[j]);
        });
    }
}

void FrmTavolin::createPanel() {
    const std::array<QString, 4> betTips{QStringLiteral("Pot before Bets"), QStringLiteral("Hero's Bet"),
                                         QStringLiteral("Villain's Bet"),
                                         QStringLiteral("Effective Stack Behind")};
    const std::array<QString, 4> betEffects{
        tr("With a stack, adds the equity a call needs (PME), the SPR and the commitment verdict."),
        tr("Counts with the stack: raises the SPR and lowers the all-in price, PME(AI)."),
        tr("The bet to call: sets the price of seeing the next card, PME(+1Card)."),
        tr("What either player can still put in: sets the SPR, the all-in price PME(AI) and the verdict.")};
    const std::array<QString, 6> labelTexts{
        QStringLiteral("Pot before Bets:"),  QStringLiteral("Hero's Bet:"), QStringLiteral("Villain's Bet:"),
        QStringLiteral("Eff.Stack Behind:"), QStringLiteral("Preflop:"),    QStringLiteral("Postflop:")};
    for (int i = 0; i < 6; ++i) {
        lblTV[i] = new QLabel(labelTexts[i], this);
        lblTV[i]->setObjectName(QStringLiteral("lblTV_%1").arg(i));
        lblTV[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int i = 0; i < 4; ++i) {
        txtBet[i] = new AmountBox(i, betTips[i], betEffects[i], this);
        lblTV[i]->setBuddy(txtBet[i]);
        // Enter or leaving the box re-runs the analysis, as Calc does; typing only tells the status line.
        connect(txtBet[i], &QLineEdit::editingFinished, this, &FrmTavolin::takeAmounts);
        connect(txtBet[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!ShowingTable) Hand.setAmount(i, text.toStdString());
        });
    }

    const std::array<QStringList, 2> profiles{
        QStringList{QStringLiteral("1-Nit/Tight"), QStringLiteral("2-Semiloose"), QStringLiteral("3-Loose"),
                    QStringLiteral("4-Fish!")},
        QStringList{QStringLiteral("1-Tight"), QStringLiteral("2-Semiloose"), QStringLiteral("3-Loose!")}};
    const std::array<QString, 2> profileTips{
        tr("The villain's preflop profile: how loose the hands are that he plays; it moves the commitment "
           "verdict and picks the villain's range."),
        tr("The villain's postflop profile: kept with the hand; no figure here depends on it.")};
    for (int i = 0; i < 2; ++i) {
        cmbVillain[i] = new QComboBox(this);
        cmbVillain[i]->setObjectName(QStringLiteral("cmbVillain_%1").arg(i));
        cmbVillain[i]->addItems(profiles[i]);
        cmbVillain[i]->setToolTip(profileTips[i]);
        lblTV[4 + i]->setBuddy(cmbVillain[i]);
    }

    chkCalcVillain = new QCheckBox(QStringLiteral("Calculate Better Villain Hands"), this);
    chkCalcVillain->setObjectName(QStringLiteral("chkCalcVillain"));
    chkCalcVillain->setToolTip(tr("Adds a line counting the villain's holdings that beat the hero now"));

    const auto makeButton = [this](const char* name, const QString& text, const auto& handler) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    const auto clear = [this] {
        if (!holdsQuestion()) Hand.clear();
    };
    const auto showHide = [this] { Hand.setReportShown(!Hand.state().ReportShown); };
    const auto deal = [this] {
        if (!holdsQuestion()) Hand.dealRandom(Random);
    };
    cmdClear = makeButton("cmdClear", QStringLiteral("Clear"), clear);
    cmdShowHide = makeButton("cmdShowHide", QStringLiteral("Hide"), showHide);
    cmdCheck = makeButton("cmdCheck", QStringLiteral("Check"), [this] { cmdCheckClick(); });
    cmdRandom = makeButton("cmdRandom", QStringLiteral("Random"), deal);
    cmdCalc = makeButton("cmdCalc", QStringLiteral("Calc"), [this] { cmdCalcClick(); });

    // Window-wide keys that leave the keyboard focus where it is, so typing amounts can go on.
    new QShortcut(kClearKeys, this, this, clear);
    new QShortcut(kShowHideKeys, this, this, showHide);
    new QShortcut(kRandomKeys, this, this, deal);
    cmdClear->setToolTip(withKeys(tr("Put every card back and empty the amounts"), kClearKeys));
    cmdShowHide->setToolTip(withKeys(tr("Hide or show the report"), kShowHideKeys));
    cmdRandom->setToolTip(withKeys(tr("Deal a random hand and flop, turn or river"), kRandomKeys));
    cmdCalc->setToolTip(tr("Analyse again with the amounts as typed (Enter in an amount box)"));
    cmdCheck->setToolTip(tr("Replay the built-in straight-draw examples; the hand comes back afterwards"));

    rtbOutput = new ReportBox(this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStatus->setWordWrap(true);
    QPalette note = lblStatus->palette();
    note.setColor(QPalette::WindowText, QColor(255, 236, 160));
    lblStatus->setPalette(note);
}

void FrmTavolin::createStudyColumn() {
    studyColumn = new StudyColumn(this);
    // The panels read best in the ordinary colours, not white on the felt.
    QPalette plain = QApplication::palette(studyColumn);
    plain.setResolveMask(~QPalette::ResolveMask(0));
    studyColumn->setPalette(plain);
    studyColumn->setAutoFillBackground(true);
}

QSize FrmTavolin::sizeHint() const {
    return {table::toPixels(table::kTableWidth, table::kDefaultPixelsPerTwip) + kStudyWidth,
            table::toPixels(table::kTableHeight, table::kDefaultPixelsPerTwip)};
}

// The table is one picture: every place is its twips times one scale, the largest that leaves the study
// column its least width, and text grows with it.
void FrmTavolin::placeTable() {
    PixelsPerTwip =
        std::max(table::kSmallestPixelsPerTwip,
                 std::min(static_cast<double>(height()) / table::kTableHeight,
                          static_cast<double>(width() - kSmallestStudyWidth) / table::kTableWidth));
    QFont font = this->font();
    font.setPixelSize(table::toPixels(table::kFontTwips, PixelsPerTwip));
    const auto place = [&](QWidget* widget, const table::Place& where) {
        widget->setFont(font);
        widget->setGeometry(pixels(where, PixelsPerTwip));
    };
    for (CardImage* card : imgCard)
        card->setPixelsPerTwip(PixelsPerTwip);
    for (SlotImage* slot : imgHand)
        slot->setPixelsPerTwip(PixelsPerTwip);
    for (int i = 0; i < 6; ++i)
        place(lblTV[i], table::kLabels[i]);
    for (int i = 0; i < 4; ++i)
        place(txtBet[i], table::kBets[i]);
    for (int i = 0; i < 2; ++i)
        place(cmbVillain[i], table::kVillains[i]);
    place(chkCalcVillain, table::kCalcVillain);
    place(cmdClear, table::kClear);
    place(cmdShowHide, table::kShowHide);
    place(cmdCheck, table::kCheck);
    place(cmdRandom, table::kRandom);
    place(cmdCalc, table::kCalc);
    place(lblStatus, table::kStatus);
    rtbOutput->setGeometry(pixels(table::kOutput, PixelsPerTwip));
    rtbOutput->setFontPixelSize(table::toPixels(table::kReportFontTwips, PixelsPerTwip));
    // The column takes every pixel the table leaves, so no band of empty felt opens on a wide screen.
    const int tableWidth = table::toPixels(table::kTableWidth, PixelsPerTwip);
    studyColumn->setGeometry(tableWidth, 0, width() - tableWidth, height());
    update();
}

void FrmTavolin::tableChanged() {
    const TableState& state = Hand.state();
    showTable();
    // A changed preflop profile brings its default range first; the analysis then feeds the panels once.
    if (state.Preflop != RangeProfile) {
        RangeProfile = state.Preflop;
        const QSignalBlocker quiet(rangePanel);
        rangePanel->loadProfile(state.Preflop);
    }
    TableState typedOnly = state;
    typedOnly.Amounts = Analysed.Amounts;
    if (AnalyseNext || typedOnly != Analysed)
        analyse();
    else
        updateStatus();
}

void FrmTavolin::showTable() {
    const TableState& state = Hand.state();
    ShowingTable = true;
    for (int j = 0; j < table::kCardCount; ++j) {
        const auto place = Hand.placeOf(DeckCards[j]);
        if (place)
            imgCard[j]->moveToTwips(imgHand[*place]->leftTwips(), imgHand[*place]->topTwips());
        else
            imgCard[j]->moveToTwips(table::cardHome(DeckCards[j]).Left, table::cardHome(DeckCards[j]).Top);
    }
    for (int i = 0; i < kAmountCount; ++i) {
        const QString text = QString::fromStdString(state.Amounts[i]);
        if (txtBet[i]->text() != text) txtBet[i]->setText(text);
    }
    cmbVillain[0]->setCurrentIndex(state.Preflop);
    cmbVillain[1]->setCurrentIndex(state.Postflop);
    chkCalcVillain->setChecked(state.CountVillain);
    cmdShowHide->setText(state.ReportShown ? QStringLiteral("Hide") : QStringLiteral("Show"));
    ShowingTable = false;
}

void FrmTavolin::analyse() {
    const TableState& state = Hand.state();
    Analysed = state;
    AnalyseNext = false;
    Notice.clear();
    if (!state.ReportShown) {
        clearReport();
        return;
    }
    HandInput input{cardTexts(state, 0, kHolePlaceCount).toStdString(),
                    cardTexts(state, kHolePlaceCount, kPlaceCount).toStdString(),
                    state.Amounts[0],
                    state.Amounts[1],
                    state.Amounts[2],
                    state.Amounts[3]};
    input.VillainPreflop = state.Preflop;
    input.VillainPostflop = state.Postflop;
    input.CalcVillain = state.CountVillain;
    input.DecimalSeparator = QLocale::system().decimalPoint().toStdString();
    const AnalysisResult result = tavolin::analyse(input);
    rtbOutput->setReport(result.Report);
    RuleOfThumbPercent = 100.0 * static_cast<double>(result.EquityAllIn);
    RuleOfThumbOuts = static_cast<double>(result.Outs);
    OutsLines = result.OutsLines;
    OutsCards = result.OutsCards;
    updateStatus();
    refreshStudy();
}

void FrmTavolin::updateStatus() {
    TableStatus status;
    status.HoleCards = Hand.holeCount();
    status.BoardCards = Hand.boardCount();
    status.ReportShown = Hand.state().ReportShown;
    status.Practising = practicePanel != nullptr && practicePanel->isPractising();
    status.ReportEmpty = rtbOutput->report().empty();
    status.TypedRank = QString::fromStdString(Hand.typedRank());
    for (int i = 0; i < kAmountCount; ++i)
        status.Amounts[i] = txtBet[i]->text();
    QString text = tableStatus(status);
    if (!JournalProblem.isEmpty()) text += u' ' + JournalProblem;
    lblStatus->setText(Notice.isEmpty() ? text : Notice + u' ' + text);
    lblStatus->setToolTip(lblStatus->text());
}

void FrmTavolin::clearReport() {
    rtbOutput->setReport({});
    updateStatus();
    refreshStudy();
}

void FrmTavolin::takeAmounts() {
    TableState next = Hand.state();
    for (int i = 0; i < kAmountCount; ++i)
        next.Amounts[i] = txtBet[i]->text().toStdString();
    AnalyseNext = true;
    Hand.restore(next);
}

void FrmTavolin::cmdCalcClick() {
    takeAmounts();
}

void FrmTavolin::cmdCheckClick() {
    if (holdsQuestion()) return;
    // Cards left on the table would mix into the first example; the replay starts from a clear table and
    // the player's hand comes back after it.
    const TableState before = Hand.state();
    Hand.clear();
    for (const std::string_view example : kStraightExamples) {
        for (const Card card : exampleCards(example))
            Hand.toggle(card);
        Hand.clear();
    }
    restore(before);
}

bool FrmTavolin::holdsQuestion() {
    if (!QuestionOpen) return false;
    Notice = tr("Answer the question first: the spot stays as dealt until then.");
    updateStatus();
    return true;
}

// Typing a rank and then a suit picks that card as a click would; Backspace takes the latest card back.
void FrmTavolin::keyPressEvent(QKeyEvent* event) {
    // While practising, the keys answer the questions; a card typed by mistake would change the spot.
    if (practicePanel->isPractising()) {
        if (!practicePanel->handleKey(event)) QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Hand.forgetTypedRank();
        return;
    }
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        Hand.backspace();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() &&
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
        Hand.typeKey(text.at(0).toLatin1());
        return;
    }
    QWidget::keyPressEvent(event);
}

// The felt shows a faint outline where each deck card belongs, so a picked card leaves its place visible.
void FrmTavolin::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.setBrush(QColor(0, 0, 0, 30));
    for (const Card card : DeckCards) {
        const QRectF home =
            QRectF(pixels(table::cardHome(card), PixelsPerTwip)).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.drawRoundedRect(home, home.width() * 0.12, home.width() * 0.12);
    }
}

void FrmTavolin::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTable();
}

void FrmTavolin::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

} // namespace tavolin
