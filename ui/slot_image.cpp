#include "ui/slot_image.h"

#include "ui/table_layout.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tavolin {

SlotImage::SlotImage(int index, int left, int top, const QString& caption, QWidget* parent)
    : QWidget(parent), Index(index), Left(left), Top(top), Caption(caption) {
    setObjectName(QStringLiteral("imgHand_%1").arg(index));
    setPixelsPerTwip(table::kDefaultPixelsPerTwip);
}

void SlotImage::setPixelsPerTwip(double pixelsPerTwip) {
    setGeometry(table::toPixels(Left, pixelsPerTwip), table::toPixels(Top, pixelsPerTwip),
                table::toPixels(table::kCardWidth, pixelsPerTwip),
                table::toPixels(table::kCardHeight, pixelsPerTwip));
}

// Only a free place can be hovered: a player learns what it takes.
bool SlotImage::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const QString tip = tr("%1 card: free. Picked cards fill the first free place.").arg(Caption);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

// A free place shows a dashed outline with what it holds; a card lying on it covers all of this.
void SlotImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = frame.width() * 0.12;
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::DashLine));
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(frame, radius, radius);

    QFont font = painter.font();
    font.setPixelSize(qMax(7, qRound(frame.height() * 0.16)));
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 190));
    painter.drawText(frame, Qt::AlignCenter, Caption);
}

} // namespace tavolin
