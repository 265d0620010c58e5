#pragma once

#include <QObject>

class QWidget;

namespace tavolin {

// Sliders, lists and number boxes take the mouse wheel only while they have the keyboard focus: a wheel
// meant to scroll the study column must not change a range or a setting on its way. Unfocused, the wheel
// goes to the scroll area around the control, or nowhere.
class WheelGuard : public QObject {
    Q_OBJECT
public:
    // Guards every such control under `root`, and those added to it later.
    explicit WheelGuard(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);
};

} // namespace tavolin
