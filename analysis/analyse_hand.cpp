#include "analysis/analyse_hand.h"

#include "analysis/card_input.h"
#include "analysis/made_hand.h"
#include "analysis/outs.h"
#include "analysis/report.h"
#include "analysis/strength.h"
#include "analysis/texture.h"
#include "analysis/villain_line.h"

namespace tavolin {

std::string analyseHand(AnalysisContext& ctx, const std::string& holeText, std::string& boardText,
                        const AnalysisArguments& args) {
    ctx.resetAnalysis();
    if (!readCards(ctx, holeText, boardText).ok()) return {};
    readBoardCoordination(ctx);
    readMadeHand(ctx);
    describeBoardTexture(ctx);
    nameMadeHand(ctx);
    classifyStrength(ctx);
    estimateOuts(ctx);
    std::string report = writeReport(ctx, args);
    if (args.CalcVillain) report += villainCountLine(ctx, args.DecimalSeparator);
    return report;
}

std::string analyseHand(const std::string& holeText, std::string& boardText, const std::string& potText,
                        const std::string& heroBetText, const std::string& villainBetText,
                        const std::string& stackText, int villainPreflop, int villainPostflop,
                        bool calcVillain, std::string_view decimalSeparator) {
    AnalysisContext ctx;
    const AnalysisArguments arguments{potText,        heroBetText,     villainBetText, stackText,
                                      villainPreflop, villainPostflop, calcVillain,    decimalSeparator};
    return analyseHand(ctx, holeText, boardText, arguments);
}

} // namespace tavolin
