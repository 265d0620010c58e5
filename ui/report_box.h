#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>

namespace tavolin {

// The report as the box shows it: CR LF, a lone CR and a lone LF each end one line. The outs
// explanation ends in a lone CR right before the CR LF of the equity line, so an empty line stands
// between the outs and the percentages.
QString reportLines(const std::string& report);

// The read-only report box. It keeps the report byte for byte as the analysis returned it and shows its
// lines in a fixed-width font; hovering a line or term tells what it means.
class ReportBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReportBox(QWidget* parent);

    const std::string& report() const { return Report; }
    void setReport(const std::string& report);
    void setFontPixelSize(int pixels);

    // What the line and term at this point of the box mean; "" over nothing.
    QString explanationAt(const QPoint& viewportPoint) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    std::string Report;
};

} // namespace tavolin
