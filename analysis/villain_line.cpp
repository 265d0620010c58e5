#include "analysis/villain_line.h"

#include "analysis/number_format.h"
#include "analysis/report.h"
#include "showdown/villain_count.h"

namespace tavolin {
namespace {

showdown::CardMask maskOf(const CardMatrix& matrix) {
    showdown::CardMask mask = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if (matrix[suit][rank] != 0) mask |= showdown::cardBit(suit, rank);
        }
    }
    return mask;
}

} // namespace

std::string villainCountLine(const AnalysisContext& ctx, std::string_view decimalSeparator) {
    const showdown::VillainCount count =
        showdown::countBetterVillainHands(maskOf(ctx.HoleMatrix), maskOf(ctx.BoardMatrix));
    const double percentage = count.Tried > 0 ? static_cast<double>(count.Better) / count.Tried * 100.0 : 0.0;
    std::string line(kLineEnd);
    line.append("Better Villain Hands: ").append(std::to_string(count.Better)).append("/");
    line.append(std::to_string(count.Tried)).append("=").append(formatFixed(percentage, 2, decimalSeparator));
    return line.append("%");
}

} // namespace tavolin
