#pragma once

#include <QString>
#include <QWidget>

namespace tavolin {

// One place of the slot row, drawn free; a card lying on it covers it.
class SlotImage : public QWidget {
    Q_OBJECT
public:
    SlotImage(int index, int left, int top, const QString& caption, QWidget* parent);

    int index() const { return Index; }
    int leftTwips() const { return Left; }
    int topTwips() const { return Top; }
    void setPixelsPerTwip(double pixelsPerTwip);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int Index;
    int Left;
    int Top;
    QString Caption;
};

} // namespace tavolin
