#pragma once

#include "journal/journal.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QGridLayout;

namespace tavolin::ui {

enum class ProgressPanel { kAccuracy, kEstimates, kLeaks, kReview };

// The journal in charts: accuracy over time, the equity estimates, the leaks with a drill for each, and
// the review queue. With no answers it says what to do first instead.
class ProgressView : public QWidget {
    Q_OBJECT

public:
    using DrillLeak = std::function<void(const journal::LeakRow&)>;

    explicit ProgressView(DrillLeak drill, QWidget* parent = nullptr);

    void showProgress(const journal::Progress& progress);
    // Reads the journal; false, with the reason shown in the view, when it cannot be read.
    bool showJournal(journal::Journal& journal, journal::Time now);

    // The panel, or nullptr when the view shows no charts.
    QWidget* panel(ProgressPanel which) const { return Panels[static_cast<std::size_t>(which)]; }
    // Saves one panel as a PNG picture; false when there is no such panel or the file cannot be written.
    bool savePanel(ProgressPanel which, const QString& path) const;
    // The whole view drawn at `size`, as a screenshot shows it.
    QImage renderImage(QSize size);

private:
    void clear();
    void showMessage(const QString& text);

    DrillLeak Drill;
    QGridLayout* Grid;
    std::array<QWidget*, 4> Panels{};
};

} // namespace tavolin::ui
