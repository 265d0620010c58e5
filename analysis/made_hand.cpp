#include "analysis/made_hand.h"

namespace tavolin {

void readMadeHand(AnalysisContext&) {}

void nameMadeHand(AnalysisContext&) {}

} // namespace tavolin
