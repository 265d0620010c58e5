#pragma once

#include <string_view>

namespace tavolin {

// Why the report leaves out the pot-odds, SPR and commitment lines, in the order the amounts are tested.
enum class PotOddsGap {
    kNone, // the lines are written
    kNoPotOrStack,
    kNoPot,
    kNoStack,
    kNegativeBet,
    kPotOutOfRange, // the pot, once rounded, is not a whole number from 1 to 32767
    kTooLarge,      // a ratio leaves the range of a float
};

// The amounts as the report uses them; the prices and the SPR are set from kTooLarge on (practice reads
// the call's price even where the report leaves it out).
struct PotOdds {
    PotOddsGap Gap = PotOddsGap::kNone;
    double Pot = 0.0; // as typed, before rounding
    float HeroBet = 0.0f;
    float VillainBet = 0.0f;
    float Stack = 0.0f;
    float PmeAllIn = 0.0f;
    float PmeNextCard = 0.0f;
    float Spr = 0.0f;
};

// Reads the amount texts as a player types them (see readAmount).
PotOdds readPotOdds(std::string_view potText, std::string_view heroBetText, std::string_view villainBetText,
                    std::string_view stackText);

} // namespace tavolin
