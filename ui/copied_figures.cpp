#include "ui/copied_figures.h"

#include "equity/exact_equity.h"
#include "ranges/range_text.h"
#include "ui/study_style.h"

#include <QCoreApplication>

namespace tavolin {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tavolin::CopiedFigures", text);
}

QString equityLine(const QString& opponent, const equity::EquityResult& result, const QString& separator) {
    const auto percent = [&](double share) { return study::percentText(share, 2, separator); };
    return tr("Exact equity vs %1: %2 (win %3, tie %4)")
        .arg(opponent, percent(result.Equity), percent(result.Win), percent(result.Tie));
}

} // namespace

QString copiedFigures(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                      const QString& rangeName, const QString& separator) {
    const equity::EquityResult random = equity::exactEquity(hero, board, equity::anyTwoCards());
    if (random.Holdings == 0) return {};
    QStringList lines{equityLine(tr("a random hand"), random, separator)};
    const equity::EquityResult versus = equity::exactEquity(hero, board, range);
    lines << (versus.Holdings == 0 ? tr("Exact equity vs %1: no live holdings").arg(rangeName)
                                   : equityLine(rangeName, versus, separator));
    const QString text = QString::fromStdString(ranges::rangeText(range));
    lines << tr("Villain range (%1): %2").arg(rangeName, text.isEmpty() ? tr("no hand") : text);
    return lines.join(u'\n');
}

} // namespace tavolin
