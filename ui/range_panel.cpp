#include "ui/range_panel.h"

#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"
#include "ui/glossary.h"
#include "ui/range_grid.h"
#include "ui/study_style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace tavolin {
namespace {

// Long enough to finish a word, short enough that a pause shows the range at once.
constexpr int kTypingPauseMs = 700;

} // namespace

RangePanel::RangePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rangePanel"));
    study::usePaperLook(this);

    lblName = study::titleLabel(QString(), this);
    lblName->setObjectName(QStringLiteral("lblRangeName"));
    lblName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblName->setToolTip(studyTerm("edited"));
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblRangeCount"));
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCount->setMinimumWidth(lblCount->fontMetrics().horizontalAdvance(QStringLiteral("1,326 holdings")));

    txtRange = new QLineEdit(this);
    txtRange->setObjectName(QStringLiteral("txtRange"));
    txtRange->setStyleSheet(study::plainFieldStyle());
    txtRange->setPlaceholderText(tr("e.g. QQ+, AKs, AJo+, 88-55, AQo:0.5"));
    txtRange->setToolTip(tr("The villain's range: pairs TT+ or 88-55, AKs, AKo, AK, A9s+, K9s-K6s, AhKh, "
                            "weights AQo:0.5, random"));

    lblError = study::errorLabel(this);
    lblError->setObjectName(QStringLiteral("lblRangeError"));

    grid = new RangeGrid(this);

    sldTop = new QSlider(Qt::Horizontal, this);
    sldTop->setObjectName(QStringLiteral("sldTopPercent"));
    sldTop->setRange(0, 100);
    sldTop->setPageStep(5);
    sldTop->setToolTip(studyTerm("Top %"));
    grid->setToolTip(studyTerm("weights"));

    auto* slider = new QHBoxLayout;
    slider->addWidget(new QLabel(tr("Top"), this));
    slider->addWidget(sldTop, 1);
    slider->addWidget(lblCount);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);
    column->addWidget(lblName);
    column->addWidget(txtRange);
    column->addWidget(lblError);
    column->addWidget(grid);
    column->addLayout(slider);

    Pause = new QTimer(this);
    Pause->setSingleShot(true);
    Pause->setInterval(kTypingPauseMs);
    connect(Pause, &QTimer::timeout, this, [this] { readTypedText(false); });
    connect(txtRange, &QLineEdit::textEdited, this, [this] {
        lblError->hide();
        txtRange->setStyleSheet(study::plainFieldStyle());
        Pause->start();
    });
    connect(txtRange, &QLineEdit::editingFinished, this, [this] {
        if (Pause->isActive()) readTypedText(true);
        tidyTypedText();
    });
    connect(grid, &RangeGrid::edited, this, &RangePanel::takeGridEdit);
    connect(sldTop, &QSlider::valueChanged, this, &RangePanel::takeSliderValue);

    loadProfile(1);
}

void RangePanel::loadProfile(int preflopIndex) {
    const QSignalBlocker quiet(sldTop);
    const int percent = static_cast<int>(std::lround(ranges::profileTopPercent(preflopIndex)));
    sldTop->setValue(percent);
    Profile = QString::fromUtf8(ranges::profileName(preflopIndex));
    useRange(ranges::profileRange(preflopIndex), Profile, true);
}

void RangePanel::addControls(QWidget* controls) {
    layout()->addWidget(controls);
}

void RangePanel::setDecimalSeparator(const QString& separator) {
    Separator = separator;
    showCount();
}

void RangePanel::useRange(const equity::HoldingWeights& range, const QString& name, bool rewriteText) {
    Range = range;
    Name = name;
    if (rewriteText) showText(QString::fromStdString(ranges::rangeText(Range)));
    txtRange->setStyleSheet(study::plainFieldStyle());
    lblError->hide();
    grid->setWeights(Range);
    lblName->setText(tr("Villain range: %1").arg(Name));
    showCount();
    emit rangeChanged();
}

void RangePanel::showCount() {
    const double holdings = equity::liveWeight(Range, 0);
    QString text = tr("%1 holdings").arg(study::holdingsText(holdings, Separator));
    if (holdings < equity::kHoldingCount)
        text +=
            QStringLiteral(" (%1)").arg(study::percentText(holdings / equity::kHoldingCount, 1, Separator));
    lblCount->setText(text);
}

void RangePanel::readTypedText(bool finished) {
    Pause->stop();
    const ranges::RangeReading reading = ranges::readRange(txtRange->text().toStdString());
    if (!reading.Ok) {
        QString reason = QString::fromStdString(reading.Error.Message);
        const QString token = QString::fromStdString(reading.Error.Token);
        if (!reason.contains(token))
            reason = tr("\"%1\" (item %2): %3").arg(token).arg(reading.Error.Place).arg(reason);
        markUnreadable(reason);
        return;
    }
    takeEdit(reading.Weights, finished);
}

void RangePanel::takeEdit(const equity::HoldingWeights& range, bool rewriteText) {
    useRange(range, Profile.isEmpty() ? tr("Custom") : tr("%1, edited").arg(Profile), rewriteText);
}

void RangePanel::tidyTypedText() {
    if (lblError->isVisible()) return;
    const QString tidy = QString::fromStdString(ranges::rangeText(Range));
    if (txtRange->text() != tidy) showText(tidy);
}

void RangePanel::showText(const QString& text) {
    txtRange->setText(text);
    txtRange->setCursorPosition(0);
}

void RangePanel::markUnreadable(const QString& reason) {
    txtRange->setStyleSheet(study::markedFieldStyle());
    const QString inUse = QString::fromStdString(ranges::rangeText(Range));
    lblError->setText(tr("%1 Still in use: %2.").arg(reason, inUse.isEmpty() ? tr("no hand") : inUse));
    lblError->show();
}

void RangePanel::takeGridEdit() {
    takeEdit(grid->weights(), true);
}

void RangePanel::takeSliderValue(int percent) {
    takeEdit(ranges::topPercent(percent), true);
}

} // namespace tavolin
