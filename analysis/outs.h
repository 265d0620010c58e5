#pragma once

#include "analysis/analysis_context.h"

namespace tavolin {

// Outs, OutsText and the equities derived from the outs.
void estimateOuts(AnalysisContext& ctx);

} // namespace tavolin
