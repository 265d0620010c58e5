#pragma once

#include "journal/progress.h"

#include <QtCharts/QChartView>

namespace tavolin::ui {

// The charts of the progress view, each ready to show. Their texts are the player's figures; nothing in
// them reads the journal.

// Accuracy per question kind by period (lines, left axis) over the answers it stands on (stacked bars,
// right axis); the latest kMostPeriods periods.
constexpr int kMostPeriods = 14;
QChartView* accuracyChart(const journal::AccuracySeries& series);

// The equity answers against the exact figures, with the diagonal and the band of a right answer.
QChartView* estimateChart(const journal::EstimateSummary& summary);

// The review queue by box, and what is due today and this week in the title.
QChartView* reviewChart(const journal::ReviewSummary& review);

} // namespace tavolin::ui
