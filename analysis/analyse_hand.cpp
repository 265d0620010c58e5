#include "analysis/analyse_hand.h"

#include "analysis/made_hand.h"
#include "analysis/outs.h"
#include "analysis/report.h"
#include "analysis/strength.h"
#include "analysis/texture.h"
#include "analysis/villain_line.h"

namespace tavolin {
namespace {

struct Analysis {
    CardCheck Cards;
    std::string Report;
    std::optional<showdown::VillainCount> Villains;
};

Analysis run(AnalysisContext& ctx, const std::string& holeText, std::string& boardText,
             const AnalysisArguments& args) {
    ctx.resetAnalysis();
    Analysis analysis;
    analysis.Cards = readCards(ctx, holeText, boardText);
    if (!analysis.Cards.ok()) return analysis;
    readBoardCoordination(ctx);
    readMadeHand(ctx);
    describeBoardTexture(ctx);
    nameMadeHand(ctx);
    classifyStrength(ctx);
    estimateOuts(ctx);
    analysis.Report = writeReport(ctx, args);
    if (args.CalcVillain) {
        analysis.Villains = countBetterVillainHands(ctx);
        analysis.Report += villainCountLine(*analysis.Villains, args.DecimalSeparator);
    }
    return analysis;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines(1);
    for (const char c : withPlainLineEnds(text)) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

} // namespace

AnalysisResult analyse(const HandInput& input) {
    AnalysisContext ctx;
    std::string board = input.Board;
    const AnalysisArguments args{input.Pot,         input.HeroBet,         input.VillainBet,
                                 input.Stack,       input.VillainPreflop,  input.VillainPostflop,
                                 input.CalcVillain, input.DecimalSeparator};
    Analysis analysis = run(ctx, input.Hole, board, args);
    AnalysisResult result;
    result.Cards = std::move(analysis.Cards);
    if (!result.accepted()) return result;
    result.Report = std::move(analysis.Report);
    result.BoardCount = ctx.BoardCount;
    result.HandName = ctx.MadeHandName;
    result.BoardTexture = ctx.BoardTexture;
    result.StrengthLabel = ctx.StrengthLabel;
    result.Outs = ctx.Outs;
    result.OutsText = ctx.OutsText;
    result.OutsLines = linesOf(ctx.OutsText);
    // Lines written whole rather than by a rule ("No Projects") count no cards.
    result.OutsCards = ctx.OutsCards;
    result.OutsCards.resize(result.OutsLines.size());
    result.EquityAllIn = ctx.EquityAllIn;
    result.EquityNextCard = ctx.EquityNextCard;
    result.Odds = ctx.Odds;
    if (result.hasPotOdds()) result.Commitment = ctx.Commitment;
    result.Villains = analysis.Villains;
    return result;
}

std::string analyseHand(AnalysisContext& ctx, const std::string& holeText, std::string& boardText,
                        const AnalysisArguments& args) {
    return run(ctx, holeText, boardText, args).Report;
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
