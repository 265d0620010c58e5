#include "analysis/strength.h"

namespace tavolin {

void classifyStrength(AnalysisContext&) {}

} // namespace tavolin
