#pragma once

#include "equity/holdings.h"

#include <QString>

namespace tavolin {

// The exact figures Copy adds under the report: the hero's equity against a random hand and against the
// villain's range, with win and tie, and the range as text. Empty without two hole cards and a flop.
QString copiedFigures(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                      const QString& rangeName, const QString& separator);

} // namespace tavolin
