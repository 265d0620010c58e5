#pragma once

#include "equity/holdings.h"

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

namespace tavolin {

class RangeGrid;

// The villain's range, as text and as the starting-hand grid, with a "top X%" slider and the holdings count.
// Text, grid and slider follow each other; a text that cannot be read is marked with the reason and leaves
// the last good range in use.
class RangePanel : public QWidget {
    Q_OBJECT
public:
    // Starts with the default range of "2-Semiloose", the window's first preflop profile choice.
    explicit RangePanel(QWidget* parent = nullptr);

    // The default range of a preflop profile 0..3, named after it.
    void loadProfile(int preflopIndex);
    // Puts back a range the panel held before (the slider stays where it is).
    void setRange(const equity::HoldingWeights& range, const QString& name) { useRange(range, name, true); }

    const equity::HoldingWeights& range() const { return Range; }
    // The profile's name while the range is the profile's, "Top X%" after the slider, "Custom" after an edit.
    QString rangeName() const { return Name; }

    void setDecimalSeparator(const QString& separator);
    // Puts more controls under the slider, such as the saved ranges.
    void addControls(QWidget* controls);

signals:
    void rangeChanged();

private:
    void useRange(const equity::HoldingWeights& range, const QString& name, bool rewriteText);
    void readTypedText(const QString& text);
    void tidyTypedText();
    // Shows a range's text from its start.
    void showText(const QString& text);
    void takeGridEdit();
    void takeSliderValue(int percent);
    void markUnreadable(const QString& reason);
    void showCount();

    QLabel* lblName;
    QLabel* lblCount;
    QLineEdit* txtRange;
    QLabel* lblError;
    RangeGrid* grid;
    QSlider* sldTop;

    equity::HoldingWeights Range{};
    QString Name;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
