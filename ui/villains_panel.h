#pragma once

#include "equity/holdings.h"

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tavolin {

// A villain's range and the name the study column gives it.
struct VillainRange {
    equity::HoldingWeights Range{};
    QString Name;
};

// Villains 2 and 3 beside the range panel's villain, each off until ticked, with a preflop profile's range or
// one typed like the villain's. A text that cannot be read is marked and leaves the last good range in use.
class VillainsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kExtraVillains = 2;

    explicit VillainsPanel(QWidget* parent = nullptr);

    // The villains ticked, in order.
    std::vector<VillainRange> extraVillains() const;

signals:
    void villainsChanged();

private:
    struct Seat {
        QCheckBox* On;
        QComboBox* Profile;
        QLineEdit* Text;
        QLabel* Error;
        VillainRange Villain;
    };
    void loadProfile(Seat& seat, int profile);
    void readTypedText(Seat& seat, const QString& text);
    void showSeat(const Seat& seat);

    std::array<Seat, kExtraVillains> Seats{};
};

} // namespace tavolin
