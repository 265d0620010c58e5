#include "ui/glossary.h"

#include <QCoreApplication>
#include <array>
#include <string_view>

namespace tavolin {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tavolin::Glossary", text);
}

// Longer terms first where one contains another, so that hovering "EXTR COOR" finds EXTR COOR, not COOR.
constexpr std::array<GlossaryEntry, 27> kTerms{{
    {"PER", "Equity estimated from the outs by the rule of thumb: the hero's chance to win with the outs."},
    {"PME", "The minimum equity a call needs: the price of the call against the pot it can win."},
    {"(AI)", "All-in: every remaining card is dealt, to the river."},
    {"(+1Card)", "The next card only: one card to come."},
    {"SPR",
     "Stack to pot: the effective stack (with the hero's bet) divided by the pot; the lower it is, the "
     "sooner a hand is committed."},
    {"Happily committed", "Strong enough for this SPR and villain profile: put the whole stack in gladly."},
    {"Sadly committed", "Too much is in the pot to fold at this SPR, though the hand is no favourite."},
    {"No committed", "Not committed: at this SPR the hand is not worth the whole stack."},
    {"EXTR COOR", "Extremely coordinated: four or more board cards toward a flush or a straight."},
    {"COOR", "Coordinated: three board cards toward a flush (FLUSH) or a straight (STRAIGHT)."},
    {"DRY", "A dry board: its cards do not work together toward a flush or a straight."},
    {"TWO FLUSH PROJECTS", "The board holds two cards each of two suits: two flush draws are possible."},
    {"FLUSH PROJECT", "The board holds two cards of one suit: a flush draw is possible."},
    {"+ PAIR", "The board is paired."},
    {"+ SET", "Three of a kind on the board."},
    {"+ POKER", "Four of a kind on the board."},
    {"+ DP", "Two pairs on the board."},
    {"+ FULL", "A full house on the board."},
    {"DP", "Double pair: two pairs."},
    {"NUTS ON HAND", "The best possible hand on this board, made with the hero's cards."},
    {"NUTS ON BOARD", "The best possible hand lies on the board itself: every player has it."},
    {"VERY STRONG", "A hand that rarely loses here: play for the stack."},
    {"STRONG", "A hand usually ahead: bet for value."},
    {"MEDIUM", "A hand that beats some holdings: play a small pot."},
    {"WEAK", "A hand that beats few holdings: check and fold to pressure."},
    {"NOTHING", "No hand worth playing as made here: only draws can save it."},
    {"Outs", "Unseen cards that probably give the hero the best hand, counted by rules of thumb."},
}};

// What a line says when no term is under the mouse: the first rule whose key the line contains.
constexpr std::array<GlossaryEntry, 19> kLines{{
    {"Hand: ", "The hero's best made hand from the hole cards and the board."},
    {"Board: ",
     "The board texture: how far its cards go together toward flushes and straights, and its pairs."},
    {"Strength: ", "How strong the hand is on this board: a tier, then what the hand is."},
    {"Outs: ", "The outs by the rule of thumb; each line below is a rule that counted some."},
    {"PER(AI)", "The hero's equity from the outs: to the river (AI) and, on the flop, for the next card."},
    {"PME(AI)",
     "The equity a call needs: for the whole stack (AI) and, before the river, for the bet alone."},
    {"SPR: ", "Stack to pot, and whether the hand is committed at that ratio against this villain."},
    {"Better Villain Hands",
     "How many of all the holdings left in the deck (1,081 on the flop), whatever the villain's range, beat "
     "the hero now."},
    {"Hand already equal or better",
     "Three of a kind or better is made already: pair improvement adds no outs."},
    {"counted as overcard",
     "A card that makes the flush was counted as an overcard too, so one out comes off."},
    {"Overcard", "Hole cards above every board card: pairing one may be enough to win."},
    {"Flush cards counted as straight",
     "Cards that complete both draws were counted twice, so they are taken off once."},
    {"Idiot straight", "The low end of a straight: a higher straight can still beat it, so outs come off."},
    {"straight project",
     "A straight draw: open-ended has two ends (8 cards), closed one inside rank (4); fewer count with one "
     "hole card in it, or when a pair or flush draw on the board spoils some."},
    {"Flush project", "A flush draw: four cards of a suit leave nine to come; fewer count with a paired "
                      "board or one hole card."},
    {"project", "Improving a pair to two pair, a set or a full house; fewer count on a coordinated board."},
    {"No Projects", "No draw worth counting: the outs are 0."},
    {"No valid projects", "The deductions outweighed the draws, so the outs are 0."},
    {"Jackpot", "A royal flush: the best hand there is."},
}};

