#pragma once

#include "analysis/analysis_context.h"

namespace tavolin {

// StrengthLabel: the hero's hand on this board, by the rule set the board's coordination and pairing select.
void classifyStrength(AnalysisContext& ctx);

// The rule set ('A' to 'O') that the board's coordination and pairing select; 0 when no rule set applies.
char selectRuleSet(const AnalysisContext& ctx);

} // namespace tavolin
