#include "analysis/villain_line.h"

#include "analysis/number_format.h"
#include "analysis/report.h"
#include "showdown/villain_count.h"

namespace tavolin {

showdown::VillainCount countBetterVillainHands(const AnalysisContext& ctx) {
    return showdown::countBetterVillainHands(ctx.HoleCards, ctx.BoardCards);
}

std::string villainCountLine(const showdown::VillainCount& count, std::string_view decimalSeparator) {
    const double percentage = count.Tried > 0 ? static_cast<double>(count.Better) / count.Tried * 100.0 : 0.0;
    std::string line(kLineEnd);
    line.append("Better Villain Hands: ").append(std::to_string(count.Better)).append("/");
    line.append(std::to_string(count.Tried)).append("=").append(formatFixed(percentage, 2, decimalSeparator));
    return line.append("%");
}

} // namespace tavolin
