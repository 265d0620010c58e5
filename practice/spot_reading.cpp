#include "practice/spot_reading.h"

#include "analysis/analyse_hand.h"

namespace tavolin::practice {

SpotReading readSpot(const Spot& spot, std::string_view decimalSeparator) {
    const std::string hole = holeText(spot);
    std::string board = boardText(spot);
    const std::string pot = potText(spot);
    const std::string heroBet = heroBetText(spot);
    const std::string villainBet = villainBetText(spot);
    const std::string stack = stackText(spot);
    AnalysisArguments arguments{pot, heroBet, villainBet, stack};
    arguments.VillainPreflop = spot.PreflopProfile;
    arguments.DecimalSeparator = decimalSeparator;

    AnalysisContext ctx;
    SpotReading reading;
    reading.Report = analyseHand(ctx, hole, board, arguments);
    reading.Texture = ctx.BoardTexture;
    reading.StrengthLabel = ctx.StrengthLabel;
    reading.Outs = ctx.Outs;
    reading.OutsText = ctx.OutsText;
    reading.HasAmountsBlock = reading.Report.find("PME(AI): ") != std::string::npos;
    reading.PmeNextCard = ctx.PmeNextCard;
    return reading;
}

} // namespace tavolin::practice
