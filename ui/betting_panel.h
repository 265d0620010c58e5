#pragma once

#include "equity/betting_range.h"
#include "ui/villains_panel.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tavolin {

// The villain's betting range: when he has bet, the equity line and the deck's shading face the part of his
// range that bets by a plain model the player sets here (his made hands from a chosen class up, his draws,
// and bluffs from his weakest holdings at bet : pot + bet). The view of the villain grid as a heat map of the
// hero's equity against each cell is switched here too.
class BettingPanel : public QWidget {
    Q_OBJECT
public:
    explicit BettingPanel(QWidget* parent = nullptr);

    equity::BettingModel model() const;
    bool heatMap() const;

    // The range that goes on facing `bet` into `pot`: the part of `range` that bets when the bet narrows it,
    // else `range` itself. Shows which it is.
    VillainRange narrow(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                        const QString& rangeName, double pot, double bet);
    void clear();
    // Says that the equity line faces several villains' whole ranges, as no one of them is known to bet.
    void showSeveralVillains();

    void setDecimalSeparator(const QString& separator) { Separator = separator; }

signals:
    void modelChanged();

private:
    QComboBox* cmbLowestValue;
    QCheckBox* chkDraws;
    QCheckBox* chkHeatMap;
    QLabel* lblRange;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
