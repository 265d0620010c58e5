#pragma once

#include "equity/equity_by_part.h"
#include "equity/kept_classes.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavolin {

// What the villain's range holds on this board: one row per class with live holdings (classes without any
// are left out), the made hands first, then on the flop and turn the draws among them. Each row gives the
// weighted holdings, their share of the live range, how many of them beat the hero now and, when given, the
// hero's equity against the row. Each row has a tick box: keeping the ticked rows narrows the range that goes
// on, and "Back to the profile" undoes it.
class BoardRangeTable : public QWidget {
    Q_OBJECT
public:
    explicit BoardRangeTable(QWidget* parent = nullptr);

    // `rangeName` names the range in the count of holdings that beat the hero ("of the Semiloose range").
    void showSpot(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                  const QString& rangeName = QStringLiteral("villain's"),
                  const equity::EquityByPart* parts = nullptr);
    void clear();
    // What the range shown keeps ("top pair, flush draw"), which "Back to the profile" can undo; empty when
    // it is not a kept range.
    void setKept(const QString& kept);
    // The rows ticked now; every row the table does not show counts as not kept.
    equity::KeptClasses ticked() const;

    void setDecimalSeparator(const QString& separator) { Separator = separator; }

signals:
    void keepRequested(const equity::KeptClasses& kept);
    void backToProfileRequested();

private:
    void addRow(equity::BoardClass boardClass, const equity::BoardClassRow& row, double heroEquity);
    void showTicks();
    void addSection(const QString& name);
    void fitHeight();

    QLabel* lblSummary;
    QLabel* lblKept;
    QTableWidget* table;
    QPushButton* cmdKeep;
    QPushButton* cmdBack;
    QString Separator = QStringLiteral(".");
    double LargestShare = 1.0;
};

} // namespace tavolin
