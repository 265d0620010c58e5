#include "ui/named_ranges_bar.h"

#include "journal/journal.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "ui/range_panel.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolin {
namespace {

bool isProfileName(const QString& name) {
    for (int p = 0; p < ranges::kProfileCount; ++p) {
        if (name.compare(QString::fromUtf8(ranges::profileName(p)), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

} // namespace

NamedRangesBar::NamedRangesBar(RangePanel* panel, QWidget* parent) : QWidget(parent), Panel(panel) {
    setObjectName(QStringLiteral("namedRangesBar"));
    Names = new QComboBox(this);
    Names->setObjectName(QStringLiteral("cmbNamedRanges"));
    Names->setToolTip(tr("Your saved ranges; choose one to load it"));
    Names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Names->setMinimumContentsLength(8);
    SaveButton = new QPushButton(tr("Save as…"), this);
    SaveButton->setToolTip(tr("Keep the range shown under a name of your own"));
    RenameButton = new QPushButton(tr("Rename…"), this);
    DeleteButton = new QPushButton(tr("Delete"), this);
    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("lblNamedRangesMessage"));
    Message->setWordWrap(true);
    Message->hide();

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Names, 1);
    for (QPushButton* button : {SaveButton, RenameButton, DeleteButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(Message);

    connect(Names, &QComboBox::activated, this, [this](int index) {
        if (index > 0) load(Names->itemText(index));
    });
    connect(SaveButton, &QPushButton::clicked, this, &NamedRangesBar::askSave);
    connect(RenameButton, &QPushButton::clicked, this, &NamedRangesBar::askRename);
    connect(DeleteButton, &QPushButton::clicked, this, [this] {
        if (Names->currentIndex() > 0) remove(Names->currentText());
    });
    setJournal(nullptr, QString());
}

void NamedRangesBar::setJournal(journal::Journal* journal, const QString& problem) {
    Journal = journal;
    for (QWidget* part : std::initializer_list<QWidget*>{Names, SaveButton, RenameButton, DeleteButton})
        part->setEnabled(Journal != nullptr);
    refill(QString());
    if (Journal == nullptr && !problem.isEmpty()) say(tr("Saved ranges are unavailable: %1").arg(problem));
}

QStringList NamedRangesBar::names() const {
    QStringList list;
    for (int i = 1; i < Names->count(); ++i)
        list << Names->itemText(i);
    return list;
}

void NamedRangesBar::refill(const QString& current) {
    Names->clear();
    Names->addItem(tr("Saved ranges"));
    if (Journal == nullptr) return;
    for (const journal::NamedRange& range : Journal->namedRanges())
        Names->addItem(QString::fromStdString(range.Name));
    Names->setCurrentIndex(std::max(0, Names->findText(current)));
}

void NamedRangesBar::say(const QString& text) {
    Message->setText(text);
    Message->setVisible(!text.isEmpty());
}

bool NamedRangesBar::usable(const QString& name) {
    if (Journal == nullptr) return false;
    if (name.trimmed().isEmpty()) {
        say(tr("A saved range needs a name."));
        return false;
    }
    if (isProfileName(name.trimmed())) {
        say(tr("\"%1\" is a built-in profile's range; choose another name.").arg(name.trimmed()));
        return false;
    }
    return true;
}

bool NamedRangesBar::saveAs(const QString& name) {
    if (!usable(name)) return false;
    const QString kept = name.trimmed();
    const std::string text = ranges::rangeText(Panel->range());
    if (!Journal->saveRange(kept.toStdString(), text, QDateTime::currentSecsSinceEpoch())) {
        say(tr("Not saved: %1").arg(QString::fromStdString(Journal->lastError())));
        return false;
    }
    Panel->setRange(Panel->range(), kept);
    refill(kept);
    say({});
    return true;
}

bool NamedRangesBar::load(const QString& name) {
    if (Journal == nullptr) return false;
    const auto text = Journal->loadRange(name.toStdString());
    const ranges::RangeReading reading = ranges::readRange(text.value_or(std::string()));
    if (!text || !reading.Ok) {
        say(tr("The saved range \"%1\" cannot be read.").arg(name));
        return false;
    }
    Panel->setRange(reading.Weights, name);
    Names->setCurrentIndex(std::max(0, Names->findText(name)));
    say({});
    return true;
}

bool NamedRangesBar::rename(const QString& from, const QString& to) {
    if (!usable(to)) return false;
    if (!Journal->renameRange(from.toStdString(), to.trimmed().toStdString())) {
        say(tr("\"%1\" could not be renamed: is \"%2\" taken?").arg(from, to.trimmed()));
        return false;
    }
    if (Panel->rangeName() == from) Panel->setRange(Panel->range(), to.trimmed());
    refill(to.trimmed());
    say({});
    return true;
}

bool NamedRangesBar::remove(const QString& name) {
    if (Journal == nullptr || !Journal->removeRange(name.toStdString())) return false;
    refill(QString());
    say({});
    return true;
}

void NamedRangesBar::askSave() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Save range"), tr("Name:"), QLineEdit::Normal,
                                               Panel->rangeName(), &ok);
    if (ok) saveAs(name);
}

void NamedRangesBar::askRename() {
    if (Names->currentIndex() <= 0) {
        say(tr("Choose a saved range to rename."));
        return;
    }
    const QString from = Names->currentText();
    bool ok = false;
    const QString to =
        QInputDialog::getText(this, tr("Rename range"), tr("New name:"), QLineEdit::Normal, from, &ok);
    if (ok) rename(from, to);
}

} // namespace tavolin
