// The outs on the deck: the cards the outs rules counted carry a tab, the true outs an outline, so that the
// rule of thumb and the truth stand side by side.

#include "equity/next_card.h"
#include "practice/practice_session.h"
#include "ui/card_image.h"
#include "ui/equity_panel.h"
#include "ui/frm_tavolin.h"
#include "ui/practice_panel.h"
#include "ui/report_box.h"
#include "ui/table_layout.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>

namespace tavolin {
namespace {

// The session whose outs question was answered on the table as it stands; null otherwise.
const practice::PracticeSession* answeredOutsQuestion(const PracticePanel* panel, CardMask hero,
                                                      CardMask board) {
    const practice::PracticeSession* session = panel != nullptr ? panel->session() : nullptr;
    if (session == nullptr || !session->revealed()) return nullptr;
    const auto& verdicts = session->verdicts();
    const bool asked = std::any_of(verdicts.begin(), verdicts.end(), [](const practice::Verdict& verdict) {
        return verdict.Kind == practice::QuestionKind::kOuts;
    });
    const practice::Spot& spot = session->current().Cards;
    return asked && practice::holeMask(spot) == hero && practice::boardMask(spot) == board ? session
                                                                                           : nullptr;
}

// None when the hero is ahead: the cards that put him behind are not outs.
CardMask trueOutsOf(const equity::TrueOuts& outs) {
    return outs.Ahead ? 0 : outs.Cards;
}

QString outsTip(CardMask card, CardMask counted, bool trueOut, const std::vector<std::string>& lines,
                const std::vector<CardMask>& lineCards) {
    QStringList counting;
    for (std::size_t i = 0; i < lines.size() && i < lineCards.size(); ++i)
        if ((lineCards[i] & card & counted) != 0) counting << QString::fromStdString(lines[i]);
    QString tip = counting.isEmpty() ? QString()
                                     : QStringLiteral("Counted by the outs rules:\n") + counting.join(u'\n');
    if (trueOut)
        tip += counting.isEmpty() ? QStringLiteral("A true out the rules do not count")
                                  : QStringLiteral("\nA true out");
    return tip;
}

// "the 1 card", "the 9 cards".
QString theCards(int count, const QString& noun) {
    return QStringLiteral("the %1 %2%3").arg(count).arg(noun, count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

void FrmTavolin::markOuts(bool studyShading) {
    CardMask hero = 0;
    CardMask board = 0;
    const TableState& table = Hand.state();
    for (std::size_t i = 0; i < table.Places.size(); ++i)
        if (table.Places[i]) (i < kHolePlaceCount ? hero : board) |= table.Places[i]->mask();
    const bool nextCardComing = Hand.boardCount() == 3 || Hand.boardCount() == 4;
    CardMask counted = 0;
    CardMask trueOuts = 0;
    if (!rtbOutput->report().empty() && nextCardComing) {
        const practice::PracticeSession* session = answeredOutsQuestion(practicePanel, hero, board);
        const bool shown = session != nullptr || studyShading;
        // Practice outlines the true outs its verdict names; the study view those of its own shading.
        if (session != nullptr && session->trueOuts())
            trueOuts = trueOutsOf(*session->trueOuts());
        else if (session == nullptr && studyShading && equityPanel->nextCard().Unseen != 0)
            trueOuts = trueOutsOf(equity::trueOuts(equityPanel->nextCard()));
        for (const CardMask cards : OutsCards)
            counted |= shown ? cards : 0;
    }
    for (int j = 0; j < table::kCardCount; ++j) {
        const CardMask bit = DeckCards[j].mask();
        const bool trueOut = (trueOuts & bit) != 0;
        imgCard[j]->setOuts((counted & bit) != 0, trueOut,
                            outsTip(bit, counted, trueOut, OutsLines, OutsCards));
    }
}

void FrmTavolin::addOutsLegend() {
    auto* explanation = practicePanel->findChild<QPlainTextEdit*>(QStringLiteral("practiceExplanation"));
    const practice::PracticeSession* session = practicePanel->session();
    if (explanation == nullptr || session == nullptr || !session->trueOuts()) return;
    const int markedCount = static_cast<int>(std::count_if(
        imgCard.begin(), imgCard.end(), [](const CardImage* card) { return card->isCounted(); }));
    const int outlined = static_cast<int>(std::count_if(
        imgCard.begin(), imgCard.end(), [](const CardImage* card) { return card->isOutlined(); }));
    const QString marks = theCards(markedCount, QStringLiteral("card"));
    QString legend = markedCount > 0 ? QStringLiteral("Marked on the deck: %1 the rules count").arg(marks)
                                     : QStringLiteral("No card marked on the deck: the rules count none");
    if (session->trueOuts()->Ahead)
        legend += QStringLiteral("; none outlined: you are ahead now.");
    else if (outlined > 0)
        legend += QStringLiteral("; outlined: %1.").arg(theCards(outlined, QStringLiteral("true out")));
    else
        legend += QStringLiteral("; no true out to outline.");
    // The legend closes the outs verdict, before any question that follows it.
    QString text = explanation->toPlainText();
    const qsizetype outsAt = text.indexOf(QStringLiteral("Outs: "));
    qsizetype end = text.size();
    for (const auto kind : {practice::QuestionKind::kEquity, practice::QuestionKind::kDecision}) {
        const QString next = u'\n' + QString::fromStdString(std::string(practice::questionName(kind))) + ": ";
        if (const qsizetype at = text.indexOf(next, outsAt); at >= 0) end = std::min(end, at);
    }
    text.insert(end, u'\n' + legend);
    explanation->setPlainText(text);
}

} // namespace tavolin
