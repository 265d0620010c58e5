// The habits players bring from other tools: copy and paste of a hand, the glossary on F1, the
// four-colour deck, a window that remembers its size, and the table's snapshot that they rest on.

#include "ui/card_image.h"
#include "ui/copied_figures.h"
#include "ui/frm_tavolin.h"
#include "ui/glossary.h"
#include "ui/journal_link.h"
#include "ui/practice_panel.h"
#include "ui/range_panel.h"
#include "ui/report_box.h"
#include "ui/study_column.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tavolin {
namespace {

const QString kFourColoursKey = QStringLiteral("view/fourColours");
const QString kSizeKey = QStringLiteral("window/size");
const QString kShadingKey = QStringLiteral("view/nextCardShading");
const QString kTableKey = QStringLiteral("table/last");

QToolButton* barButton(const char* name, const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}

} // namespace

void FrmTavolin::createHabits() {
    const QKeySequence copyKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    new QShortcut(copyKeys, this, this, &FrmTavolin::copyHand);
    new QShortcut(QKeySequence::Paste, this, this, [this] { pasteHand(QApplication::clipboard()->text()); });
    new QShortcut(QKeySequence::HelpContents, this, this, &FrmTavolin::openGlossary);

    auto* bar = new QWidget(studyColumn);
    bar->setObjectName(QStringLiteral("studyBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* copy = barButton("cmdCopy", tr("Copy"),
                           tr("Copy the hand as one line, then the report (%1)")
                               .arg(copyKeys.toString(QKeySequence::NativeText)),
                           bar);
    auto* paste = barButton("cmdPaste", tr("Paste"),
                            tr("Set up the hand on the clipboard: a copied line or cards such as "
                               "\"Ah Kh Qh 7h 2c\" (%1)")
                                .arg(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)),
                            bar);
    auto* glossary = barButton("cmdGlossary", tr("Glossary"), tr("What the report's terms mean (F1)"), bar);
    auto* view = barButton("cmdView", tr("View"), tr("How the table is drawn"), bar);
    connect(copy, &QToolButton::clicked, this, &FrmTavolin::copyHand);
    connect(paste, &QToolButton::clicked, this, [this] { pasteHand(QApplication::clipboard()->text()); });
    connect(glossary, &QToolButton::clicked, this, &FrmTavolin::openGlossary);

    viewMenu = new QMenu(view);
    actFourColours = viewMenu->addAction(tr("Four-colour deck"));
    actFourColours->setObjectName(QStringLiteral("actFourColours"));
    actFourColours->setCheckable(true);
    actFourColours->setToolTip(tr("Spades black, hearts red, diamonds blue, clubs green"));
    connect(actFourColours, &QAction::toggled, this, &FrmTavolin::setFourColours);
    actShading = viewMenu->addAction(tr("Shade the next cards"));
    actShading->setObjectName(QStringLiteral("actShading"));
    actShading->setCheckable(true);
    actShading->setChecked(true);
    actShading->setToolTip(tr("On the flop and turn, each deck card red to green by the hero's equity if it "
                              "comes next, the true outs outlined"));
    connect(actShading, &QAction::toggled, this, [this](bool on) {
        if (Settings != nullptr) Settings->setValue(kShadingKey, on);
    });
    view->setMenu(viewMenu);
    view->setPopupMode(QToolButton::InstantPopup);

    for (QToolButton* button : {copy, paste, glossary, view})
        row->addWidget(button);
    row->addStretch(1);
    studyColumn->setCornerWidget(bar, Qt::TopRightCorner);
}

void FrmTavolin::setFourColours(bool fourColours) {
    for (CardImage* card : imgCard)
        card->setFourColours(fourColours);
    if (Settings != nullptr) Settings->setValue(kFourColoursKey, fourColours);
}

