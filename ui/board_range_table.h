#pragma once

#include "equity/holdings.h"

#include <QString>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace tavolin {

// What the villain's range holds on this board: one row per class with live holdings (classes without any
// are left out), the made hands first, then on the flop and turn the draws among them. Each row gives the
// weighted holdings, their share of the live range and how many of them beat the hero now.
class BoardRangeTable : public QWidget {
    Q_OBJECT
public:
    explicit BoardRangeTable(QWidget* parent = nullptr);

    // `rangeName` names the range in the count of holdings that beat the hero ("of the Semiloose range").
    void showSpot(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                  const QString& rangeName = QStringLiteral("villain's"));
    void clear();

    void setDecimalSeparator(const QString& separator) { Separator = separator; }

private:
    void addRow(const QString& name, double holdings, double share, double beatHero);
    void addSection(const QString& name);
    void fitHeight();

    QLabel* lblSummary;
    QTableWidget* table;
    QString Separator = QStringLiteral(".");
    double LargestShare = 1.0;
};

} // namespace tavolin
