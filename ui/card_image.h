#pragma once

#include <QAbstractButton>
#include <QString>
#include <optional>

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
    // What this card does as the next card: the hero's equity change (-1..1) shades it from red to green,
    // and hovering tells `tip`. nullopt takes the shading away.
    void setNextCard(std::optional<double> equityChange, const QString& tip);
    bool isShaded() const { return EquityChange.has_value(); }
    // The outs on the deck: a card the outs rules counted carries a corner tab, a true out an outline, and
    // hovering adds `outsTip` (the rule lines that counted it). False and empty take both away.
    void setOuts(bool counted, bool trueOut, const QString& outsTip);
    bool isCounted() const { return Counted; }
    bool isOutlined() const { return TrueOut; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int Index;
    QString CardText;
    int Left = 0;
    int Top = 0;
    double PixelsPerTwip = 0.0;
    bool FourColours = false;
    std::optional<double> EquityChange;
    QString NextCardTip;
    bool Counted = false;
    bool TrueOut = false;
    QString OutsTip;
};

} // namespace tavolin
