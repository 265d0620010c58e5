#include "ui/card_image.h"

#include "ui/table_layout.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

namespace tavolin {
namespace {

QColor inkOf(QChar suit, bool fourColours) {
    if (suit == u'h') return {200, 20, 30};
    if (suit == u'd') return fourColours ? QColor(25, 75, 200) : QColor(200, 20, 30);
    if (suit == u'c' && fourColours) return {20, 130, 45};
    return {20, 20, 20};
}

QPainterPath circle(qreal x, qreal y, qreal r) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), r, r);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// The suit's shape in a 100 × 100 box, drawn rather than taken from a font so that every machine shows it.
// The box is large because uniting paths flattens their curves in these units.
QPainterPath drawSuitShape(QChar suit) {
    if (suit == u'd') return polygon({{50, 0}, {88, 50}, {50, 100}, {12, 50}});
    if (suit == u'h')
        return circle(28, 30, 24).united(circle(72, 30, 24)).united(polygon({{6, 38}, {94, 38}, {50, 95}}));
    const QPainterPath stem = polygon({{50, 55}, {30, 100}, {70, 100}});
    if (suit == u's')
        return circle(28, 62, 22)
            .united(circle(72, 62, 22))
            .united(polygon({{50, 0}, {7, 56}, {93, 56}}))
            .united(stem);
    return circle(50, 26, 21).united(circle(26, 60, 21)).united(circle(74, 60, 21)).united(stem);
}

// Uniting paths is slow; each suit's shape is made once.
const QPainterPath& suitShape(QChar suit) {
    static const std::array<QPainterPath, 4> kShapes{drawSuitShape(u's'), drawSuitShape(u'h'),
                                                     drawSuitShape(u'c'), drawSuitShape(u'd')};
    return kShapes[static_cast<std::size_t>(QStringLiteral("shcd").indexOf(suit) & 3)];
}

} // namespace

CardImage::CardImage(int index, const QString& cardText, QWidget* parent)
    : QAbstractButton(parent), Index(index), CardText(cardText), PixelsPerTwip(table::kDefaultPixelsPerTwip) {
    setObjectName(QStringLiteral("imgCard_%1").arg(index));
    setToolTip(cardText);
    setProperty("tag", cardText);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(cardText);
}

void CardImage::moveToTwips(int left, int top) {
    Left = left;
    Top = top;
    setGeometry(table::toPixels(left, PixelsPerTwip), table::toPixels(top, PixelsPerTwip),
                table::toPixels(table::kCardWidth, PixelsPerTwip),
                table::toPixels(table::kCardHeight, PixelsPerTwip));
}

void CardImage::setPixelsPerTwip(double pixelsPerTwip) {
    PixelsPerTwip = pixelsPerTwip;
    moveToTwips(Left, Top);
}

void CardImage::setFourColours(bool fourColours) {
    FourColours = fourColours;
    update();
}

void CardImage::setNextCard(std::optional<double> equityChange, const QString& tip) {
    EquityChange = equityChange;
    NextCardTip = equityChange ? tip : QString();
    update();
}

void CardImage::setOuts(bool counted, bool trueOut, const QString& outsTip) {
    Counted = counted;
    TrueOut = trueOut;
    OutsTip = outsTip;
    update();
}

// The card's text stays its tool tip; while it is shaded or marked, hovering tells what it does as the next
// card.
bool CardImage::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || (NextCardTip.isEmpty() && OutsTip.isEmpty()))
        return QAbstractButton::event(event);
    const QString tip =
        NextCardTip.isEmpty() || OutsTip.isEmpty() ? NextCardTip + OutsTip : NextCardTip + u'\n' + OutsTip;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

QSize CardImage::sizeHint() const {
    return {table::toPixels(table::kCardWidth, PixelsPerTwip),
            table::toPixels(table::kCardHeight, PixelsPerTwip)};
}

void CardImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = face.width() * 0.12;

    painter.setPen(QPen(isDown() ? QColor(40, 90, 200) : QColor(90, 90, 90), 1.2));
    painter.setBrush(isDown() ? QColor(225, 232, 250) : QColor(252, 252, 248));
    painter.drawRoundedRect(face, radius, radius);
    // Ten points of equity either way give the full shade; a fraction of a point only tints the card.
    const double strength = EquityChange ? std::min(1.0, std::abs(*EquityChange) * 10.0) : 0.0;
    if (EquityChange) {
        QColor shade = *EquityChange < 0 ? QColor(220, 50, 40) : QColor(40, 170, 60);
        shade.setAlphaF(0.06 + 0.4 * strength);
        painter.setBrush(shade);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(face, radius, radius);
    }
    // A violet tab folded over the top right corner, where neither the rank nor the suit is drawn: it reads
    // on a white, red or green card and under the yellow outline.
    if (Counted) {
        const qreal tab = face.width() * 0.46;
        const QPointF corner = face.topRight();
        QPainterPath card;
        card.addRoundedRect(face, radius, radius);
        painter.save();
        painter.setClipPath(card);
        painter.setBrush(QColor(130, 40, 220));
        painter.setPen(QPen(Qt::white, 1.0));
        painter.drawPolygon(QPolygonF({corner + QPointF(-tab, 0), corner, corner + QPointF(0, tab)}));
        painter.restore();
    }
    if (TrueOut) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(250, 200, 0), std::max(2.0, face.width() * 0.08)));
        painter.drawRoundedRect(face, radius, radius);
    }

    const QChar rank = CardText.at(0);
    const QChar suit = CardText.at(1);
    // The ink darkens with the shade, so a red rank stays as legible on a red card as on a white one.
    const QColor ink = inkOf(suit, FourColours).darker(100 + qRound(45 * strength));
    painter.setPen(ink);

    QFont font = painter.font();
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")});
    font.setBold(true);
    font.setPixelSize(qMax(8, qRound(face.height() * 0.34)));
    painter.setFont(font);
    const QRectF corner(face.left() + face.width() * 0.08, face.top() + face.height() * 0.02,
                        face.width() * 0.9, face.height() * 0.42);
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, QString(rank));

    const qreal size = qMin(face.width() * 0.62, face.height() * 0.5);
    QTransform toFace;
    toFace.translate(face.center().x() - size / 2, face.bottom() - face.height() * 0.1 - size);
    toFace.scale(size / 100, size / 100);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(toFace.map(suitShape(suit)));
}

} // namespace tavolin
