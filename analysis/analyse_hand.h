#pragma once

#include "analysis/analysis_context.h"

#include <string>

namespace tavolin {

// Analyses the hero's hole cards on a flop, turn or river and returns the report (lines end in CR LF).
// Any bad card gives the empty report; a board text of a wrong length is also replaced by
// "WRONG BOARDCARDS" in the caller's variable. The amounts are read as a player types them.
std::string analyseHand(const std::string& holeText, std::string& boardText, const std::string& potText,
                        const std::string& heroBetText, const std::string& villainBetText,
                        const std::string& stackText, int villainPreflop, int villainPostflop,
                        bool calcVillain, std::string_view decimalSeparator = ".");

// The same analysis, leaving every intermediate result in `ctx` for a closer look.
std::string analyseHand(AnalysisContext& ctx, const std::string& holeText, std::string& boardText,
                        const AnalysisArguments& args);

} // namespace tavolin
