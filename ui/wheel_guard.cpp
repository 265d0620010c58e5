#include "ui/wheel_guard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>

namespace tavolin {
namespace {

bool takesWheelForValue(const QObject* object) {
    // A scroll bar is how the wheel scrolls; it is no setting.
    if (qobject_cast<const QScrollBar*>(object) != nullptr) return false;
    return qobject_cast<const QAbstractSlider*>(object) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(object) != nullptr ||
           qobject_cast<const QComboBox*>(object) != nullptr;
}

QAbstractScrollArea* scrollAreaAround(QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent != nullptr; parent = parent->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(parent)) return area;
    return nullptr;
}

} // namespace

WheelGuard::WheelGuard(QWidget* root) : QObject(root) {
    watch(root);
}

void WheelGuard::watch(QObject* object) {
    object->installEventFilter(this);
    if (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr && takesWheelForValue(widget))
        widget->setFocusPolicy(Qt::StrongFocus);
    for (QObject* child : object->children())
        if (child->isWidgetType()) watch(child);
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) watch(child);
        return false;
    }
    if (event->type() != QEvent::Wheel || !takesWheelForValue(watched)) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->hasFocus()) return false;
    if (QAbstractScrollArea* area = scrollAreaAround(widget))
        QApplication::sendEvent(area->verticalScrollBar(), event);
    return true;
}

} // namespace tavolin
