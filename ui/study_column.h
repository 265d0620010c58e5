#pragma once

#include <QScrollArea>

class QVBoxLayout;

namespace tavolin {

// The column right of the table where the study panels stand one under the other; it scrolls when they
// are taller than the window.
class StudyColumn : public QScrollArea {
    Q_OBJECT
public:
    explicit StudyColumn(QWidget* parent);

    // The widest the column is of use: the panels at their reading width and the scroll bar.
    int widestUseful() const;
    // Adds a panel under those already there.
    void addPanel(QWidget* panel);
    // Scrolls `panel` into view once the panels above it have taken their new heights.
    void bringIntoView(QWidget* panel);

private:
    static constexpr int kMaximumWidth = 620;
    QVBoxLayout* Panels;
};

} // namespace tavolin
