#pragma once

#include "equity/range_equity.h"

#include <QString>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;

namespace tavolin {

class RangeGrid;

// The hero's range, typed like the villain's, on its own starting-hand grid. On a board each cell is coloured
// by the exact equity of its holdings against the villain's range; a legend reads the colours. The figures
// are worked out again only when the board or either range changes.
class HeroRangePanel : public QWidget {
    Q_OBJECT
public:
    explicit HeroRangePanel(QWidget* parent = nullptr);
    ~HeroRangePanel() override;

    const equity::HoldingWeights& range() const { return Range; }
    void setRange(const equity::HoldingWeights& range) { useRange(range, true); }
    bool hasRange() const;

    // Colours the grid against `villain` on `board` (three to five cards); another board shows the plain
    // range.
    void showSpot(equity::CardMask board, const equity::HoldingWeights& villain);
    // The plain range, as while the report is hidden.
    void clear();
    // The figures of the last spot shown; HeroHoldings == 0 when there are none.
    const equity::RangeEquity& figures() const;

    void setDecimalSeparator(const QString& separator);

signals:
    void rangeChanged();

private:
    void readTypedText(const QString& text);
    void takeGridEdit();
    void useRange(const equity::HoldingWeights& range, bool rewriteText);
    void showCount();

    QLineEdit* txtRange;
    QLabel* lblError;
    QLabel* lblCount;
    RangeGrid* grid;
    QWidget* legend;
    QLabel* lblLegendNote;

    equity::HoldingWeights Range{};
    // The spot the figures belong to, so that a repeat costs nothing.
    struct Spot {
        equity::CardMask Board = 0;
        equity::HoldingWeights Hero{};
        equity::HoldingWeights Villain{};
        bool operator==(const Spot&) const = default;
    };
    std::unique_ptr<Spot> Computed;
    std::unique_ptr<equity::RangeEquity> Figures;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
