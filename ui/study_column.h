#pragma once

#include <QTabWidget>
#include <array>
#include <vector>

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

    // Adds a panel under those already on `tab`. A panel `beside` the others stands in a second column
    // when the column is wide enough for two, else in its turn under them.
    void addPanel(QWidget* panel, Tab tab = Tab::kStudy, bool beside = false);
    // Makes `page` the whole of `tab`, filling it; for a tab that holds no panels.
    void fillTab(QWidget* page, Tab tab);
    // Shows `tab` and scrolls `panel` on it into view once the panels above it have their new heights.
    void bringIntoView(QWidget* panel, Tab tab);
    QScrollArea* scroller(Tab tab) const { return Scrollers[static_cast<std::size_t>(tab)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placed {
        QWidget* Panel;
        bool Beside;
    };
    static constexpr int kReadingWidth = 420;
    void arrange(Tab tab);

    std::array<QScrollArea*, 3> Scrollers{};
    std::array<std::array<QVBoxLayout*, 2>, 3> Panels{};
    std::array<std::vector<Placed>, 3> Placing{};
    bool TwoColumns = false;
};

} // namespace tavolin
