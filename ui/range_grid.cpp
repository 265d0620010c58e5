#include "ui/range_grid.h"

#include "cards/card.h"
#include "ranges/starting_hands.h"
#include "ui/study_style.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace tavolin {
namespace {

constexpr int kPreferredCell = 28;
constexpr int kSmallestCell = 20;

const QColor kEmptyCell(238, 240, 242);
const QColor kEmptyPair(226, 229, 233);
const QColor kFullCell(214, 98, 36);
const QColor kGridLine(255, 255, 255);

QColor blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

bool isDark(const QColor& color) {
    return 0.299 * color.red() + 0.587 * color.green() + 0.114 * color.blue() < 150.0;
}

// Calls `visit` with the holding index of every holding of a starting hand.
template <typename Visit> void forEachHolding(const ranges::StartingHand& hand, Visit visit) {
    for (int first = 0; first < 4; ++first) {
        for (int second = 0; second < 4; ++second) {
            const bool pair = hand.High == hand.Low;
            if (pair ? first >= second : (first == second) != hand.Suited) continue;
            visit(equity::holdingIndex(Card(hand.High, first).index(), Card(hand.Low, second).index()));
        }
    }
}

QString handLabel(const ranges::StartingHand& hand) {
    return QString::fromStdString(ranges::startingHandName(hand));
}

} // namespace

RangeGrid::RangeGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rangeGrid"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
}

void RangeGrid::setWeights(const equity::HoldingWeights& weights) {
    Weights = weights;
    update();
}

void RangeGrid::showEquities(const std::array<equity::CellEquity, kSide * kSide>& cells) {
    Equities = cells;
    update();
}

void RangeGrid::hideEquities() {
    Equities.reset();
    update();
}

QColor RangeGrid::equityColour(double equity) {
    const QColor kLosing(198, 40, 40);
    const QColor kEven(240, 180, 41);
    const QColor kWinning(46, 125, 50);
    const double share = std::clamp(equity, 0.0, 1.0);
    return share < 0.5 ? blend(kLosing, kEven, share * 2.0) : blend(kEven, kWinning, share * 2.0 - 1.0);
}

QColor RangeGrid::cellFill(int row, int column) const {
    const QColor empty = row == column ? kEmptyPair : kEmptyCell;
    if (!Equities) return blend(empty, kFullCell, cellWeight(row, column));
    const equity::CellEquity& cell = (*Equities)[static_cast<std::size_t>(row * kSide + column)];
    return cell.Holdings > 0.0 ? equityColour(cell.Equity) : empty;
}

QString RangeGrid::cellTip(int row, int column) const {
    const ranges::StartingHand hand = ranges::gridHand(row, column);
    if (!Equities)
        return tr("%1: %2 holdings, %3% in the range")
            .arg(handLabel(hand))
            .arg(ranges::holdingsOf(hand))
            .arg(std::lround(cellWeight(row, column) * 100.0));
    const equity::CellEquity& cell = (*Equities)[static_cast<std::size_t>(row * kSide + column)];
    if (cell.Holdings <= 0.0)
        return cellWeight(row, column) > 0.0 ? tr("%1: no live holding on this board").arg(handLabel(hand))
                                             : tr("%1: not in the range").arg(handLabel(hand));
    return EquityPrefix + tr("%1: %2 holdings, %3")
                              .arg(handLabel(hand), study::holdingsText(cell.Holdings, Separator),
                                   study::percentText(cell.Equity, 1, Separator));
}

double RangeGrid::cellWeight(int row, int column) const {
    double sum = 0.0;
    int count = 0;
    forEachHolding(ranges::gridHand(row, column), [&](int holding) {
        sum += Weights[holding];
        ++count;
    });
    return count > 0 ? sum / count : 0.0;
}

double RangeGrid::cellSize() const {
    return std::max(1, std::min(width(), height()) / kSide);
}

QRect RangeGrid::cellRect(int row, int column) const {
    const int size = static_cast<int>(cellSize());
    const int left = (width() - size * kSide) / 2;
    return {left + column * size, row * size, size, size};
}

QPoint RangeGrid::cellAt(QPointF position) const {
    const QRect first = cellRect(0, 0);
    const int column = static_cast<int>(std::floor((position.x() - first.left()) / first.width()));
    const int row = static_cast<int>(std::floor((position.y() - first.top()) / first.height()));
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return {-1, -1};
    return {column, row};
}

QSize RangeGrid::sizeHint() const {
    return {kSide * kPreferredCell, kSide * kPreferredCell};
}

QSize RangeGrid::minimumSizeHint() const {
    return {kSide * kSmallestCell, kSide * kSmallestCell};
}

void RangeGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = this->font();
    const int size = static_cast<int>(cellSize());
    font.setPixelSize(std::max(8, static_cast<int>(size * 0.4)));
    painter.setFont(font);
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            const QRect cell = cellRect(row, column);
            const QColor fill = cellFill(row, column);
            painter.fillRect(cell, kGridLine);
            painter.fillRect(cell.adjusted(0, 0, -1, -1), fill);
            painter.setPen(isDark(fill) ? Qt::white : QColor(70, 74, 80));
            painter.drawText(cell.adjusted(0, 0, -1, -1), Qt::AlignCenter,
                             handLabel(ranges::gridHand(row, column)));
        }
    }
}

void RangeGrid::paintCell(int row, int column) {
    LastCell = {column, row};
    const ranges::StartingHand hand = ranges::gridHand(row, column);
    bool changed = false;
    forEachHolding(hand, [&](int holding) { changed = changed || Weights[holding] != PaintWeight; });
    if (!changed) return;
    ranges::setStartingHand(Weights, hand, PaintWeight);
    update(cellRect(row, column));
    emit edited();
}

void RangeGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position());
    if (event->button() != Qt::LeftButton || cell.x() < 0) return;
    Painting = true;
    PaintWeight = cellWeight(cell.y(), cell.x()) > 0.0 ? 0.0 : 1.0;
    paintCell(cell.y(), cell.x());
}

void RangeGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!Painting) return;
    const QPoint cell = cellAt(event->position());
    if (cell.x() >= 0 && cell != LastCell) paintCell(cell.y(), cell.x());
}

void RangeGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Painting = false;
}

bool RangeGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint cell = cellAt(help->pos());
    if (cell.x() < 0) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), cellTip(cell.y(), cell.x()), this, cellRect(cell.y(), cell.x()));
    return true;
}

} // namespace tavolin
