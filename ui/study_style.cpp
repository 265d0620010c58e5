#include "ui/study_style.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

namespace tavolin::study {

void usePaperLook(QWidget* panel) {
    QPalette paper = panel->palette();
    paper.setColor(QPalette::Window, QColor(250, 250, 247));
    paper.setColor(QPalette::WindowText, QColor(32, 36, 40));
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, QColor(32, 36, 40));
    panel->setPalette(paper);
    panel->setAutoFillBackground(true);
}

QString plainFieldStyle() {
    return QStringLiteral("QLineEdit { border: 1px solid #a9b0b8; border-radius: 3px; padding: 2px 4px; "
                          "background: white; }");
}

QString markedFieldStyle() {
    return QStringLiteral("QLineEdit { border: 2px solid #c62828; border-radius: 3px; padding: 1px 3px; "
                          "background: #fff3f3; }");
}

QLabel* errorLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    QPalette warning = label->palette();
    warning.setColor(QPalette::WindowText, QColor(198, 40, 40));
    label->setPalette(warning);
    label->hide();
    return label;
}

QLabel* titleLabel(const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    title->setFont(font);
    return title;
}

QString decimalText(double value, int decimals, const QString& separator) {
    QString text = QString::number(value, 'f', decimals);
    if (separator != QStringLiteral(".")) text.replace(QLatin1Char('.'), separator);
    return text;
}

QString percentText(double share, int decimals, const QString& separator) {
    return decimalText(share * 100.0, decimals, separator) + QLatin1Char('%');
}

QString holdingsText(double holdings, const QString& separator) {
    const double whole = std::round(holdings);
    if (std::abs(holdings - whole) > 0.05) return decimalText(holdings, 1, separator);
    const QString group = separator == QStringLiteral(",") ? QStringLiteral(".") : QStringLiteral(",");
    QString digits = QString::number(static_cast<long long>(whole));
    for (int place = digits.size() - 3; place > 0 && digits[place - 1].isDigit(); place -= 3)
        digits.insert(place, group);
    return digits;
}

} // namespace tavolin::study
