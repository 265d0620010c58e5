#include "ui/frm_tavolin.h"

#include "analysis/analyse_hand.h"
#include "practice/straight_examples.h"
#include "ui/amount_box.h"
#include "ui/card_image.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"
#include "ui/read_back.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"
#include "ui/study_column.h"
#include "ui/table_layout.h"

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
#include <random>

namespace tavolin {
namespace {

QRect pixels(const table::Place& place, double scale) {
    return {table::toPixels(place.Left, scale), table::toPixels(place.Top, scale),
            table::toPixels(place.Width, scale), table::toPixels(place.Height, scale)};
}

// The study column's width at the opening size, and the least it keeps when the window narrows.
constexpr int kStudyWidth = 520;
constexpr int kSmallestStudyWidth = 360;

// The value a slot text carries from a position on: its leading digits, 0 when there are none.
int leadingNumber(QStringView text) {
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit()) break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

QString slotText(int top, int left) {
    return QStringLiteral("T%1L%2").arg(top).arg(left);
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

FrmTavolin::FrmTavolin(QWidget* parent) : QWidget(parent), PixelsPerTwip(table::kDefaultPixelsPerTwip) {
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

    // Both villain profiles start at "2-Semiloose".
    cmbVillain[0]->setCurrentIndex(1);
    cmbVillain[1]->setCurrentIndex(1);
    // A changed choice re-runs the analysis at once, so the report never stands for settings gone by.
    // The preflop profile brings its default range first; the analysis then feeds the study panels once.
    connect(cmbVillain[0], &QComboBox::currentIndexChanged, this, [this](int index) {
        const QSignalBlocker quiet(rangePanel);
        rangePanel->loadProfile(index);
        imgCardClick(kNoCard);
    });
    connect(cmbVillain[1], &QComboBox::currentIndexChanged, this, [this] { imgCardClick(kNoCard); });
    connect(chkCalcVillain, &QCheckBox::toggled, this, [this] { imgCardClick(kNoCard); });

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
        const table::Place home = table::cardHome(text);
        imgCard[j]->moveToTwips(home.Left, home.Top);
        connect(imgCard[j], &CardImage::clicked, this, [this, j] { imgCardClick(j); });
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
        // Enter or leaving the box re-runs the analysis, as Calc does.
        connect(txtBet[i], &QLineEdit::editingFinished, this, &FrmTavolin::cmdCalcClick);
        connect(txtBet[i], &QLineEdit::textChanged, this, &FrmTavolin::updateStatus);
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

    const auto makeButton = [this](const char* name, const QString& text, void (FrmTavolin::*handler)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    cmdClear = makeButton("cmdClear", QStringLiteral("Clear"), &FrmTavolin::cmdClearClick);
    cmdShowHide = makeButton("cmdShowHide", QStringLiteral("Hide"), &FrmTavolin::cmdShowHideClick);
    cmdCheck = makeButton("cmdCheck", QStringLiteral("Check"), &FrmTavolin::cmdCheckClick);
    cmdRandom = makeButton("cmdRandom", QStringLiteral("Random"), &FrmTavolin::cmdRandomClick);
    cmdCalc = makeButton("cmdCalc", QStringLiteral("Calc"), &FrmTavolin::cmdCalcClick);

    // Window-wide keys that leave the keyboard focus where it is, so typing amounts can go on.
    new QShortcut(kClearKeys, this, this, &FrmTavolin::cmdClearClick);
    new QShortcut(kShowHideKeys, this, this, &FrmTavolin::cmdShowHideClick);
    new QShortcut(kRandomKeys, this, this, &FrmTavolin::cmdRandomClick);
    cmdClear->setToolTip(withKeys(tr("Put every card back and empty the amounts"), kClearKeys));
    cmdShowHide->setToolTip(withKeys(tr("Hide or show the report"), kShowHideKeys));
    cmdRandom->setToolTip(withKeys(tr("Deal a random hand and flop, turn or river"), kRandomKeys));
    cmdCalc->setToolTip(tr("Analyse again with the amounts as typed (Enter in an amount box)"));
    cmdCheck->setToolTip(tr("Replay the built-in straight-draw examples; ends on an empty table"));

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
    const int tableWidth = table::toPixels(table::kTableWidth, PixelsPerTwip);
    // On a wide screen the felt widens between the table and the column, which keeps to its useful width.
    const int columnWidth = std::min(width() - tableWidth, studyColumn->widestUseful());
    studyColumn->setGeometry(width() - columnWidth, 0, columnWidth, height());
    update();
}

bool FrmTavolin::isOnSlotRow(int index) const {
    return imgCard[index]->topTwips() == imgHand[0]->topTwips();
}

int FrmTavolin::cardIndex(QStringView cardText) const {
    for (int j = 0; j < table::kCardCount; ++j)
        if (imgCard[j]->cardText() == cardText) return j;
    return kNoCard;
}

void FrmTavolin::imgCardClick(int index) {
    if (index >= 0 && index < table::kCardCount) {
        if (isOnSlotRow(index))
            sendCardHome(index);
        else
            putCardOnFreeSlot(index);
    }
    analyse();
}

// The slot's text says where the card came from: "T" + Top + "L" + Left.
void FrmTavolin::sendCardHome(int index) {
    CardImage* card = imgCard[index];
    for (SlotImage* slot : imgHand) {
        if (slot->leftTwips() != card->leftTwips() || slot->topTwips() != card->topTwips()) continue;
        const QString text = slot->text();
        const qsizetype l = text.indexOf(u'L');
        const int top = leadingNumber(QStringView(text).mid(1));
        const int left = l < 0 ? 0 : leadingNumber(QStringView(text).mid(l + 1));
        card->moveToTwips(left, top);
        slot->setText(SlotImage::kEmpty);
    }
    std::erase(PickOrder, index);
}

void FrmTavolin::putCardOnFreeSlot(int index) {
    const auto free = std::find_if(imgHand.begin(), imgHand.end(), [](SlotImage* s) { return s->isEmpty(); });
    if (free == imgHand.end()) return;
    CardImage* card = imgCard[index];
    (*free)->setText(slotText(card->topTwips(), card->leftTwips()));
    card->moveToTwips((*free)->leftTwips(), (*free)->topTwips());
    PickOrder.push_back(index);
}

void FrmTavolin::analyse() {
    if (SettingUp) return;
    QString hole;
    QString board;
    for (int i = 0; i < table::kSlotCount; ++i) {
        if (imgHand[i]->isEmpty()) continue;
        for (const CardImage* card : imgCard) {
            if (card->leftTwips() != imgHand[i]->leftTwips() || card->topTwips() != imgHand[i]->topTwips())
                continue;
            QString& text = i < table::kHoleSlotCount ? hole : board;
            if (!text.isEmpty()) text += u' ';
            text += card->cardText();
        }
    }
    Notice.clear();
    if (cmdShowHide->text() != QStringLiteral("Hide")) {
        clearReport();
        return;
    }
    const std::string holeText = hole.toStdString();
    std::string boardText = board.toStdString();
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    const std::array<std::string, 4> amounts{txtBet[0]->text().toStdString(), txtBet[1]->text().toStdString(),
                                             txtBet[2]->text().toStdString(),
                                             txtBet[3]->text().toStdString()};
    const AnalysisArguments arguments{amounts[0],
                                      amounts[1],
                                      amounts[2],
                                      amounts[3],
                                      cmbVillain[0]->currentIndex(),
                                      cmbVillain[1]->currentIndex(),
                                      chkCalcVillain->isChecked(),
                                      separator};
    AnalysisContext context;
    rtbOutput->setReport(analyseHand(context, holeText, boardText, arguments));
    RuleOfThumbPercent = 100.0 * static_cast<double>(context.EquityAllIn);
    RuleOfThumbOuts = static_cast<double>(context.Outs);
    updateStatus();
    refreshStudy();
}

void FrmTavolin::updateStatus() {
    TableState state;
    for (int i = 0; i < table::kSlotCount; ++i)
        if (!imgHand[i]->isEmpty()) ++(i < table::kHoleSlotCount ? state.HoleCards : state.BoardCards);
    state.ReportShown = cmdShowHide->text() == QStringLiteral("Hide");
    state.Practising = practicePanel != nullptr && practicePanel->isPractising();
    state.ReportEmpty = rtbOutput->report().empty();
    state.TypedRank = TypedRank.isNull() ? QString() : QString(TypedRank);
    for (int i = 0; i < 4; ++i)
        state.Amounts[i] = txtBet[i]->text();
    const QString status = tableStatus(state);
    lblStatus->setText(Notice.isEmpty() ? status : Notice + u' ' + status);
    lblStatus->setToolTip(lblStatus->text());
}

void FrmTavolin::cmdClearClick() {
    for (AmountBox* bet : txtBet)
        bet->clear();
    for (const SlotImage* slot : imgHand) {
        if (slot->isEmpty()) continue;
        // No deck column shares its Left with a slot, so a card at this Left lies on the slot.
        for (int j = 0; j < table::kCardCount; ++j)
            if (imgCard[j]->leftTwips() == slot->leftTwips()) imgCardClick(j);
    }
    clearReport();
}

void FrmTavolin::clearReport() {
    rtbOutput->setReport({});
    updateStatus();
    refreshStudy();
}

void FrmTavolin::cmdRandomClick() {
    cmdClearClick();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    // Draws in [0, 1) scaled to a count; the bound guards against a draw rounding up to 1.
    const auto draw = [&](int count) {
        return std::min(static_cast<int>(uniform(generator) * count), count - 1);
    };

    const int boardCards = draw(3) + 3;
    int dealt = 0;
    while (dealt < boardCards + table::kHoleSlotCount) {
        const int j = draw(table::kCardCount);
        if (imgCard[j]->topTwips() < imgHand[0]->topTwips()) { // still in the deck, else draw again
            imgCardClick(j);
            ++dealt;
        }
    }
}

void FrmTavolin::cmdShowHideClick() {
    if (cmdShowHide->text() == QStringLiteral("Hide")) {
        cmdShowHide->setText(QStringLiteral("Show"));
        clearReport();
    } else if (cmdShowHide->text() == QStringLiteral("Show")) {
        cmdShowHide->setText(QStringLiteral("Hide"));
        clearReport();
        imgCardClick(kNoCard);
    }
}

void FrmTavolin::cmdCalcClick() {
    imgCardClick(kNoCard);
    if (cmdShowHide->text() == QStringLiteral("Show")) clearReport();
}

void FrmTavolin::cmdCheckClick() {
    // Cards left on the table would mix into the first example; the replay starts from a clear table.
    cmdClearClick();
    for (const std::string_view example : kStraightExamples) {
        for (const std::string_view text : exampleCards(example))
            imgCardClick(cardIndex(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))));
        cmdClearClick();
    }
}

// Typing a rank and then a suit picks that card as a click would; Backspace takes the latest card back.
void FrmTavolin::keyPressEvent(QKeyEvent* event) {
    // While practising, the keys answer the questions; a card typed by mistake would change the spot.
    if (practicePanel->isPractising()) {
        if (!practicePanel->handleKey(event)) QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        TypedRank = QChar();
        if (!PickOrder.empty()) imgCardClick(PickOrder.back());
        updateStatus();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() &&
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
        typeCharacter(text.at(0));
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmTavolin::typeCharacter(QChar character) {
    static const QString kRanks = QStringLiteral("A23456789TJQK");
    static const QString kSuits = QStringLiteral("shcd");
    const QChar rank = character.toUpper();
    const QChar suit = character.toLower();
    if (!TypedRank.isNull() && TypedRank != u'1' && kSuits.contains(suit)) {
        const int index = cardIndex(QString(TypedRank) + suit);
        TypedRank = QChar();
        imgCardClick(index);
        return;
    }
    // "10" is a ten, as players write it.
    if (TypedRank == u'1' && character == u'0')
        TypedRank = u'T';
    else
        TypedRank = kRanks.contains(rank) || character == u'1' ? rank : QChar();
    updateStatus();
}

// The felt shows a faint outline where each deck card belongs, so a picked card leaves its place visible.
void FrmTavolin::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.setBrush(QColor(0, 0, 0, 30));
    for (const std::string_view text : table::kCardTexts) {
        const QRectF home =
            QRectF(pixels(table::cardHome(text), PixelsPerTwip)).adjusted(1.5, 1.5, -1.5, -1.5);
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
