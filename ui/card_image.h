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
    // The table's drawing scale; the card keeps its place in twips.
    void setPixelsPerTwip(double pixelsPerTwip);
    // Four colours: spades black, hearts red, diamonds blue, clubs green; else red and black.
    void setFourColours(bool fourColours);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Index;
    QString CardText;
    int Left = 0;
    int Top = 0;
    double PixelsPerTwip = 0.0;
    bool FourColours = false;
};

} // namespace tavolin
