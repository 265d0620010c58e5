#include "ui/board_range_table.h"

#include "equity/range_on_board.h"
#include "ui/glossary.h"
#include "ui/range_grid.h"
#include "ui/study_style.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>

namespace tavolin {
namespace {

enum Column { kClass, kHoldings, kShare, kBeatHero, kEquity, kColumnCount };

// The row's share against the largest share shown, 0..1.
constexpr int kBarRole = Qt::UserRole;
// The row's BoardClass, on the class cell.
constexpr int kClassRole = Qt::UserRole + 1;

// Draws a bar behind the class name, as long as its share against the largest, so the shape of the range
// shows at a glance.
class ShareBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant share = index.data(kBarRole);
        if (share.isValid()) {
            const QRect cell = option.rect.adjusted(2, 3, -2, -3);
            painter->fillRect(QRectF(cell.left(), cell.top(), cell.width() * share.toDouble(), cell.height()),
                              QColor(214, 98, 36, 70));
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString className(equity::BoardClass boardClass) {
    const std::string_view name = equity::boardClassName(boardClass);
    QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

} // namespace

BoardRangeTable::BoardRangeTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("boardRangeTable"));
    study::usePaperLook(this);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblBoardSummary"));
    lblSummary->setWordWrap(true);

    table = new QTableWidget(0, kColumnCount, this);
    table->setObjectName(QStringLiteral("tblBoardRange"));
    QFont tableFont = table->font();
    tableFont.setPointSizeF(tableFont.pointSizeF() * 0.95);
    table->setFont(tableFont);
    table->setHorizontalHeaderLabels(
        {tr("Villain holds"), tr("Holdings"), tr("Share"), tr("Beat you"), tr("Your equity")});
    for (const auto& [column, term] : {std::pair{0, "Villain holds"}, std::pair{2, "Share"},
                                       std::pair{static_cast<int>(kBeatHero), "Beat you"},
                                       std::pair{static_cast<int>(kEquity), "Your equity"}})
        table->horizontalHeaderItem(column)->setToolTip(studyTerm(term));
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->setFocusPolicy(Qt::NoFocus);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setItemDelegateForColumn(kClass, new ShareBarDelegate(table));
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(kClass, QHeaderView::Stretch);
    const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (const int column : {kHoldings, kShare, kBeatHero, kEquity}) {
        const QString widest =
            column == kShare || column == kEquity ? QStringLiteral("100.0%") : QStringLiteral("1,326.0");
        const QString title = table->horizontalHeaderItem(column)->text();
        const int width = std::max(header->fontMetrics().horizontalAdvance(title) + headerMargin,
                                   table->fontMetrics().horizontalAdvance(widest) + 10);
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
        table->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table->horizontalHeaderItem(kClass)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(4);
    column->addWidget(study::titleLabel(tr("Range on this board"), this));
    column->addWidget(lblSummary);
    column->addWidget(table);
    lblKept = new QLabel(this);
    lblKept->setObjectName(QStringLiteral("lblKept"));
    lblKept->setWordWrap(true);
    lblKept->hide();
    column->addWidget(lblKept);
    cmdKeep = new QPushButton(tr("Keep the ticked rows"), this);
    cmdKeep->setObjectName(QStringLiteral("cmdKeepRows"));
    cmdKeep->setToolTip(studyTerm("Keep"));
    cmdBack = new QPushButton(tr("Back to the profile"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBackToProfile"));
    cmdBack->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdKeep);
    buttons->addWidget(cmdBack);
    buttons->addStretch(1);
    column->addLayout(buttons);
    connect(cmdKeep, &QPushButton::clicked, this, [this] { emit keepRequested(ticked()); });
    connect(cmdBack, &QPushButton::clicked, this, &BoardRangeTable::backToProfileRequested);
    connect(table, &QTableWidget::itemChanged, this, &BoardRangeTable::showTicks);
    clear();
}

void BoardRangeTable::setKept(const QString& kept) {
    cmdBack->setEnabled(!kept.isEmpty());
    lblKept->setText(tr("Kept: %1.").arg(kept));
    lblKept->setVisible(!kept.isEmpty());
}

equity::KeptClasses BoardRangeTable::ticked() const {
    equity::KeptClasses kept;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* item = table->item(row, kClass);
        const QVariant boardClass = item != nullptr ? item->data(kClassRole) : QVariant();
        if (boardClass.isValid() && item->checkState() == Qt::Checked)
            kept.set(static_cast<std::size_t>(boardClass.toInt()));
    }
    return kept;
}

// Keeping is offered once a row is unticked and some stay ticked.
void BoardRangeTable::showTicks() {
    const equity::KeptClasses kept = ticked();
    int rows = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        rows += table->item(row, kClass)->data(kClassRole).isValid() ? 1 : 0;
    cmdKeep->setEnabled(kept.any() && static_cast<int>(kept.count()) < rows);
}

void BoardRangeTable::clear() {
    table->setRowCount(0);
    table->hide();
    cmdKeep->hide();
    cmdBack->hide();
    lblSummary->setText(tr("Shown with the report, from the flop on."));
    lblSummary->setToolTip(studyTerm("live holdings"));
}

void BoardRangeTable::showSpot(equity::CardMask hero, equity::CardMask board,
                               const equity::HoldingWeights& range, const QString& rangeName,
                               const equity::EquityByPart* parts) {
    const int boardCards = std::popcount(board);
    if (std::popcount(hero) != 2 || boardCards < 3 || boardCards > 5 || (hero & board) != 0) {
        clear();
        return;
    }
    const equity::RangeOnBoard spot = equity::rangeOnBoard(hero, board, range);
    if (spot.Holdings <= 0.0) {
        clear();
        lblSummary->setText(tr("No live holdings in the range."));
        return;
    }
    const QSignalBlocker quiet(table);
    table->setRowCount(0);
    LargestShare = 0.0;
    for (const equity::BoardClassRow& row : spot.Rows)
        LargestShare = std::max(LargestShare, row.Share);
    double beatHero = 0.0;
    for (int made = 0; made < equity::kMadeClassCount; ++made) {
        const equity::BoardClassRow& row = spot.Rows[made];
        beatHero += row.BeatHero;
        if (row.Holdings > 0.0)
            addRow(static_cast<equity::BoardClass>(made), row,
                   parts != nullptr ? parts->RowEquity[made] : -1.0);
    }
    bool draws = false;
    for (int draw = equity::kMadeClassCount; spot.HasDraws && draw < equity::kBoardClassCount; ++draw) {
        const equity::BoardClassRow& row = spot.Rows[draw];
        if (row.Holdings <= 0.0) continue;
        if (!draws) addSection(tr("Draws among them"));
        draws = true;
        addRow(static_cast<equity::BoardClass>(draw), row, parts != nullptr ? parts->RowEquity[draw] : -1.0);
    }
    const QString live = study::holdingsText(spot.Holdings, Separator);
    if (beatHero < 0.05)
        lblSummary->setText(tr("%1 live holdings; none of them beats you now.").arg(live));
    else
        lblSummary->setText(tr("%1 live holdings; %2 of them beat you now, %3 of the %4 range.")
                                .arg(live, study::holdingsText(beatHero, Separator),
                                     study::percentText(beatHero / spot.Holdings, 1, Separator), rangeName));
    table->setColumnHidden(kEquity, parts == nullptr || parts->Holdings <= 0.0);
    table->show();
    cmdKeep->show();
    cmdBack->show();
    showTicks();
    fitHeight();
}

void BoardRangeTable::addRow(equity::BoardClass boardClass, const equity::BoardClassRow& figures,
                             double heroEquity) {
    const double holdings = figures.Holdings;
    const double share = figures.Share;
    const double beatHero = figures.BeatHero;
    const QString name = className(boardClass);
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem* nameCell = cell(name, Qt::AlignLeft);
    nameCell->setToolTip(name);
    nameCell->setData(kBarRole, share / LargestShare);
    nameCell->setData(kClassRole, static_cast<int>(boardClass));
    nameCell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    nameCell->setCheckState(Qt::Checked);
    table->setItem(row, kClass, nameCell);
    table->setItem(row, kHoldings, cell(study::decimalText(holdings, 1, Separator), Qt::AlignRight));
    table->setItem(row, kShare, cell(study::percentText(share, 1, Separator), Qt::AlignRight));
    auto* beatCell = cell(study::decimalText(beatHero, 1, Separator), Qt::AlignRight);
    if (beatHero > 0.0)
        beatCell->setForeground(QColor(198, 40, 40));
    else
        beatCell->setForeground(QColor(150, 156, 164));
    table->setItem(row, kBeatHero, beatCell);
    if (heroEquity >= 0.0) {
        auto* equityCell = cell(study::percentText(heroEquity, 1, Separator), Qt::AlignRight);
        equityCell->setForeground(RangeGrid::equityColour(heroEquity).darker(140));
        table->setItem(row, kEquity, equityCell);
    }
}

void BoardRangeTable::addSection(const QString& name) {
    const int row = table->rowCount();
    table->insertRow(row);
    auto* heading = cell(name, Qt::AlignLeft);
    QFont font = table->font();
    font.setItalic(true);
    heading->setFont(font);
    heading->setForeground(QColor(96, 102, 110));
    table->setItem(row, kClass, heading);
    table->setSpan(row, kClass, 1, kColumnCount);
}

void BoardRangeTable::fitHeight() {
    int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
}

} // namespace tavolin
