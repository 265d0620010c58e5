#include "ui/study_column.h"

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
        Panels[i] = new QVBoxLayout(content);
        Panels[i]->setContentsMargins(6, 6, 6, 6);
        Panels[i]->addStretch(1);
        area->setWidget(content);
        Scrollers[i] = area;
        addTab(area, titles[i]);
    }
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

void StudyColumn::addPanel(QWidget* panel, Tab tab) {
    QVBoxLayout* panels = Panels[static_cast<std::size_t>(tab)];
    panels->insertWidget(panels->count() - 1, panel);
}

void StudyColumn::bringIntoView(QWidget* panel, Tab tab) {
    QScrollArea* area = scroller(tab);
    setCurrentWidget(area);
    QTimer::singleShot(0, panel, [area, panel] { area->ensureWidgetVisible(panel, 0, 0); });
}

} // namespace tavolin
