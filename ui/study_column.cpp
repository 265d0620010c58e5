#include "ui/study_column.h"

#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolin {

StudyColumn::StudyColumn(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("studyColumn"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("studyPanels"));
    // Beyond this the grid's cells and the figures only spread apart; the panels keep a reading width.
    content->setMaximumWidth(kMaximumWidth);
    Panels = new QVBoxLayout(content);
    Panels->setContentsMargins(6, 6, 6, 6);
    Panels->addStretch(1);
    setWidget(content);
}

int StudyColumn::widestUseful() const {
    return kMaximumWidth + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

void StudyColumn::addPanel(QWidget* panel) {
    Panels->insertWidget(Panels->count() - 1, panel);
}

void StudyColumn::bringIntoView(QWidget* panel) {
    QTimer::singleShot(0, panel, [this, panel] { ensureWidgetVisible(panel, 0, 0); });
}

} // namespace tavolin
