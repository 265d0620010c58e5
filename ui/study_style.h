#pragma once

#include <QString>

class QLabel;
class QWidget;

// What the study panels share: their paper look on the felt, their titles and how they write numbers.
namespace tavolin::study {

// A light panel with dark text, whatever the window's colours around it.
void usePaperLook(QWidget* panel);

// A panel's heading.
QLabel* titleLabel(const QString& text, QWidget* parent);

// A range field's frame: plain, or marked while its text does not read.
QString plainFieldStyle();
QString markedFieldStyle();

// A hidden red line under a field that says why its text does not read.
QLabel* errorLabel(QWidget* parent);

// 61.27 with the given decimal separator.
QString decimalText(double value, int decimals, const QString& separator);

// A share 0..1 as "61.27%".
QString percentText(double share, int decimals, const QString& separator);

// A weighted holdings count: "1,326" for a whole number (thousands grouped), "5.5" otherwise. The group
// separator is the other one of "." and ",".
QString holdingsText(double holdings, const QString& separator);

} // namespace tavolin::study
