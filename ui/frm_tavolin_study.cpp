// The study column's panels and the deck's next-card shading, fed by every analysis, and practice, which
// deals its spots onto the table and puts the table back when it ends.

#include "analysis/number_format.h"
#include "cards/card_text.h"
#include "equity/equity_by_part.h"
#include "ui/betting_panel.h"
#include "ui/board_range_table.h"
#include "ui/card_image.h"
#include "ui/equity_panel.h"
#include "ui/frm_tavolin.h"
#include "ui/glossary.h"
#include "ui/hero_range_panel.h"
#include "ui/practice_panel.h"
#include "ui/progress_view.h"
#include "ui/range_panel.h"
#include "ui/report_box.h"
#include "ui/study_column.h"
#include "ui/table_layout.h"
#include "ui/villains_panel.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

namespace tavolin {
namespace {

// The cards of a text such as "Ad 7d", in order.
std::vector<Card> cardsOf(const QString& text) {
    std::vector<Card> cards;
    for (const QString& name : text.split(u' ', Qt::SkipEmptyParts))
        if (const auto card = readCard(name.toStdString())) cards.push_back(*card);
    return cards;
}

} // namespace

void FrmTavolin::createStudyPanels() {
    equityPanel = new EquityPanel;
    rangePanel = new RangePanel;
    heroRangePanel = new HeroRangePanel;
    villainsPanel = new VillainsPanel;
    boardRangeTable = new BoardRangeTable;
    practicePanel = new PracticePanel;
    const QString separator = QLocale::system().decimalPoint();
    equityPanel->setDecimalSeparator(separator);
    rangePanel->setDecimalSeparator(separator);
    heroRangePanel->setDecimalSeparator(separator);
    boardRangeTable->setDecimalSeparator(separator);
    // The equity panel's terms explain themselves on hover, from the glossary's study terms.
    for (const auto& [name, term] :
         {std::pair{"lblSharesRandom", "win / tie"}, std::pair{"lblSharesRange", "win / tie"},
          std::pair{"lblRuleOfThumb", "Rule of thumb"}, std::pair{"lblTrueOuts", "true outs"},
          std::pair{"lblTrueOutCards", "true outs"}})
        if (auto* label = equityPanel->findChild<QLabel*>(QString::fromLatin1(name)))
            label->setToolTip(studyTerm(term));
    // On a wide screen the range stands beside the figures that depend on it.
    studyColumn->addPanel(equityPanel);
    studyColumn->addPanel(rangePanel, StudyColumn::Tab::kStudy, true);
    bettingPanel = new BettingPanel;
    bettingPanel->setDecimalSeparator(separator);
    studyColumn->addPanel(bettingPanel);
    studyColumn->addPanel(boardRangeTable);
    studyColumn->addPanel(villainsPanel);
    studyColumn->addPanel(heroRangePanel, StudyColumn::Tab::kStudy, true);
    // Past this the practice form and its verdicts only spread apart.
    practicePanel->setMaximumWidth(640);
    studyColumn->addPanel(practicePanel, StudyColumn::Tab::kPractice);
    progressView =
        new ui::ProgressView([this](const journal::LeakRow& leak) { emit drillLeakRequested(leak); });
    progressView->setObjectName(QStringLiteral("progressView"));
    studyColumn->fillTab(progressView, StudyColumn::Tab::kProgress);
    setJournal(nullptr);
    // A leak's drill is practised on the Practice tab; the Progress tab reads the journal anew when shown.
    connect(this, &FrmTavolin::drillLeakRequested, this, [this](const journal::LeakRow& leak) {
        showTab(QStringLiteral("practice"));
        practicePanel->drillLeak(leak);
    });
    connect(studyColumn, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == static_cast<int>(StudyColumn::Tab::kProgress)) setJournal(ProgressJournal);
    });

    connect(rangePanel, &RangePanel::rangeChanged, this, &FrmTavolin::refreshStudy);
    connect(heroRangePanel, &HeroRangePanel::rangeChanged, this, &FrmTavolin::refreshStudy);
    connect(villainsPanel, &VillainsPanel::villainsChanged, this, &FrmTavolin::refreshStudy);
    connect(actShading, &QAction::toggled, this, &FrmTavolin::refreshStudy);
    connectNarrowing();

    connect(practicePanel, &PracticePanel::practiceStarted, this, [this] {
        TableBeforePractice = snapshot();
        Notice.clear();
        RangeBeforePractice = rangePanel->range();
        RangeNameBeforePractice = rangePanel->rangeName();
    });
    connect(practicePanel, &PracticePanel::spotDealt, this,
            [this](const QString& hole, const QString& board, const QString& pot, const QString& heroBet,
                   const QString& villainBet, const QString& stack, int preflopProfile) {
                // The spot's profile brings its range even when the profile box already shows it, so the
                // equity panel answers against the range the practice answer is scored against.
                {
                    const QSignalBlocker quiet(rangePanel);
                    rangePanel->loadProfile(preflopProfile);
                }
                // The report stays hidden until the player has answered, as Hide does.
                setUpHand(
                    {cardsOf(hole), cardsOf(board),
                     std::array<std::string, kAmountCount>{pot.toStdString(), heroBet.toStdString(),
                                                           villainBet.toStdString(), stack.toStdString()},
                     preflopProfile, std::nullopt, std::nullopt, false});
                QuestionOpen = true;
                studyColumn->bringIntoView(practicePanel, StudyColumn::Tab::kPractice);
            });
    connect(practicePanel, &PracticePanel::answered, this, [this] {
        QuestionOpen = false;
        if (!Hand.state().ReportShown) Hand.setReportShown(true);
        // An answered outs question shows its cards on the deck whether or not the shading is on.
        markOuts(!rtbOutput->report().empty() && actShading->isChecked());
        addOutsLegend();
        studyColumn->bringIntoView(practicePanel, StudyColumn::Tab::kPractice);
    });
    connect(practicePanel, &PracticePanel::practiceEnded, this, [this] {
        QuestionOpen = false;
        restore(TableBeforePractice);
        rangePanel->setRange(RangeBeforePractice, RangeNameBeforePractice);
    });
}

