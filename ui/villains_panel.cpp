#include "ui/villains_panel.h"

#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "ui/study_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tavolin {
namespace {

// The first villain plays the window's first preflop choice; the others start a step looser.
constexpr std::array<int, VillainsPanel::kExtraVillains> kFirstProfiles{2, 3};

} // namespace

VillainsPanel::VillainsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("villainsPanel"));
    study::usePaperLook(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    grid->addWidget(study::titleLabel(tr("More villains"), this), 0, 0, 1, 2);
    auto* note = new QLabel(tr("Tick one to see the equity against every villain at once; the report stays "
                               "heads-up against villain 1."),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 1, 0, 1, 2);

    for (int i = 0; i < kExtraVillains; ++i) {
        Seat& seat = Seats[static_cast<std::size_t>(i)];
        const QString number = QString::number(i + 2);
        seat.On = new QCheckBox(tr("Villain %1").arg(number), this);
        seat.On->setObjectName(QStringLiteral("chkVillain") + number);
        seat.Profile = new QComboBox(this);
        seat.Profile->setObjectName(QStringLiteral("cmbVillainRange") + number);
        for (int profile = 0; profile < ranges::kProfileCount; ++profile)
            seat.Profile->addItem(QString::fromUtf8(ranges::profileName(profile)));
        seat.Profile->addItem(tr("Custom"));
        seat.Profile->setToolTip(tr("A preflop profile's range, or Custom for the range typed below"));
        seat.Text = new QLineEdit(this);
        seat.Text->setObjectName(QStringLiteral("txtVillainRange") + number);
        seat.Text->setStyleSheet(study::plainFieldStyle());
        seat.Text->setToolTip(tr("This villain's range, in the same notation as villain 1's"));
        seat.Error = study::errorLabel(this);
        const int row = 2 + 3 * i;
        grid->addWidget(seat.On, row, 0);
        grid->addWidget(seat.Profile, row, 1);
        grid->addWidget(seat.Text, row + 1, 0, 1, 2);
        grid->addWidget(seat.Error, row + 2, 0, 1, 2);

        loadProfile(seat, kFirstProfiles[static_cast<std::size_t>(i)]);
        showSeat(seat);
        connect(seat.On, &QCheckBox::toggled, this, [this, &seat] {
            showSeat(seat);
            emit villainsChanged();
        });
        connect(seat.Profile, &QComboBox::currentIndexChanged, this, [this, &seat](int profile) {
            if (profile >= ranges::kProfileCount) {
                seat.Villain.Name = tr("Custom");
                seat.Text->setFocus();
            } else {
                loadProfile(seat, profile);
            }
            if (seat.On->isChecked()) emit villainsChanged();
        });
        connect(seat.Text, &QLineEdit::textEdited, this,
                [this, &seat](const QString& text) { readTypedText(seat, text); });
    }
}

std::vector<VillainRange> VillainsPanel::extraVillains() const {
    std::vector<VillainRange> villains;
    for (const Seat& seat : Seats)
        if (seat.On->isChecked()) villains.push_back(seat.Villain);
    return villains;
}

void VillainsPanel::loadProfile(Seat& seat, int profile) {
    seat.Villain = {ranges::profileRange(profile), QString::fromUtf8(ranges::profileName(profile))};
    const QSignalBlocker quiet(seat.Profile);
    seat.Profile->setCurrentIndex(profile);
    seat.Text->setText(QString::fromStdString(ranges::rangeText(seat.Villain.Range)));
    seat.Text->setCursorPosition(0);
    seat.Text->setStyleSheet(study::plainFieldStyle());
    seat.Error->hide();
}

void VillainsPanel::readTypedText(Seat& seat, const QString& text) {
    const ranges::RangeReading reading = ranges::readRange(text.toStdString());
    if (!reading.Ok) {
        seat.Text->setStyleSheet(study::markedFieldStyle());
        seat.Error->setText(
            tr("%1 Still in use: %2.").arg(QString::fromStdString(reading.Error.Message), seat.Villain.Name));
        seat.Error->show();
        return;
    }
    seat.Villain = {reading.Weights, tr("Custom")};
    {
        const QSignalBlocker quiet(seat.Profile);
        seat.Profile->setCurrentIndex(ranges::kProfileCount);
    }
    seat.Text->setStyleSheet(study::plainFieldStyle());
    seat.Error->hide();
    if (seat.On->isChecked()) emit villainsChanged();
}

void VillainsPanel::showSeat(const Seat& seat) {
    seat.Profile->setEnabled(seat.On->isChecked());
    seat.Text->setEnabled(seat.On->isChecked());
}

} // namespace tavolin
