#pragma once

#include "analysis/analysis_context.h"

#include <string_view>

namespace tavolin {

// The last window the straight sweep looked at; the flush stage uses it to take back flush cards that also
// complete an open straight project.
struct StraightSweepEnd {
    int MissingEnds = 0;
    int MissingInner = 0;
    int HoleInWindow = 0;
};

// Adds `amount` to the outs and appends `line` with CR LF.
void addOutsLine(AnalysisContext& ctx, std::string_view line, float amount);

void estimatePocketPairOuts(AnalysisContext& ctx);
void estimateOvercardOuts(AnalysisContext& ctx);
void estimatePairProjectOuts(AnalysisContext& ctx);
StraightSweepEnd estimateStraightOuts(AnalysisContext& ctx);
void estimateFlushOuts(AnalysisContext& ctx, const StraightSweepEnd& sweep);
// The two-card flush draw of a hero who already holds a straight of his own.
void estimateMadeStraightFlushOuts(AnalysisContext& ctx);

} // namespace tavolin
