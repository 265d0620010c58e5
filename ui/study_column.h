#pragma once

#include <QTabWidget>
#include <array>

class QScrollArea;
class QVBoxLayout;

namespace tavolin {

// The column right of the table, in tabs so that each part is one click away at any window size: the
// study panels, practice and the progress charts. Each tab scrolls when its panels are taller than the
// window.
class StudyColumn : public QTabWidget {
    Q_OBJECT
public:
    enum class Tab { kStudy, kPractice, kProgress };

    explicit StudyColumn(QWidget* parent);

    // Adds a panel under those already on `tab`.
    void addPanel(QWidget* panel, Tab tab = Tab::kStudy);
    // Shows `tab` and scrolls `panel` on it into view once the panels above it have their new heights.
    void bringIntoView(QWidget* panel, Tab tab);
    QScrollArea* scroller(Tab tab) const { return Scrollers[static_cast<std::size_t>(tab)]; }

private:
    std::array<QScrollArea*, 3> Scrollers{};
    std::array<QVBoxLayout*, 3> Panels{};
};

} // namespace tavolin
