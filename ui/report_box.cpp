#include "ui/report_box.h"

#include "ui/glossary.h"

#include <QFontDatabase>
#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>

namespace tavolin {

QString reportLines(const std::string& report) {
    std::string lines;
    lines.reserve(report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r') {
            if (i + 1 < report.size() && report[i + 1] == '\n') ++i;
            lines += '\n';
        } else {
            lines += report[i];
        }
    }
    return QString::fromStdString(lines);
}

ReportBox::ReportBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("rtbOutput"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.5);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void ReportBox::setReport(const std::string& report) {
    Report = report;
    setPlainText(reportLines(report));
}

void ReportBox::setFontPixelSize(int pixels) {
    QFont grown = font();
    grown.setPixelSize(pixels);
    setFont(grown);
}

QString ReportBox::explanationAt(const QPoint& viewportPoint) const {
    const QTextCursor cursor = cursorForPosition(viewportPoint);
    const QTextBlock block = cursor.block();
    if (!block.isValid() || !blockBoundingGeometry(block).translated(contentOffset()).contains(viewportPoint))
        return {};
    return explainReportLine(block.text(), cursor.positionInBlock());
}

bool ReportBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString explanation = explanationAt(help->pos());
    if (explanation.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), explanation, viewport());
    return true;
}

} // namespace tavolin
