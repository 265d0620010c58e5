#include "ui/progress_charts.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <array>
#include <string_view>

namespace tavolin::ui {
namespace {

// The journal's words for the questions, and the names the practice panel gives them.
constexpr std::array<std::pair<std::string_view, const char*>, 5> kQuestionNames{{
    {"tier", "Strength"},
    {"outs", "Outs"},
    {"equity", "Equity"},
    {"decision", "Call or fold"},
    {"straight outs", "Straight outs"},
}};

QString questionName(const std::string& word) {
    for (const auto& [journalWord, name] : kQuestionNames) {
        if (journalWord == word) return name;
    }
    return QString::fromStdString(word);
}

} // namespace

QChartView* accuracyChart(const journal::AccuracySeries& series) {
    auto* chart = new QChart;
    chart->setTitle(series.BySession ? "Accuracy by session (bars: answers)"
                                     : "Accuracy by day (bars: answers)");
    const int periods = static_cast<int>(series.Periods.size());
    const int first = std::max(0, periods - kMostPeriods);
    auto* periodAxis = new QBarCategoryAxis;
    for (int period = first; period < periods; ++period) {
        const QString name = QString::fromStdString(series.Periods[static_cast<std::size_t>(period)]);
        // The day of the month: whole dates side by side would be cut short.
        periodAxis->append(series.BySession ? name : QString::number(name.mid(8).toInt()));
    }
    if (!series.BySession && periods > 0)
        periodAxis->setTitleText(
            QString("days from %1 to %2")
                .arg(QString::fromStdString(series.Periods[static_cast<std::size_t>(first)]),
                     QString::fromStdString(series.Periods.back())));
    auto* percentAxis = new QValueAxis;
    percentAxis->setRange(0, 100);
    percentAxis->setLabelFormat("%d%%");
    percentAxis->setTitleText("right");
    auto* countAxis = new QValueAxis;
    countAxis->setLabelFormat("%d");
    countAxis->setTitleText("answers");
    chart->addAxis(periodAxis, Qt::AlignBottom);
    chart->addAxis(percentAxis, Qt::AlignLeft);
    chart->addAxis(countAxis, Qt::AlignRight);

    auto* bars = new QStackedBarSeries;
    int most = 1;
    std::vector<int> totals(static_cast<std::size_t>(periods - first));
    for (const auto& [question, points] : series.Questions) {
        auto* line = new QLineSeries;
        line->setName(questionName(question));
        line->setPointsVisible(true);
        auto* set = new QBarSet(QString());
        for (int period = first; period < periods; ++period) {
            const journal::AccuracyPoint& point = points[static_cast<std::size_t>(period)];
            *set << point.Answers;
            totals[static_cast<std::size_t>(period - first)] += point.Answers;
            if (point.Answers > 0) line->append(period - first, 100.0 * point.Right / point.Answers);
        }
        chart->addSeries(line);
        line->attachAxis(periodAxis);
        line->attachAxis(percentAxis);
        QColor faint = line->color();
        faint.setAlpha(70);
        set->setColor(faint);
        set->setBorderColor(faint);
        bars->append(set);
    }
    for (const int total : totals)
        most = std::max(most, total);
    countAxis->setRange(0, most * 2); // the bars keep to the lower half, under the lines
    countAxis->applyNiceNumbers();
    bars->setBarWidth(0.5);
    chart->addSeries(bars);
    bars->attachAxis(periodAxis);
    bars->attachAxis(countAxis);
    // The bars' sets have no names: the legend lists the question kinds once, by their lines.
    for (QLegendMarker* marker : chart->legend()->markers(bars))
        marker->setVisible(false);
    chart->legend()->setAlignment(Qt::AlignTop);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace tavolin::ui
