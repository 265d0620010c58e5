// Practice and the journal: each judged answer recorded, the spots due for review first, a leak drilled,
// and the panel's choices kept between runs.

#include "journal/progress.h"
#include "practice/spot_kind_dealer.h"
#include "ui/journal_link.h"
#include "ui/practice_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>

namespace tavolin {
namespace {

const QString kQuestionsKey = QStringLiteral("practice/questions");
const QString kDrillKey = QStringLiteral("practice/straightDrill");
const QString kStreetKey = QStringLiteral("practice/street");
const QString kBoardKey = QStringLiteral("practice/board");
const QString kProfileKey = QStringLiteral("practice/villain");
const QString kCloseKey = QStringLiteral("practice/closeOnly");
const QString kReviewKey = QStringLiteral("practice/reviewFirst");

void chooseIndex(QComboBox* box, const QVariant& value) {
    const int index = value.toInt();
    if (index >= 0 && index < box->count()) box->setCurrentIndex(index);
}

} // namespace

void PracticePanel::createJournalRow(QGridLayout* grid, int row) {
    ReviewCheck = new QCheckBox(tr("Review due spots first"), this);
    ReviewCheck->setObjectName(QStringLiteral("chkReviewFirst"));
    ReviewCheck->setChecked(true);
    ReviewCheck->setToolTip(
        tr("A spot answered wrongly comes back at once, then after 1, 3, 7, 21 and 60 days "
           "while it is answered right"));
    ReviewLabel = new QLabel(this);
    ReviewLabel->setObjectName(QStringLiteral("lblReviewDue"));
    SaveNote = new QLabel(this);
    SaveNote->setObjectName(QStringLiteral("lblPracticeSaving"));
    SaveNote->setWordWrap(true);
    grid->addWidget(ReviewCheck, row, 0);
    grid->addWidget(ReviewLabel, row, 1);
    grid->addWidget(SaveNote, row + 1, 0, 1, 2);
    showJournalState();
}

void PracticePanel::setJournal(JournalLink* link) {
    Journal = link;
    showJournalState();
}

void PracticePanel::showJournalState() {
    const bool saving = Journal != nullptr && Journal->saving();
    ReviewLabel->setText(saving ? tr("Review: %1 due").arg(Journal->dueCount()) : QString());
    ReviewCheck->setEnabled(saving);
    if (saving) {
        SaveNote->clear();
    } else {
        const QString why = Journal != nullptr ? QString::fromStdString(Journal->problem()) : QString();
        SaveNote->setText(why.isEmpty() ? tr("Practice is not saved.")
                                        : tr("Practice is not saved: %1").arg(why));
    }
}

void PracticePanel::recordAnswers() {
    if (Journal == nullptr || !Session) return;
    const bool wasSaving = Journal->saving();
    Journal->recordAnswers(*Session, static_cast<double>(Asked.elapsed()) / 1000.0);
    showJournalState();
    if (wasSaving && !Journal->saving()) SetupNote->setText(SaveNote->text());
}

void PracticePanel::drillLeak(const journal::LeakRow& leak) {
    auto kind = practice::readSpotKind(leak.Street, leak.BoardKind, leak.Tier, leak.Closeness);
    if (!kind) {
        if (Session) endPractice();
        SetupNote->setText(tr("This kind of spot cannot be dealt."));
        return;
    }
    practice::SessionSettings settings = chosenSettings();
    settings.StraightDrill = false;
    kind->Cards.PreflopProfile = settings.Filter.PreflopProfile;
    startSession(settings, &*kind);
}

void PracticePanel::saveSettings(QSettings& settings) const {
    QStringList asked;
    for (const QCheckBox* check : QuestionChecks)
        asked << (check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setValue(kQuestionsKey, asked.join(u','));
    settings.setValue(kDrillKey, DrillCheck->isChecked());
    settings.setValue(kStreetKey, StreetBox->currentIndex());
    settings.setValue(kBoardKey, BoardBox->currentIndex());
    settings.setValue(kProfileKey, ProfileBox->currentIndex());
    settings.setValue(kCloseKey, CloseCheck->isChecked());
    settings.setValue(kReviewKey, ReviewCheck->isChecked());
}

void PracticePanel::readSettings(const QSettings& settings) {
    const QStringList asked = settings.value(kQuestionsKey).toString().split(u',');
    if (asked.size() == static_cast<int>(QuestionChecks.size())) {
        for (std::size_t i = 0; i < QuestionChecks.size(); ++i)
            QuestionChecks[i]->setChecked(asked[static_cast<int>(i)] == QStringLiteral("1"));
    }
    DrillCheck->setChecked(settings.value(kDrillKey, false).toBool());
    chooseIndex(StreetBox, settings.value(kStreetKey, 0));
    chooseIndex(BoardBox, settings.value(kBoardKey, 0));
    chooseIndex(ProfileBox, settings.value(kProfileKey, 0));
    CloseCheck->setChecked(settings.value(kCloseKey, false).toBool());
    ReviewCheck->setChecked(settings.value(kReviewKey, true).toBool());
}

} // namespace tavolin
