#include "analysis/texture.h"

namespace tavolin {

void readBoardCoordination(AnalysisContext&) {}

void describeBoardTexture(AnalysisContext&) {}

} // namespace tavolin
