#include "ui/amount_box.h"

#include "ui/read_back.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace tavolin {

AmountBox::AmountBox(int index, const QString& name, const QString& explanation, QWidget* parent)
    : QLineEdit(parent), Explanation(explanation) {
    setObjectName(QStringLiteral("txtBet_%1").arg(index));
    setToolTip(name);
    connect(this, &QLineEdit::textChanged, this, &AmountBox::updateReadBack);
}

QFont AmountBox::noteFont() const {
    QFont small = font();
    small.setPixelSize(std::max(8, font().pixelSize() * 4 / 5));
    return small;
}

void AmountBox::updateReadBack() {
    ReadBack = amountReadBack(text());
    const int noteWidth = QFontMetrics(noteFont()).horizontalAdvance(shownNote());
    setTextMargins(0, 0, ReadBack.isEmpty() ? 0 : noteWidth + 4, 0);
    update();
}

// The full note when the box is wide enough beside the typed text, else just the value.
QString AmountBox::shownNote() const {
    if (ReadBack.isEmpty()) return {};
    const int room = width() - fontMetrics().horizontalAdvance(text()) - 12;
    if (QFontMetrics(noteFont()).horizontalAdvance(ReadBack) <= room) return ReadBack;
    return QStringLiteral("= ") + ReadBack.section(u' ', 2, -1);
}

bool AmountBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QLineEdit::event(event);
    QString tip = toolTip() + QStringLiteral("\n") + Explanation;
    if (!ReadBack.isEmpty()) tip += QStringLiteral("\n\"%1\" is %2.").arg(text(), ReadBack);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

void AmountBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (ReadBack.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(noteFont());
    painter.setPen(QColor(190, 80, 0));
    painter.drawText(rect().adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, shownNote());
}

void AmountBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    updateReadBack();
}

} // namespace tavolin
