#include "practice/answer_check.h"
#include "ui/progress_charts.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

namespace tavolin::ui {

QChartView* estimateChart(const journal::EstimateSummary& summary) {
    auto* chart = new QChart;
    chart->setTitle(QString("Equity estimates: %1 answers, %2 points off on average")
                        .arg(summary.Estimates.size())
                        .arg(summary.MeanAbsoluteError, 0, 'f', 1));
    const double band = practice::kEquityPoints;
    auto* upper = new QLineSeries;
    upper->append({{0, band}, {100 - band, 100}, {100, 100}});
    auto* lower = new QLineSeries;
    lower->append({{0, 0}, {band, 0}, {100, 100 - band}});
    auto* right = new QAreaSeries(upper, lower);
    right->setName(QString("right (within %1 points)").arg(band));
    right->setColor(QColor(60, 170, 80, 60));
    right->setBorderColor(Qt::transparent);
    auto* diagonal = new QLineSeries;
    diagonal->setName("exact");
    diagonal->append({{0, 0}, {100, 100}});
    diagonal->setColor(QColor(60, 120, 60));
    auto* answers = new QScatterSeries;
    answers->setName("your answers");
    answers->setMarkerSize(7);
    answers->setColor(QColor(40, 90, 200, 170));
    answers->setBorderColor(Qt::transparent);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(summary.Estimates.size()));
    for (const journal::EquityEstimate& estimate : summary.Estimates)
        points.append({estimate.Exact, estimate.Answer});
    answers->append(points);

    auto* exactAxis = new QValueAxis;
    exactAxis->setRange(0, 100);
    exactAxis->setTitleText("exact equity, %");
    exactAxis->setLabelFormat("%d");
    auto* answerAxis = new QValueAxis;
    answerAxis->setRange(0, 100);
    answerAxis->setTitleText("your answer, %");
    answerAxis->setLabelFormat("%d");
    chart->addAxis(exactAxis, Qt::AlignBottom);
    chart->addAxis(answerAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{right, diagonal, answers}) {
        chart->addSeries(series);
        series->attachAxis(exactAxis);
        series->attachAxis(answerAxis);
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace tavolin::ui
