#include "ui/hands_panel.h"

#include "cards/card_text.h"
#include "history/money.h"
#include "ui/imported_spots.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <fstream>
#include <sstream>

namespace tavolin {
namespace {

const std::array<QString, 4> kStreetTitles{QStringLiteral("Preflop"), QStringLiteral("Flop"),
                                           QStringLiteral("Turn"), QStringLiteral("River")};
const std::array<QString, 3> kLimitNames{QStringLiteral("NL"), QStringLiteral("PL"), QStringLiteral("FL")};
const std::array<QString, 7> kMoveNames{
    QStringLiteral("posts"), QStringLiteral("posts"), QStringLiteral("folds"), QStringLiteral("checks"),
    QStringLiteral("calls"), QStringLiteral("bets"),  QStringLiteral("raises")};

// The skipped hands the tool tip names; a file of many skips says the rest by their count above.
constexpr qsizetype kSkipsShown = 12;

QString money(history::Money amount) {
    return QString::fromStdString(history::moneyText(amount));
}

QString cardsText(const std::vector<Card>& cards) {
    QStringList names;
    for (const Card card : cards)
        names << QString::fromStdString(cardName(card));
    return names.join(u' ');
}

QString decisionLine(const history::Decision& decision) {
    QString line = kMoveNames[static_cast<std::size_t>(decision.Action)];
    if (decision.Amount > 0) line += u' ' + money(decision.Amount);
    line += QObject::tr(" (pot %1").arg(money(decision.Pot));
    if (decision.ToCall > 0) line += QObject::tr(", %1 to call").arg(money(decision.ToCall));
    line += u')';
    if (decision.Equity) line += QObject::tr(", equity %1%").arg(100.0 * *decision.Equity, 0, 'f', 1);
    if (decision.Verdict) line += QStringLiteral(": ") + QString::fromStdString(*decision.Verdict);
    line = line.toHtmlEscaped();
    return decision.Flagged ? QStringLiteral("<b>&#9873; %1</b>").arg(line) : line;
}

QString flagsText(const history::Hand& hand) {
    const auto flags = std::count_if(hand.Decisions.begin(), hand.Decisions.end(),
                                     [](const history::Decision& d) { return d.Flagged; });
    return flags > 0 ? QStringLiteral("\u2691 %1").arg(flags) : QString();
}

} // namespace

HandsPanel::HandsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("handsPanel"));
    auto* layout = new QVBoxLayout(this);
    lblSource = new QLabel(tr("Open a hand history (File menu, Hands > Open, or drop a file on the window), "
                              "or paste whole hands."),
                           this);
    lblSource->setWordWrap(true);
    layout->addWidget(lblSource);

    auto* streets = new QHBoxLayout;
    cmdPrevious = new QPushButton(tr("< Street"), this);
    cmdPrevious->setToolTip(tr("The street before (Alt+Left)"));
    cmdNext = new QPushButton(tr("Street >"), this);
    cmdNext->setToolTip(tr("The next street (Alt+Right)"));
    lblStreet = new QLabel(this);
    lblStreet->setAlignment(Qt::AlignCenter);
    streets->addWidget(cmdPrevious);
    streets->addWidget(lblStreet, 1);
    streets->addWidget(cmdNext);
    layout->addLayout(streets);
    connect(cmdPrevious, &QPushButton::clicked, this, &HandsPanel::previousStreet);
    connect(cmdNext, &QPushButton::clicked, this, &HandsPanel::nextStreet);

    lblDecisions = new QLabel(this);
    lblDecisions->setObjectName(QStringLiteral("lblDecisions"));
    lblDecisions->setWordWrap(true);
    lblDecisions->setTextFormat(Qt::RichText);
    layout->addWidget(lblDecisions);

    cmdReview = new QPushButton(tr("Add to review"), this);
    cmdReview->setObjectName(QStringLiteral("cmdReview"));
    cmdReview->setToolTip(tr("Put this hand's flagged decisions in the journal's review queue"));
    layout->addWidget(cmdReview);
    connect(cmdReview, &QPushButton::clicked, this, &HandsPanel::reviewRequested);
    tblHands = new QTableWidget(0, 6, this);
    tblHands->setObjectName(QStringLiteral("tblHands"));
    tblHands->setHorizontalHeaderLabels(
        {tr("Played"), tr("Hand"), tr("Stakes"), tr("Cards"), tr("Net"), tr("Flags")});
    tblHands->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHands->setSelectionMode(QAbstractItemView::SingleSelection);
    tblHands->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHands->verticalHeader()->hide();
    // The game's words take what room is left; the other columns fit their texts.
    tblHands->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblHands->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    tblHands->setMinimumHeight(160);
    layout->addWidget(tblHands, 1);
    connect(tblHands, &QTableWidget::currentCellChanged, this, [this](int row) { chooseHand(row); });

    for (QPushButton* button : {cmdPrevious, cmdNext, cmdReview})
        button->setFocusPolicy(Qt::NoFocus);
    showStreet();
}

bool HandsPanel::openFile(const QString& path, const equity::HoldingWeights& villainRange, QString& error) {
    std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!file || QFileInfo(path).isDir()) {
        error = tr("%1 cannot be opened.").arg(path);
        return false;
    }
    history::HandList list = history::readHandList(file, &villainRange, history::Weigh::kHeadsUpOnly);
    if (list.Hands.empty()) {
        error = list.Skipped.empty() ? tr("%1 holds no hand.").arg(path)
                                     : tr("%1 holds no hand that can be read (%2).")
                                           .arg(path, QString::fromStdString(list.Skipped.front().Reason));
        return false;
    }
    VillainRange = villainRange;
    return showList(std::move(list), QFileInfo(path).fileName());
}

