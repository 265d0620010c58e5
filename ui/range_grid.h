#pragma once

#include "equity/holdings.h"

#include <QWidget>

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

    equity::HoldingWeights Weights{};
    bool Painting = false;
    double PaintWeight = 1.0;
    QPoint LastCell{-1, -1};
};

} // namespace tavolin
