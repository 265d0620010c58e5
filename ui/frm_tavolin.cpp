#include "ui/frm_tavolin.h"

#include "analysis/analyse_hand.h"
#include "practice/straight_examples.h"
#include "ui/card_image.h"
#include "ui/report_box.h"
#include "ui/slot_image.h"
#include "ui/table_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <chrono>
#include <random>

namespace tavolin {
namespace {

QRect pixels(const table::Place& place) {
    return {table::toPixels(place.Left), table::toPixels(place.Top), table::toPixels(place.Width),
            table::toPixels(place.Height)};
}

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
    font.setPointSizeF(10.5);
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

FrmTavolin::FrmTavolin(QWidget* parent) : QWidget(parent) {
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

    // Both villain profiles start at "2-Semiloose".
    cmbVillain[0]->setCurrentIndex(1);
    cmbVillain[1]->setCurrentIndex(1);

    setMinimumSize(sizeHint().width(), table::toPixels(table::kOutput.Top) + 120);
    QSize startSize = sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        startSize = startSize.boundedTo(screen->availableSize()).expandedTo(minimumSize());
    resize(startSize);
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
    const std::array<QString, 6> labelTexts{
        QStringLiteral("Pot before Bets:"),  QStringLiteral("Hero's Bet:"), QStringLiteral("Villain's Bet:"),
        QStringLiteral("Eff.Stack Behind:"), QStringLiteral("Preflop:"),    QStringLiteral("Postflop:")};
    for (int i = 0; i < 6; ++i) {
        lblTV[i] = new QLabel(labelTexts[i], this);
        lblTV[i]->setObjectName(QStringLiteral("lblTV_%1").arg(i));
        lblTV[i]->setGeometry(pixels(table::kLabels[i]));
        lblTV[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int i = 0; i < 4; ++i) {
        txtBet[i] = new QLineEdit(this);
        txtBet[i]->setObjectName(QStringLiteral("txtBet_%1").arg(i));
        txtBet[i]->setToolTip(betTips[i]);
        txtBet[i]->setGeometry(pixels(table::kBets[i]));
        lblTV[i]->setBuddy(txtBet[i]);
        connect(txtBet[i], &QLineEdit::returnPressed, this, &FrmTavolin::cmdCalcClick);
    }

    const std::array<QStringList, 2> profiles{
        QStringList{QStringLiteral("1-Nit/Tight"), QStringLiteral("2-Semiloose"), QStringLiteral("3-Loose"),
                    QStringLiteral("4-Fish!")},
        QStringList{QStringLiteral("1-Tight"), QStringLiteral("2-Semiloose"), QStringLiteral("3-Loose!")}};
    for (int i = 0; i < 2; ++i) {
        cmbVillain[i] = new QComboBox(this);
        cmbVillain[i]->setObjectName(QStringLiteral("cmbVillain_%1").arg(i));
        cmbVillain[i]->addItems(profiles[i]);
        cmbVillain[i]->setGeometry(pixels(table::kVillains[i]));
        lblTV[4 + i]->setBuddy(cmbVillain[i]);
    }

    chkCalcVillain = new QCheckBox(QStringLiteral("Calculate Better Villain Hands"), this);
    chkCalcVillain->setObjectName(QStringLiteral("chkCalcVillain"));
    chkCalcVillain->setGeometry(pixels(table::kCalcVillain));
    chkCalcVillain->setToolTip(tr("Count the villain's holdings that beat the hero"));

    const auto makeButton = [this](const char* name, const QString& text, const table::Place& place,
                                   void (FrmTavolin::*handler)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(pixels(place));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    cmdClear = makeButton("cmdClear", QStringLiteral("Clear"), table::kClear, &FrmTavolin::cmdClearClick);
    cmdShowHide =
        makeButton("cmdShowHide", QStringLiteral("Hide"), table::kShowHide, &FrmTavolin::cmdShowHideClick);
    cmdCheck = makeButton("cmdCheck", QStringLiteral("Check"), table::kCheck, &FrmTavolin::cmdCheckClick);
    cmdRandom =
        makeButton("cmdRandom", QStringLiteral("Random"), table::kRandom, &FrmTavolin::cmdRandomClick);
    cmdCalc = makeButton("cmdCalc", QStringLiteral("Calc"), table::kCalc, &FrmTavolin::cmdCalcClick);

    // Window-wide keys that leave the keyboard focus where it is, so typing amounts can go on.
    new QShortcut(kClearKeys, this, this, &FrmTavolin::cmdClearClick);
    new QShortcut(kShowHideKeys, this, this, &FrmTavolin::cmdShowHideClick);
    new QShortcut(kRandomKeys, this, this, &FrmTavolin::cmdRandomClick);
    cmdClear->setToolTip(withKeys(tr("Put every card back and empty the amounts"), kClearKeys));
    cmdShowHide->setToolTip(withKeys(tr("Hide or show the report"), kShowHideKeys));
    cmdRandom->setToolTip(withKeys(tr("Deal a random hand and flop, turn or river"), kRandomKeys));
    cmdCalc->setToolTip(tr("Analyse again with the amounts as typed (Enter in an amount box)"));
    cmdCheck->setToolTip(tr("Replay the built-in straight-draw examples"));

    rtbOutput = new ReportBox(this);
    rtbOutput->setGeometry(pixels(table::kOutput));
}

QSize FrmTavolin::sizeHint() const {
    return {table::toPixels(table::kTableWidth), table::toPixels(table::kTableHeight)};
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
    if (cmdShowHide->text() != QStringLiteral("Hide")) {
        rtbOutput->setReport({});
        return;
    }
    const std::string holeText = hole.toStdString();
    std::string boardText = board.toStdString();
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    rtbOutput->setReport(analyseHand(holeText, boardText, txtBet[0]->text().toStdString(),
                                     txtBet[1]->text().toStdString(), txtBet[2]->text().toStdString(),
                                     txtBet[3]->text().toStdString(), cmbVillain[0]->currentIndex(),
                                     cmbVillain[1]->currentIndex(), chkCalcVillain->isChecked(), separator));
}

void FrmTavolin::cmdClearClick() {
    for (QLineEdit* bet : txtBet)
        bet->clear();
    for (const SlotImage* slot : imgHand) {
        if (slot->isEmpty()) continue;
        // No deck column shares its Left with a slot, so a card at this Left lies on the slot.
        for (int j = 0; j < table::kCardCount; ++j)
            if (imgCard[j]->leftTwips() == slot->leftTwips()) imgCardClick(j);
    }
    rtbOutput->setReport({});
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
        rtbOutput->setReport({});
    } else if (cmdShowHide->text() == QStringLiteral("Show")) {
        cmdShowHide->setText(QStringLiteral("Hide"));
        rtbOutput->setReport({});
        imgCardClick(kNoCard);
    }
}

void FrmTavolin::cmdCalcClick() {
    imgCardClick(kNoCard);
    if (cmdShowHide->text() == QStringLiteral("Show")) rtbOutput->setReport({});
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
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        TypedRank = QChar();
        if (!PickOrder.empty()) imgCardClick(PickOrder.back());
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
    if (!TypedRank.isNull() && kSuits.contains(suit)) {
        const int index = cardIndex(QString(TypedRank) + suit);
        TypedRank = QChar();
        imgCardClick(index);
        return;
    }
    TypedRank = kRanks.contains(rank) ? rank : QChar();
}

// The felt shows a faint outline where each deck card belongs, so a picked card leaves its place visible.
void FrmTavolin::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.setBrush(QColor(0, 0, 0, 30));
    for (const std::string_view text : table::kCardTexts) {
        const QRectF home = QRectF(pixels(table::cardHome(text))).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.drawRoundedRect(home, home.width() * 0.12, home.width() * 0.12);
    }
}

// The report box keeps its Left and Top and takes whatever room the window gives beyond the table.
void FrmTavolin::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QRect place = pixels(table::kOutput);
    const int margin = table::toPixels(table::kTableWidth - table::kOutput.Left - table::kOutput.Width);
    rtbOutput->setGeometry(place.left(), place.top(), qMax(place.width(), width() - place.left() - margin),
                           qMax(60, height() - place.top() - margin));
}

void FrmTavolin::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

} // namespace tavolin
