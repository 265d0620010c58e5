#include "ui/report_box.h"

#include <QFontDatabase>

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

} // namespace tavolin
