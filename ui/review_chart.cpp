#include "ui/progress_charts.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>
#include <algorithm>

namespace tavolin::ui {

QChartView* reviewChart(const journal::ReviewSummary& review) {
    auto* chart = new QChart;
    chart->setTitle(QString("Review queue: %1 due today, %2 this week, %3 in all")
                        .arg(review.DueToday)
                        .arg(review.DueThisWeek)
                        .arg(review.Queued));
    auto* spots = new QBarSet("spots");
    auto* boxes = new QBarCategoryAxis;
    int most = 1;
    for (std::size_t box = 0; box < review.ByBox.size(); ++box) {
        *spots << review.ByBox[box];
        most = std::max(most, review.ByBox[box]);
        boxes->append(QString::number(box + 1));
    }
    // Bare box numbers fit under their bars in a narrow chart; the title gives each box's wait.
    QStringList waits;
    for (const int days : journal::kBoxDays)
        waits << QString::number(days);
    boxes->setTitleText(QString("box: back after %1 days").arg(waits.join(", ")));
    spots->setColor(QColor(200, 140, 40));
    auto* series = new QBarSeries;
    series->append(spots);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    auto* count = new QValueAxis;
    count->setRange(0, most);
    count->applyNiceNumbers(); // whole-number ticks, so that a bar's height reads off the axis
    count->setLabelFormat("%d");
    count->setTitleText("spots");
    chart->addSeries(series);
    chart->addAxis(boxes, Qt::AlignBottom);
    chart->addAxis(count, Qt::AlignLeft);
    series->attachAxis(boxes);
    series->attachAxis(count);
    chart->legend()->hide();
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace tavolin::ui
