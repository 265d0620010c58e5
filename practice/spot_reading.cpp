#include "practice/spot_reading.h"

#include "analysis/analyse_hand.h"
#include "practice/answer_check.h"

namespace tavolin::practice {

SpotReading readSpot(const Spot& spot, std::string_view decimalSeparator) {
    HandInput input{holeText(spot),    boardText(spot),      potText(spot),
                    heroBetText(spot), villainBetText(spot), stackText(spot)};
    input.VillainPreflop = spot.PreflopProfile;
    input.DecimalSeparator = decimalSeparator;
    const AnalysisResult result = analyse(input);

    SpotReading reading;
    reading.Report = result.Report;
    reading.Texture = result.BoardTexture;
    reading.StrengthLabel = result.StrengthLabel;
    reading.Outs = result.Outs;
    reading.OutsText = outsLinesWithCards(result.OutsText, result.OutsCards);
    reading.OutsCards = result.OutsCards;
    reading.HasAmountsBlock = result.hasPotOdds();
    reading.PmeNextCard = result.Odds.PmeNextCard;
    return reading;
}

} // namespace tavolin::practice
