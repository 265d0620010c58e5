#include "analysis/pot_odds.h"

#include "analysis/number_format.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tavolin {
namespace {

// Past the largest float an amount is infinite, where a plain cast would be undefined.
float toFloat(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) return std::numeric_limits<float>::infinity();
    if (value < -kLargest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

PotOddsGap amountsGap(double pot, double heroBet, double villainBet, double stack) {
    if (!(pot > 0) && !(stack > 0)) return PotOddsGap::kNoPotOrStack;
    if (!(pot > 0)) return PotOddsGap::kNoPot;
    if (!(stack > 0)) return PotOddsGap::kNoStack;
    if (!(heroBet >= 0) || !(villainBet >= 0)) return PotOddsGap::kNegativeBet;
    return PotOddsGap::kNone;
}

} // namespace

PotOdds readPotOdds(std::string_view potText, std::string_view heroBetText, std::string_view villainBetText,
                    std::string_view stackText) {
    PotOdds odds;
    odds.Pot = readAmount(potText);
    const double heroBet = readAmount(heroBetText);
    const double villainBet = readAmount(villainBetText);
    const double stack = readAmount(stackText);
    odds.Gap = amountsGap(odds.Pot, heroBet, villainBet, stack);
    if (odds.Gap != PotOddsGap::kNone) return odds;
    const double potRounded = std::nearbyint(odds.Pot); // ties to even
    if (potRounded < 1 || potRounded > 32767) {
        odds.Gap = PotOddsGap::kPotOutOfRange;
        return odds;
    }
    const auto pot = static_cast<float>(static_cast<std::int16_t>(potRounded));

    odds.HeroBet = toFloat(heroBet);
    odds.VillainBet = toFloat(villainBet);
    odds.Stack = toFloat(stack);
    odds.PmeAllIn = odds.Stack / (pot + 2.0f * (odds.Stack + odds.HeroBet));
    const float call = odds.VillainBet < odds.Stack ? odds.VillainBet : odds.Stack;
    odds.PmeNextCard = call / (pot + 2.0f * call);
    odds.Spr = (odds.Stack + odds.HeroBet) / pot;
    const bool finite = std::isfinite(odds.PmeAllIn) && std::isfinite(odds.PmeNextCard) &&
                        std::isfinite(odds.Spr) && std::isfinite(100.0f * odds.PmeAllIn) &&
                        std::isfinite(100.0f * odds.PmeNextCard);
    if (!finite) odds.Gap = PotOddsGap::kTooLarge;
    return odds;
}

} // namespace tavolin
