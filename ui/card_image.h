#pragma once

#include <QAbstractButton>
#include <QString>

namespace tavolin {

// One card picture. It knows its card text (tool tip and "tag" property) and where it lies, in twips;
// its home place in the deck is written into a slot's text while it lies there.
class CardImage : public QAbstractButton {
    Q_OBJECT
public:
    CardImage(int index, const QString& cardText, QWidget* parent);

    int index() const { return Index; }
    QString cardText() const { return CardText; }
    int leftTwips() const { return Left; }
    int topTwips() const { return Top; }
    void moveToTwips(int left, int top);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Index;
    QString CardText;
    int Left = 0;
    int Top = 0;
};

} // namespace tavolin
