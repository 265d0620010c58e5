#pragma once

#include "equity/holdings.h"

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;
class QTimer;

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
    // The profile's name while the range is the profile's, "Semiloose, edited" once any control changed it.
    QString rangeName() const { return Name; }
    // Whether a control changed the range since the profile's was loaded.
    bool isEdited() const { return Name != Profile; }

    void setDecimalSeparator(const QString& separator);
    // Puts more controls under the slider, such as the saved ranges.
    void addControls(QWidget* controls);

signals:
    void rangeChanged();

private:
    void useRange(const equity::HoldingWeights& range, const QString& name, bool rewriteText);
    // A typed text is used once it reads and the player is done: Enter, leaving the field, or a pause.
    void readTypedText(bool finished);
    void takeEdit(const equity::HoldingWeights& range, bool rewriteText);
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
    QTimer* Pause;

    equity::HoldingWeights Range{};
    QString Name;
    // The name of the profile whose range was loaded last.
    QString Profile;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
