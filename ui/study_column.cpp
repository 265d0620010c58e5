#include "ui/study_column.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolin {

StudyColumn::StudyColumn(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("studyColumn"));
    setDocumentMode(true);
    setFocusPolicy(Qt::NoFocus);
    const std::array<QString, 3> titles{tr("Study"), tr("Practice"), tr("Progress")};
    const std::array<const char*, 3> names{"studyPanels", "practicePanels", "progressPanels"};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* area = new QScrollArea;
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setFocusPolicy(Qt::NoFocus);
        auto* content = new QWidget;
        content->setObjectName(QString::fromLatin1(names[i]));
        auto* row = new QHBoxLayout(content);
        row->setContentsMargins(6, 6, 6, 6);
        for (QVBoxLayout*& column : Panels[i]) {
            column = new QVBoxLayout;
            column->addStretch(1);
            row->addLayout(column, 1);
        }
        area->setWidget(content);
        Scrollers[i] = area;
        addTab(area, titles[i]);
    }
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

void StudyColumn::addPanel(QWidget* panel, Tab tab, bool beside) {
    Placing[static_cast<std::size_t>(tab)].push_back({panel, beside});
    arrange(tab);
}

void StudyColumn::fillTab(QWidget* page, Tab tab) {
    const auto at = static_cast<std::size_t>(tab);
    // The page's own layout fills the tab; the empty panel columns it replaces go with their widget.
    Placing[at].clear();
    Panels[at] = {};
    delete Scrollers[at]->takeWidget();
    Scrollers[at]->setWidget(page);
}

void StudyColumn::arrange(Tab tab) {
    const auto& columns = Panels[static_cast<std::size_t>(tab)];
    if (columns[0] == nullptr) return;
    for (const Placed& placed : Placing[static_cast<std::size_t>(tab)]) {
        for (QVBoxLayout* either : columns)
            either->removeWidget(placed.Panel);
        QVBoxLayout* column = columns[TwoColumns && placed.Beside ? 1 : 0];
        column->insertWidget(column->count() - 1, placed.Panel);
    }
    // The second column takes no room while nothing stands in it.
    const bool used = columns[1]->count() > 1;
    static_cast<QHBoxLayout*>(columns[0]->parent())->setStretch(1, used ? 1 : 0);
}

void StudyColumn::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    const bool two = width() >= 2 * kReadingWidth;
    if (two == TwoColumns) return;
    TwoColumns = two;
    for (const Tab tab : {Tab::kStudy, Tab::kPractice, Tab::kProgress})
        arrange(tab);
}

void StudyColumn::bringIntoView(QWidget* panel, Tab tab) {
    QScrollArea* area = scroller(tab);
    setCurrentWidget(area);
    QTimer::singleShot(0, panel, [area, panel] { area->ensureWidgetVisible(panel, 0, 0); });
}

} // namespace tavolin