void FrmTavolin::setJournal(journal::Journal* journal) {
    ProgressJournal = journal;
    if (ProgressJournal == nullptr)
        progressView->showProgress({});
    else
        progressView->showJournal(*ProgressJournal, QDateTime::currentSecsSinceEpoch());
}

bool FrmTavolin::showTab(const QString& name) {
    const QStringList names{QStringLiteral("study"), QStringLiteral("practice"), QStringLiteral("progress")};
    const auto index = names.indexOf(name.toLower());
    if (index < 0) return false;
    studyColumn->setCurrentIndex(static_cast<int>(index));
    return true;
}

void FrmTavolin::refreshStudy() {
    if (equityPanel == nullptr) return;
    CardMask hero = 0;
    CardMask board = 0;
    const TableState& table = Hand.state();
    for (std::size_t i = 0; i < table.Places.size(); ++i)
        if (table.Places[i]) (i < kHolePlaceCount ? hero : board) |= table.Places[i]->mask();
    const bool shown = !rtbOutput->report().empty();
    if (shown) {
        // The report stays heads-up against villain 1; the equity line faces every villain ticked. A lone
        // villain who has bet is faced by the part of his range that bets; against several, who bet is
        // unknown.
        std::vector<VillainRange> more = villainsPanel->extraVillains();
        // One pass over the range's holdings gives the equity against it, against the part that bets and
        // against each row and cell.
        const equity::EquityByPart parts = equity::equityByPart(hero, board, rangePanel->range());
        const VillainRange narrowed =
            bettingPanel->narrow(hero, board, rangePanel->range(), rangePanel->rangeName(),
                                 readAmount(table.Amounts[0]), readAmount(table.Amounts[2]));
        std::vector<VillainRange> villains{
            more.empty() ? narrowed : VillainRange{rangePanel->range(), rangePanel->rangeName()}};
        if (!more.empty()) bettingPanel->showSeveralVillains();
        for (VillainRange& villain : more)
            villains.push_back(std::move(villain));
        equityPanel->showSpot(hero, board, villains, RuleOfThumbPercent, RuleOfThumbOuts, &parts.Shares);
        heroRangePanel->showSpot(board, rangePanel->range());
        equityPanel->showHeroRange(heroRangePanel->figures(), rangePanel->rangeName());
        boardRangeTable->showSpot(hero, board, rangePanel->range(), rangePanel->rangeName(), &parts);
        showHeatMap(parts);
    } else {
        equityPanel->clear();
        heroRangePanel->clear();
        boardRangeTable->clear();
        bettingPanel->clear();
        showHeatMap({});
    }
    shadeNextCards(shown && actShading->isChecked());
}

void FrmTavolin::shadeNextCards(bool shown) {
    const equity::NextCardEquities& next = equityPanel->nextCard();
    const bool any = shown && next.Unseen != 0;
    const QString street = Hand.state().Places[5] ? tr("River") : tr("Turn");
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    for (int j = 0; j < table::kCardCount; ++j) {
        CardImage* card = imgCard[j];
        const int index = DeckCards[j].index();
        const CardMask bit = DeckCards[j].mask();
        if (!any || (next.Unseen & bit) == 0) {
            card->setNextCard(std::nullopt, {});
            continue;
        }
        const double equity = next.Equity[static_cast<std::size_t>(index)];
        const QString tip = QStringLiteral("%1 %2: %3% vs %4")
                                .arg(street, card->cardText(),
                                     QString::fromStdString(formatFixed(100.0 * equity, 1, separator)),
                                     rangePanel->rangeName());
        card->setNextCard(equity - next.Now, tip);
    }
    markOuts(shown);
}

} // namespace tavolin
