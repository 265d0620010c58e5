#pragma once

#include "analysis/analysis_context.h"

#include <string>

namespace tavolin {

// The line that counts the villain holdings beating the hero at showdown, with its leading CR LF:
// "Better Villain Hands: b/n=p%".
std::string villainCountLine(const AnalysisContext& ctx, std::string_view decimalSeparator);

} // namespace tavolin