// The study column's terms, for its hovers and the glossary.
constexpr std::array<GlossaryEntry, 15> kStudyTerms{{
    {"win / tie", "Exact equity is the wins plus half the ties, over every holding and every card to come."},
    {"live holdings",
     "The villain's two-card holdings that your cards and the board leave possible, counted by weight."},
    {"true outs",
     "The next cards that put you ahead of the range when you are behind it now, by exact equity."},
    {"shading",
     "Each deck card red to green by your equity if it comes next; the true outs are outlined, and a "
     "violet corner tab marks the cards the outs rules counted."},
    {"weights", "How much of a hand the range holds: AQo:0.5 keeps half of the AQo holdings."},
    {"Top %", "The best starting hands by their equity against a random hand, that share of them."},
    {"edited", "The range was changed by the text, the grid or the slider; pick the profile again to reset."},
    {"Villain holds", "The class each live holding makes on this board: made hands first, then draws."},
    {"Share", "That class's part of the live range."},
    {"Beat you",
     "Holdings of the villain's range that rank above your hand now; the report's Better Villain Hands "
     "counts over all holdings left in the deck (1,081 on the flop) instead."},
    {"Rule of thumb", "The report's PER(AI), from its outs, set beside the exact equity."},
    {"betting range",
     "The part of the villain's range that bets, by a plain model: his made hands from the chosen class up, "
     "his draws when they bet, and bluffs from his weakest holdings so that bluffs : value = bet : pot + "
     "bet, the mix that leaves a bluff-catcher indifferent. Facing a bet, the equity and the call are "
     "judged against it."},
    {"Keep",
     "Tick the rows he still holds after his action and keep them: the kept range goes on to the equity, the "
     "shading and the next street. Back to the profile undoes it."},
    {"Your equity", "Your exact equity against the holdings of that row alone."},
    {"Strength label",
     "The report's tier grades the class of the made hand by its rule, not its chances: a NOTHING with "
     "strong draws can hold 60% equity."},
}};

} // namespace

QString studyTerm(const char* term) {
    for (const GlossaryEntry& entry : kStudyTerms)
        if (std::string_view(entry.Term) == term) return tr(entry.Meaning);
    return {};
}

std::span<const GlossaryEntry> glossaryTerms() {
    return kTerms;
}

QString explainReportLine(const QString& line, qsizetype column) {
    if (line.trimmed().isEmpty()) return {};
    for (const GlossaryEntry& entry : kTerms) {
        const QString term = QString::fromLatin1(entry.Term);
        for (qsizetype at = line.indexOf(term); at >= 0; at = line.indexOf(term, at + 1)) {
            const qsizetype end = at + term.size();
            const bool wholeWord = (at == 0 || !term.front().isLetter() || !line[at - 1].isLetter()) &&
                                   (end >= line.size() || !term.back().isLetter() || !line[end].isLetter());
            if (wholeWord && column >= at && column < at + term.size())
                return QStringLiteral("%1: %2").arg(term, tr(entry.Meaning));
        }
    }
    for (const GlossaryEntry& entry : kLines)
        if (line.contains(QString::fromLatin1(entry.Term))) return tr(entry.Meaning);
    return tr("A rule of the outs count: the number in brackets is what it adds.");
}

QString glossaryHtml() {
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p><dl>")
                       .arg(tr("What the report says"),
                            tr("Hover any line or term of the report to read its meaning there."));
    for (const GlossaryEntry& entry : kTerms)
        html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>")
                    .arg(QString::fromLatin1(entry.Term).toHtmlEscaped(), tr(entry.Meaning).toHtmlEscaped());
    html += QStringLiteral("</dl><h3>%1</h3><dl>").arg(tr("The report's lines"));
    for (const GlossaryEntry& entry : kLines)
        html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>")
                    .arg(QString::fromLatin1(entry.Term).trimmed().toHtmlEscaped(),
                         tr(entry.Meaning).toHtmlEscaped());
    html += QStringLiteral("</dl><h3>%1</h3><dl>").arg(tr("The study column"));
    for (const GlossaryEntry& entry : kStudyTerms)
        html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>")
                    .arg(QString::fromLatin1(entry.Term).toHtmlEscaped(), tr(entry.Meaning).toHtmlEscaped());
    return html + QStringLiteral("</dl>");
}

} // namespace tavolin
