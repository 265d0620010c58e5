#pragma once

#include "analysis/analysis_context.h"

namespace tavolin {

// The sorted rank lists, rank and suit counts and the made-hand record for the holding and the board.
void readMadeHand(AnalysisContext& ctx);

// MadeHandName from the holding's half of the record.
void nameMadeHand(AnalysisContext& ctx);

} // namespace tavolin