FrmTavolin::~FrmTavolin() {
    if (Settings == nullptr) return;
    Settings->setValue(kSizeKey, size());
    // A practice spot is not the player's table: the one practice put aside is.
    const bool practising = practicePanel->isPractising();
    Settings->setValue(kTableKey, handLine(practising ? TableBeforePractice : snapshot(), profileNames()));
    practicePanel->saveSettings(*Settings);
}

void FrmTavolin::rememberIn(QSettings* settings) {
    Settings = nullptr; // reading the choices back must not write them
    const bool fourColours = settings->value(kFourColoursKey, false).toBool();
    actFourColours->setChecked(fourColours);
    setFourColours(fourColours);
    actShading->setChecked(settings->value(kShadingKey, true).toBool());
    QSize size = settings->value(kSizeKey, sizeHint()).toSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size.expandedTo(minimumSize()));
    placeTable();
    practicePanel->readSettings(*settings);
    QString ignored;
    if (const auto table = readHand(settings->value(kTableKey).toString(), profileNames(), ignored))
        setUpHand(*table);
    Settings = settings;
}

ProfileNames FrmTavolin::profileNames() const {
    ProfileNames names;
    for (int i = 0; i < cmbVillain[0]->count(); ++i)
        names.Preflop << cmbVillain[0]->itemText(i);
    for (int i = 0; i < cmbVillain[1]->count(); ++i)
        names.Postflop << cmbVillain[1]->itemText(i);
    return names;
}

// A profile index past the boxes' choices becomes the nearest choice, as the box would show it.
void FrmTavolin::restore(const TableState& table) {
    TableState fitting = table;
    fitting.Preflop = std::clamp(table.Preflop, 0, cmbVillain[0]->count() - 1);
    fitting.Postflop = std::clamp(table.Postflop, 0, cmbVillain[1]->count() - 1);
    AnalyseNext = true;
    Hand.restore(fitting);
}

void FrmTavolin::setUpHand(const TableSetup& hand) {
    TableSetup fitting = hand;
    if (hand.Preflop) fitting.Preflop = std::clamp(*hand.Preflop, 0, cmbVillain[0]->count() - 1);
    if (hand.Postflop) fitting.Postflop = std::clamp(*hand.Postflop, 0, cmbVillain[1]->count() - 1);
    AnalyseNext = true;
    Hand.setUp(fitting);
}

QString FrmTavolin::handText() const {
    const QString line = handLine(Hand.state(), profileNames());
    const QString report = reportLines(rtbOutput->report());
    if (report.isEmpty()) return line + u'\n';
    CardMask hero = 0;
    CardMask board = 0;
    const TableState& table = Hand.state();
    for (std::size_t i = 0; i < table.Places.size(); ++i)
        if (table.Places[i]) (i < kHolePlaceCount ? hero : board) |= table.Places[i]->mask();
    const QString figures = copiedFigures(hero, board, rangePanel->range(), rangePanel->rangeName(),
                                          QLocale::system().decimalPoint());
    return line + u'\n' + report + u'\n' + (figures.isEmpty() ? QString() : figures + u'\n');
}

void FrmTavolin::copyHand() {
    QApplication::clipboard()->setText(handText());
}

bool FrmTavolin::pasteHand(const QString& text) {
    if (holdsQuestion()) return false;
    if (openPastedHands(text)) return true;
    QString error;
    const auto hand = readHand(text, profileNames(), error);
    if (!hand) {
        Notice = tr("Nothing pasted: %1.").arg(error);
        updateStatus();
        return false;
    }
    setUpHand(*hand);
    return true;
}

void FrmTavolin::openGlossary() {
    auto* dialog = findChild<QDialog*>(QStringLiteral("glossary"));
    if (dialog == nullptr) {
        dialog = new QDialog(this);
        dialog->setObjectName(QStringLiteral("glossary"));
        dialog->setWindowTitle(tr("Tavolin glossary"));
        auto* text = new QTextBrowser(dialog);
        text->setHtml(glossaryHtml());
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        dialog->resize(520, 560);
    }
    dialog->show();
    dialog->raise();
}

} // namespace tavolin
