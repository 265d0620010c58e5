#include "ui/betting_panel.h"

#include "ui/glossary.h"
#include "ui/study_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace tavolin {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

BettingPanel::BettingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bettingPanel"));
    study::usePaperLook(this);

    cmbLowestValue = new QComboBox(this);
    cmbLowestValue->setObjectName(QStringLiteral("cmbLowestValue"));
    // The made classes from the strongest down; "no pair" makes every made hand a value bet.
    for (int made = 0; made < equity::kMadeClassCount; ++made)
        cmbLowestValue->addItem(fromView(equity::boardClassName(static_cast<equity::BoardClass>(made))),
                                made);
    cmbLowestValue->setCurrentIndex(static_cast<int>(equity::BettingModel{}.LowestValue));
    cmbLowestValue->setToolTip(tr("The weakest made hand he bets for value"));
    chkDraws = new QCheckBox(tr("Draws bet"), this);
    chkDraws->setObjectName(QStringLiteral("chkDrawsBet"));
    chkDraws->setChecked(equity::BettingModel{}.DrawsBet);
    chkHeatMap = new QCheckBox(tr("Villain grid: your equity against each cell"), this);
    chkHeatMap->setObjectName(QStringLiteral("chkHeatMap"));
    lblRange = new QLabel(this);
    lblRange->setObjectName(QStringLiteral("lblBettingRange"));
    lblRange->setWordWrap(true);
    lblRange->setToolTip(studyTerm("betting range"));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Value from"), this));
    row->addWidget(cmbLowestValue, 1);
    row->addWidget(chkDraws);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(4);
    column->addWidget(study::titleLabel(tr("Range that bets"), this));
    column->addLayout(row);
    column->addWidget(lblRange);
    column->addWidget(chkHeatMap);

    connect(cmbLowestValue, &QComboBox::currentIndexChanged, this, &BettingPanel::modelChanged);
    connect(chkDraws, &QCheckBox::toggled, this, &BettingPanel::modelChanged);
    connect(chkHeatMap, &QCheckBox::toggled, this, &BettingPanel::modelChanged);
    clear();
}

equity::BettingModel BettingPanel::model() const {
    return {static_cast<equity::BoardClass>(cmbLowestValue->currentData().toInt()), chkDraws->isChecked()};
}

bool BettingPanel::heatMap() const {
    return chkHeatMap->isChecked();
}

VillainRange BettingPanel::narrow(equity::CardMask hero, equity::CardMask board,
                                  const equity::HoldingWeights& range, const QString& rangeName, double pot,
                                  double bet) {
    const equity::BettingRange betting = equity::bettingRange(hero, board, range, pot, bet, model());
    const QString words = QString::fromStdString(equity::bettingRangeWords(betting, rangeName.toStdString()));
    if (!betting.Narrowed || betting.Holdings <= 0.0) {
        lblRange->setText(std::isfinite(bet) && bet > 0.0
                              ? tr("Nothing bets by this model: against %1.").arg(words)
                              : tr("No bet yet: against %1.").arg(words));
        return {range, rangeName};
    }
    lblRange->setText(tr("Against %1: value %2, draws %3, bluffs %4 (%5).")
                          .arg(words, study::holdingsText(betting.Value, Separator),
                               study::holdingsText(betting.Draws, Separator),
                               study::holdingsText(betting.Bluffs, Separator),
                               QString::fromStdString(betting.Model)));
    // Without enough weak holdings the bet is mostly value, and a bluff-catcher needs more than the price.
    if (betting.Bluffs + 0.05 < betting.WantedBluffs)
        lblRange->setText(lblRange->text() + QLatin1Char(' ') +
                          tr("Too few weak holdings for the bluffs the bet size calls for (%1).")
                              .arg(study::holdingsText(betting.WantedBluffs, Separator)));
    return {betting.Weights, tr("%1 that bet").arg(rangeName)};
}

void BettingPanel::showSeveralVillains() {
    lblRange->setText(tr("Against several villains the equity line faces their whole ranges: which of them "
                         "bet is not known."));
}

void BettingPanel::clear() {
    lblRange->setText(tr("Shown with the report when the villain has bet."));
}

} // namespace tavolin
