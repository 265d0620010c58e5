#pragma once

#include <QString>
#include <QWidget>

namespace tavolin {

// One place of the slot row. Its text (the tool tip) is its state: "Empty" when free, otherwise where the
// card lying on it came from, "T" + Top + "L" + Left in twips.
class SlotImage : public QWidget {
    Q_OBJECT
public:
    static inline const QString kEmpty = QStringLiteral("Empty");

    SlotImage(int index, int left, int top, const QString& caption, QWidget* parent);

    int index() const { return Index; }
    int leftTwips() const { return Left; }
    int topTwips() const { return Top; }
    QString text() const { return toolTip(); }
    void setText(const QString& text) { setToolTip(text); }
    bool isEmpty() const { return text() == kEmpty; }
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
