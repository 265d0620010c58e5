#include "ui/card_image.h"

#include "ui/table_layout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavolin {
namespace {

bool isRed(QChar suit) {
    return suit == u'h' || suit == u'd';
}

QString suitSymbol(QChar suit) {
    if (suit == u's') return QStringLiteral("\u2660");
    if (suit == u'h') return QStringLiteral("\u2665");
    if (suit == u'd') return QStringLiteral("\u2666");
    return QStringLiteral("\u2663");
}

} // namespace

CardImage::CardImage(int index, const QString& cardText, QWidget* parent)
    : QAbstractButton(parent), Index(index), CardText(cardText) {
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
    setGeometry(table::toPixels(left), table::toPixels(top), table::toPixels(table::kCardWidth),
                table::toPixels(table::kCardHeight));
}

QSize CardImage::sizeHint() const {
    return {table::toPixels(table::kCardWidth), table::toPixels(table::kCardHeight)};
}

void CardImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = face.width() * 0.12;

    painter.setPen(QPen(isDown() ? QColor(40, 90, 200) : QColor(90, 90, 90), 1.2));
    painter.setBrush(isDown() ? QColor(225, 232, 250) : QColor(252, 252, 248));
    painter.drawRoundedRect(face, radius, radius);

    const QChar rank = CardText.at(0);
    const QChar suit = CardText.at(1);
    painter.setPen(isRed(suit) ? QColor(200, 20, 30) : QColor(20, 20, 20));

    QFont font = painter.font();
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")});
    font.setBold(true);
    font.setPixelSize(qMax(8, qRound(face.height() * 0.34)));
    painter.setFont(font);
    const QRectF corner(face.left() + face.width() * 0.08, face.top() + face.height() * 0.02,
                        face.width() * 0.9, face.height() * 0.42);
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, QString(rank));

    font.setBold(false);
    font.setPixelSize(qMax(8, qRound(face.height() * 0.5)));
    painter.setFont(font);
    const QRectF centre(face.left(), face.top() + face.height() * 0.38, face.width(), face.height() * 0.6);
    painter.drawText(centre, Qt::AlignHCenter | Qt::AlignVCenter, suitSymbol(suit));
}

} // namespace tavolin
