#include "ui/read_back.h"

#include "analysis/number_format.h"
#include "analysis/pot_odds.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace tavolin {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tavolin::ReadBack", text);
}

double valueOf(const QString& text) {
    return readAmount(text.toStdString());
}

QString written(double value) {
    if (!std::isfinite(value)) return tr("a number too large to use");
    return QString::number(value, 'g', 12);
}

constexpr std::array<const char*, 4> kAmountNames{"Pot", "Hero's bet", "Villain's bet", "Stack"};

QString plural(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(tr(count == 1 ? one : many));
}

} // namespace

QString amountReadBack(const QString& text) {
    static const QRegularExpression plainNumber(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (text.trimmed().isEmpty() || plainNumber.match(text).hasMatch()) return {};
    return tr("read as %1").arg(written(valueOf(text)));
}

QString potOddsMissing(const std::array<QString, 4>& amounts) {
    const PotOdds odds = readPotOdds(amounts[0].toStdString(), amounts[1].toStdString(),
                                     amounts[2].toStdString(), amounts[3].toStdString());
    switch (odds.Gap) {
    case PotOddsGap::kNone:
        return {};
    case PotOddsGap::kNoPotOrStack:
        return tr("No pot odds, SPR or commitment: type a pot and a stack above 0.");
    case PotOddsGap::kNoPot:
        return tr("No pot odds, SPR or commitment: the pot must be above 0.");
    case PotOddsGap::kNoStack:
        return tr("No pot odds, SPR or commitment: type an effective stack above 0.");
    case PotOddsGap::kNegativeBet:
        return tr("No pot odds, SPR or commitment: a bet cannot be negative.");
    case PotOddsGap::kPotOutOfRange:
        return tr("No pot odds, SPR or commitment: the pot must be a whole number from 1 to 32767 once "
                  "rounded (it reads %1).")
            .arg(written(odds.Pot));
    case PotOddsGap::kTooLarge:
        return tr("No pot odds, SPR or commitment: the amounts are too large to work out.");
    }
    return {};
}

QString tableStatus(const TableStatus& state) {
    QStringList parts;
    if (state.TypedRank == QStringLiteral("1"))
        parts << tr("Typed 1: type 0 for a ten.");
    else if (!state.TypedRank.isEmpty())
        parts << tr("Typed %1: now its suit, s h c or d.").arg(state.TypedRank);

    if (!state.ReportShown && state.Practising)
        parts << tr("Practice: answer on the right; the report shows once you have answered.");
    else if (!state.ReportShown)
        parts << tr("Report hidden: Show (Ctrl+T) brings it back.");
    else if (state.HoleCards < 2)
        parts << tr("Pick %1.").arg(plural(2 - state.HoleCards, "more hole card", "more hole cards"));
    else if (state.BoardCards < 3)
        parts << tr("Pick %1.").arg(plural(3 - state.BoardCards, "more board card", "more board cards"));
    else if (!state.ReportEmpty)
        parts << potOddsMissing(state.Amounts);

    for (int i = 0; i < 4; ++i) {
        const QString readBack = amountReadBack(state.Amounts[i]);
        if (!readBack.isEmpty())
            parts << tr("%1 \"%2\" %3 (digits and one \".\" count).")
                         .arg(tr(kAmountNames[i]), state.Amounts[i], readBack);
    }
    parts.removeAll(QString());
    if (parts.isEmpty() && state.ReportShown && !state.ReportEmpty)
        parts << tr("Hover a report line for its meaning; F1 opens the glossary.");
    return parts.join(u' ');
}

} // namespace tavolin
