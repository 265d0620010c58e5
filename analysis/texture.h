#pragma once

#include "analysis/analysis_context.h"

namespace tavolin {

// Flush and straight coordination of the board cards: FlushCoor, StraightCoor, their windows, Coordination.
void readBoardCoordination(AnalysisContext& ctx);

// The texture text with its flush-project and board-pairing suffixes; needs the made-hand record.
void describeBoardTexture(AnalysisContext& ctx);

} // namespace tavolin