bool HandsPanel::openText(const QString& text, const equity::HoldingWeights& villainRange) {
    std::istringstream in(text.toStdString());
    history::HandList list = history::readHandList(in, &villainRange, history::Weigh::kHeadsUpOnly);
    if (list.Hands.empty()) return false;
    VillainRange = villainRange;
    return showList(std::move(list), tr("the pasted text"));
}

bool HandsPanel::showList(history::HandList list, const QString& source) {
    List = std::move(list);
    Source = source;
    lblSource->setText(tr("%1: %n hand(s) read", nullptr, static_cast<int>(List.Hands.size())).arg(Source) +
                       (List.Skipped.empty()
                            ? QString()
                            : tr(", %n skipped", nullptr, static_cast<int>(List.Skipped.size()))));
    QStringList skipped;
    for (const history::Skip& skip : List.Skipped)
        if (skipped.size() < kSkipsShown)
            skipped << (skip.Id.empty() ? QString()
                                        : u'#' + QString::fromStdString(skip.Id) + QStringLiteral(": ")) +
                           QString::fromStdString(skip.Reason);
    lblSource->setToolTip(skipped.isEmpty() ? QString() : tr("Skipped:\n") + skipped.join(u'\n'));
    QSignalBlocker quiet(tblHands);
    tblHands->setRowCount(static_cast<int>(List.Hands.size()));
    for (int row = 0; row < tblHands->rowCount(); ++row) {
        const history::Hand& hand = List.Hands[static_cast<std::size_t>(row)];
        const QString game = QString::fromStdString(hand.Stakes) + u' ' +
                             kLimitNames[static_cast<std::size_t>(hand.BetLimit)] +
                             (hand.Tournament ? tr(" tournament") : QString());
        QString played = QString::fromStdString(hand.Played);
        // An ISO time ("2020-04-07T14:32:50") reads better with a space between the date and the time.
        if (played.size() > 11 && played[10] == u'T' && played[11].isDigit()) played[10] = u' ';
        const std::array<QString, 6> cells{
            played,          QStringLiteral("#%1").arg(QString::fromStdString(hand.Id)),
            game.trimmed(),  cardsText(history::holeCards(hand)),
            money(hand.Net), flagsText(hand)};
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblHands->setItem(row, static_cast<int>(column), item);
        }
    }
    tblHands->setCurrentCell(-1, -1);
    List.Chosen = -1;
    showStreet();
    return true;
}

int HandsPanel::handCount() const {
    return static_cast<int>(List.Hands.size());
}

void HandsPanel::chooseHand(int index) {
    if (!List.choose(index)) return;
    history::Hand& hand = List.Hands[static_cast<std::size_t>(index)];
    history::weighMultiway(hand, VillainRange);
    if (QTableWidgetItem* flags = tblHands->item(index, 5)) flags->setText(flagsText(hand));
    if (tblHands->currentRow() != index) {
        QSignalBlocker quiet(tblHands);
        tblHands->selectRow(index);
    }
    showStreet();
    emit setupRequested(List.setup());
}

bool HandsPanel::nextStreet() {
    if (!List.nextStreet()) return false;
    showStreet();
    emit setupRequested(List.setup());
    return true;
}

bool HandsPanel::previousStreet() {
    if (!List.previousStreet()) return false;
    showStreet();
    emit setupRequested(List.setup());
    return true;
}

void HandsPanel::showStreet() {
    const history::Hand* hand = List.chosen();
    cmdPrevious->setEnabled(hand != nullptr && List.Shown > 0);
    cmdNext->setEnabled(hand != nullptr && List.Shown + 1 < hand->Streets.size());
    cmdReview->setEnabled(hand != nullptr && history::flagged(*hand));
    if (hand == nullptr) {
        lblStreet->setText(QString());
        lblDecisions->setText(QString());
        return;
    }
    const auto street = static_cast<std::size_t>(hand->Streets[List.Shown].OnStreet);
    QString title = kStreetTitles[street];
    if (!history::wholeUnits(*hand)) title += tr(" (amounts in hundredths)");
    lblStreet->setText(title);
    QStringList lines;
    for (const history::Decision* decision : List.decisionsShown())
        lines << decisionLine(*decision);
    if (lines.isEmpty())
        lines << (street == 0 ? tr("The hero's decisions are weighed from the flop on.")
                              : tr("The hero does not act on this street."));
    lblDecisions->setText(tr("Hero: ") + lines.join(QStringLiteral("<br>")));
}

QString HandsPanel::addToReview(journal::Journal* journal, int preflopProfile) {
    const history::Hand* hand = List.chosen();
    if (hand == nullptr) return tr("Choose a hand first.");
    if (journal == nullptr) return tr("No journal is open: the flagged decisions cannot be queued.");
    const Queued queued =
        queueFlagged(*journal, Session, *hand, preflopProfile, QDateTime::currentSecsSinceEpoch());
    if (!queued.Error.empty()) return tr("Not queued: %1.").arg(QString::fromStdString(queued.Error));
    if (queued.Added == 0 && queued.Already == 0) return tr("This hand has no flagged decision.");
    return tr("%n flagged decision(s) added to the review queue", nullptr, queued.Added) +
           (queued.Already > 0 ? tr(", %n already there", nullptr, queued.Already) : QString()) + u'.';
}

} // namespace tavolin
