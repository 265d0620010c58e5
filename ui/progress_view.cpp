#include "ui/progress_view.h"

#include "ui/leak_table.h"
#include "ui/progress_charts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tavolin::ui {
namespace {

const char* const kFirstSteps = R"(<h2>No answers yet</h2>
<p><b>What to do first:</b> open <i>Practice</i>, choose the questions (<i>Strength</i> and <i>Call or fold</i>
are a good start) and answer 20 spots. Every answer is kept in the journal.</p>
<p>This page then shows how your accuracy moves from session to session, how close your equity guesses
come to the exact figure, the kinds of spot you miss most (once a kind has %1 answers), each with a
button to drill it, and the missed spots due for review.</p>
<p>In a terminal: <tt>tavolin-report --practice --count 20</tt></p>)";

QLabel* wrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setContentsMargins(8, 8, 8, 8);
    return label;
}

// A panel of two widgets, one above the other; the chart or the table of the two takes the room left.
QWidget* column(QWidget* top, QWidget* bottom, bool topGrows) {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(top, topGrows ? 1 : 0);
    layout->addWidget(bottom, topGrows ? 0 : 1);
    return panel;
}

} // namespace

ProgressView::ProgressView(DrillLeak drill, QWidget* parent)
    : QWidget(parent), Drill(std::move(drill)), Grid(new QGridLayout(this)) {
    Grid->setColumnStretch(0, 1);
    Grid->setColumnStretch(1, 1);
    showProgress({});
}

void ProgressView::clear() {
    while (QLayoutItem* item = Grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    Panels = {};
}

void ProgressView::showMessage(const QString& text) {
    clear();
    auto* label = wrappedLabel(text);
    QFont larger = label->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    label->setFont(larger);
    label->setMinimumWidth(560);
    label->setMaximumWidth(760);
    label->setContentsMargins(32, 32, 32, 32);
    Grid->addWidget(label, 0, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);
}

void ProgressView::showProgress(const journal::Progress& progress) {
    if (progress.Answers == 0) {
        showMessage(QString(kFirstSteps).arg(journal::kLeakMinimumAnswers));
        return;
    }
    clear();
    Panels[0] = accuracyChart(progress.Accuracy);

    const journal::EstimateSummary& estimates = progress.Estimates;
    if (estimates.Estimates.empty())
        Panels[1] = wrappedLabel("<b>Equity estimates</b><p>Answer some <i>Equity</i> questions in Practice: "
                                 "your guesses then show here against the exact equity.</p>");
    else
        Panels[1] =
            column(estimateChart(estimates), wrappedLabel(QString::fromStdString(estimates.Sentence)), true);

    const QString heading = QString("<b>Leaks</b>: kinds of spot with at least %1 answers, the most misses "
                                    "beyond your usual rate first")
                                .arg(journal::kLeakMinimumAnswers);
    if (progress.Leaks.empty())
        Panels[2] = wrappedLabel(heading + QString("<p>No kind of spot has %1 answers yet. A kind is the "
                                                   "street, the board, your hand's strength and how close "
                                                   "the call is; keep practising.</p>")
                                               .arg(journal::kLeakMinimumAnswers));
    else
        Panels[2] = column(wrappedLabel(heading), leakTable(progress.Leaks, Drill), false);
    Panels[3] = reviewChart(progress.Review);
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        Panels[i]->setMinimumSize(360, 260);
        Grid->addWidget(Panels[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
}

bool ProgressView::showJournal(journal::Journal& journal, journal::Time now) {
    const auto progress = journal.progress(now);
    if (!progress) {
        showMessage(
            QString("<h2>The journal cannot be read</h2><p>%1 could not be read to the end; it is left "
                    "as it is.</p>")
                .arg(QString::fromStdString(journal.path()).toHtmlEscaped()));
        return false;
    }
    showProgress(*progress);
    return true;
}

bool ProgressView::savePanel(ProgressPanel which, const QString& path) const {
    QWidget* chosen = panel(which);
    if (chosen == nullptr) return false;
    if (!isVisible()) const_cast<ProgressView*>(this)->renderImage(size().expandedTo({1200, 800}));
    return chosen->grab().save(path, "PNG");
}

QImage ProgressView::renderImage(QSize size) {
    // Only a view of its own is shown off screen to be laid out; in the window it is drawn where it is.
    if (isWindow() && !isVisible()) {
        setAttribute(Qt::WA_DontShowOnScreen);
        show();
    }
    resize(size);
    QCoreApplication::processEvents();
    return grab().toImage();
}

} // namespace tavolin::ui
