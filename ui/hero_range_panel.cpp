#include "ui/hero_range_panel.h"

#include "ranges/range_text.h"
#include "ranges/starting_hands.h"
#include "ui/range_grid.h"
#include "ui/study_style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <bit>

namespace tavolin {
namespace {

// The grid's equity colours from 0% to 100%, with a mark every quarter.
class EquityLegend : public QWidget {
public:
    explicit EquityLegend(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("equityLegend"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return {200, fontMetrics().height() + 14}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int text = fontMetrics().height();
        const int margin = fontMetrics().horizontalAdvance(QStringLiteral("100%")) / 2 + 1;
        const QRect strip(margin, 0, width() - 2 * margin, height() - text - 2);
        for (int x = 0; x < strip.width(); ++x)
            painter.fillRect(
                strip.left() + x, strip.top(), 1, strip.height(),
                RangeGrid::equityColour(static_cast<double>(x) / std::max(1, strip.width() - 1)));
        painter.setPen(QColor(70, 74, 80));
        for (int quarter = 0; quarter <= 4; ++quarter) {
            const int x = strip.left() + (strip.width() - 1) * quarter / 4;
            painter.drawLine(x, strip.bottom() - 2, x, strip.bottom());
            painter.drawText(QRect(x - margin, strip.bottom() + 2, 2 * margin, text), Qt::AlignCenter,
                             QStringLiteral("%1%").arg(quarter * 25));
        }
    }
};

} // namespace

HeroRangePanel::HeroRangePanel(QWidget* parent)
    : QWidget(parent), Figures(std::make_unique<equity::RangeEquity>()) {
    setObjectName(QStringLiteral("heroRangePanel"));
    study::usePaperLook(this);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblHeroRangeCount"));
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtRange = new QLineEdit(this);
    txtRange->setObjectName(QStringLiteral("txtHeroRange"));
    txtRange->setStyleSheet(study::plainFieldStyle());
    txtRange->setPlaceholderText(tr("e.g. 77+, ATs+, KQs, AJo+ to see each hand's equity"));
    txtRange->setToolTip(tr("The hands the hero could hold here, in the villain range's notation; the grid "
                            "colours each by its exact equity against the villain's range"));
    lblError = study::errorLabel(this);
    lblError->setObjectName(QStringLiteral("lblHeroRangeError"));
    grid = new RangeGrid(this);
    grid->setObjectName(QStringLiteral("heroRangeGrid"));
    legend = new EquityLegend(this);
    legend->hide();
    lblLegendNote = new QLabel(tr("Each cell's exact equity against the villain's range on this board; pale "
                                  "cells: not in the range, or blocked by the board."),
                               this);
    lblLegendNote->setWordWrap(true);
    QPalette grey = lblLegendNote->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 102, 110));
    lblLegendNote->setPalette(grey);
    lblLegendNote->hide();

    auto* heading = new QHBoxLayout;
    heading->addWidget(study::titleLabel(tr("Hero range"), this), 1);
    heading->addWidget(lblCount);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);
    column->addLayout(heading);
    column->addWidget(txtRange);
    column->addWidget(lblError);
    column->addWidget(grid);
    column->addWidget(legend);
    column->addWidget(lblLegendNote);

    connect(txtRange, &QLineEdit::textEdited, this, &HeroRangePanel::readTypedText);
    connect(grid, &RangeGrid::edited, this, &HeroRangePanel::takeGridEdit);
    showCount();
}

HeroRangePanel::~HeroRangePanel() = default;

bool HeroRangePanel::hasRange() const {
    return equity::liveWeight(Range, 0) > 0.0;
}

const equity::RangeEquity& HeroRangePanel::figures() const {
    return *Figures;
}

void HeroRangePanel::setDecimalSeparator(const QString& separator) {
    Separator = separator;
    grid->setDecimalSeparator(separator);
    showCount();
}

void HeroRangePanel::showSpot(equity::CardMask board, const equity::HoldingWeights& villain) {
    const int boardCards = std::popcount(board);
    if (!hasRange() || boardCards < 3 || boardCards > 5) {
        clear();
        return;
    }
    Spot spot{board, Range, villain};
    if (!Computed || !(*Computed == spot)) {
        *Figures = equity::rangeEquity(Range, villain, board);
        Computed = std::make_unique<Spot>(spot);
    }
    std::array<equity::CellEquity, RangeGrid::kSide * RangeGrid::kSide> cells;
    for (int row = 0; row < RangeGrid::kSide; ++row) {
        for (int column = 0; column < RangeGrid::kSide; ++column) {
            const ranges::StartingHand hand = ranges::gridHand(row, column);
            cells[static_cast<std::size_t>(row * RangeGrid::kSide + column)] =
                equity::cellEquity(*Figures, hand.High, hand.Low, hand.Suited);
        }
    }
    grid->showEquities(cells);
    legend->show();
    lblLegendNote->show();
}

void HeroRangePanel::clear() {
    *Figures = {};
    Computed.reset();
    grid->hideEquities();
    legend->hide();
    lblLegendNote->hide();
}

void HeroRangePanel::useRange(const equity::HoldingWeights& range, bool rewriteText) {
    Range = range;
    if (rewriteText) {
        txtRange->setText(QString::fromStdString(ranges::rangeText(Range)));
        txtRange->setCursorPosition(0);
    }
    txtRange->setStyleSheet(study::plainFieldStyle());
    lblError->hide();
    grid->setWeights(Range);
    showCount();
    emit rangeChanged();
}

void HeroRangePanel::readTypedText(const QString& text) {
    const ranges::RangeReading reading = ranges::readRange(text.toStdString());
    if (reading.Ok) {
        useRange(reading.Weights, false);
        return;
    }
    txtRange->setStyleSheet(study::markedFieldStyle());
    const QString inUse = QString::fromStdString(ranges::rangeText(Range));
    lblError->setText(
        tr("%1 Still in use: %2.")
            .arg(QString::fromStdString(reading.Error.Message), inUse.isEmpty() ? tr("no hand") : inUse));
    lblError->show();
}

void HeroRangePanel::takeGridEdit() {
    useRange(grid->weights(), true);
}

void HeroRangePanel::showCount() {
    const double holdings = equity::liveWeight(Range, 0);
    lblCount->setText(holdings > 0.0 ? tr("%1 holdings").arg(study::holdingsText(holdings, Separator))
                                     : tr("none: type a range or click the grid"));
}

} // namespace tavolin
