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
    // The unseen cards that complete that window's straight when it lacks one rank, else 0.
    CardMask Completing = 0;
};

// Adds `amount` to the outs and appends `line` with CR LF; `cards` are the unseen cards the line counted.
void addOutsLine(AnalysisContext& ctx, std::string_view line, float amount, CardMask cards);

// The unseen cards (neither the hero's nor the board's) of `rank` 2..14, where 1 is the ace as well.
CardMask unseenOfRank(const AnalysisContext& ctx, int rank);
// The unseen cards of `suit` 1..4, numbered as the card matrices number suits.
CardMask unseenOfSuit(const AnalysisContext& ctx, int suit);

void estimatePocketPairOuts(AnalysisContext& ctx);
void estimateOvercardOuts(AnalysisContext& ctx);
void estimatePairProjectOuts(AnalysisContext& ctx);
StraightSweepEnd estimateStraightOuts(AnalysisContext& ctx);
void estimateFlushOuts(AnalysisContext& ctx, const StraightSweepEnd& sweep);
// The two-card flush draw of a hero who already holds a straight of his own.
void estimateMadeStraightFlushOuts(AnalysisContext& ctx);

} // namespace tavolin
