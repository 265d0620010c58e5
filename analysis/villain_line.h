#pragma once

#include "analysis/analysis_context.h"
#include "showdown/villain_count.h"

#include <string>

namespace tavolin {

// The villain holdings that beat the hero's cards at showdown on this board.
showdown::VillainCount countBetterVillainHands(const AnalysisContext& ctx);

// The line that reports the count, with its leading CR LF: "Better Villain Hands: b/n=p%".
std::string villainCountLine(const showdown::VillainCount& count, std::string_view decimalSeparator);

} // namespace tavolin
