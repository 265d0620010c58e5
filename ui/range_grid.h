#pragma once

#include "equity/holdings.h"
#include "equity/range_equity.h"

#include <QWidget>
#include <array>
#include <optional>

namespace tavolin {

// The 13x13 starting-hand grid: pairs on the diagonal, suited hands above it, offsuit hands below, each cell
// shaded by the share of its holdings in the range. A click toggles a cell; a drag paints every cell it
// crosses with the state the first cell took.
class RangeGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 13;

    explicit RangeGrid(QWidget* parent = nullptr);

    void setWeights(const equity::HoldingWeights& weights);
    const equity::HoldingWeights& weights() const { return Weights; }

    // Colours each cell by its equity (by row * kSide + column) rather than by its weight; a cell without
    // holdings with matchups stays empty. Until hideEquities(), clicks still edit the weights.
    void showEquities(const std::array<equity::CellEquity, kSide * kSide>& cells);
    void hideEquities();
    bool showsEquities() const { return Equities.has_value(); }
    // The colour of an equity 0..1: red at 0, amber at one half, green at 1.
    static QColor equityColour(double equity);
    void setDecimalSeparator(const QString& separator) { Separator = separator; }
    // Put before each cell's equity tip, such as "vs " when the equities are the hero's against the cell.
    void setEquityPrefix(const QString& prefix) { EquityPrefix = prefix; }

    // The mean weight of the cell's holdings, 0..1.
    double cellWeight(int row, int column) const;
    QRect cellRect(int row, int column) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The player changed cells; weights() holds the new range.
    void edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Row and column under a point, or -1, -1 outside the grid.
    QPoint cellAt(QPointF position) const;
    double cellSize() const;
    void paintCell(int row, int column);
    QColor cellFill(int row, int column) const;
    QString cellTip(int row, int column) const;

    equity::HoldingWeights Weights{};
    std::optional<std::array<equity::CellEquity, kSide * kSide>> Equities;
    QString Separator = QStringLiteral(".");
    QString EquityPrefix;
    bool Painting = false;
    double PaintWeight = 1.0;
    QPoint LastCell{-1, -1};
};

} // namespace tavolin
