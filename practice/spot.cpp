#include "practice/spot.h"

#include "cards/card_text.h"
#include "ranges/profiles.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavolin::practice {
namespace {

struct BetFraction {
    std::string_view Name;
    int Numerator;
    int Denominator;
};

constexpr std::array<BetFraction, kBetSizeCount> kBetFractions{{
    {"1/4 pot", 1, 4},
    {"1/3 pot", 1, 3},
    {"1/2 pot", 1, 2},
    {"2/3 pot", 2, 3},
    {"3/4 pot", 3, 4},
    {"pot", 1, 1},
    {"1.5 pot", 3, 2},
}};

void appendCard(std::string& text, int card) {
    if (!text.empty()) text += ' ';
    text += cardName(Card::fromIndex(card));
}

} // namespace

Street streetOf(const Spot& spot) {
    return spot.BoardCount == 3 ? Street::kFlop : spot.BoardCount == 4 ? Street::kTurn : Street::kRiver;
}

CardMask holeMask(const Spot& spot) {
    return Card::fromIndex(spot.Hole[0]).mask() | Card::fromIndex(spot.Hole[1]).mask();
}

CardMask boardMask(const Spot& spot) {
    CardMask mask = 0;
    for (int i = 0; i < spot.BoardCount; ++i)
        mask |= Card::fromIndex(spot.Board[static_cast<std::size_t>(i)]).mask();
    return mask;
}

std::string holeText(const Spot& spot) {
    std::string text;
    for (const int card : spot.Hole)
        appendCard(text, card);
    return text;
}

std::string boardText(const Spot& spot) {
    std::string text;
    for (int i = 0; i < spot.BoardCount; ++i)
        appendCard(text, spot.Board[static_cast<std::size_t>(i)]);
    return text;
}

std::string potText(const Spot& spot) {
    return spot.Pot > 0 ? std::to_string(spot.Pot) : std::string();
}

std::string heroBetText(const Spot& spot) {
    return spot.Pot > 0 ? std::string("0") : std::string();
}

std::string villainBetText(const Spot& spot) {
    return spot.Pot > 0 ? std::to_string(spot.VillainBet) : std::string();
}

std::string stackText(const Spot& spot) {
    return spot.Pot > 0 ? std::to_string(spot.Stack) : std::string();
}

std::string_view betSizeName(BetSize size) {
    return kBetFractions[static_cast<std::size_t>(size)].Name;
}

int betAmount(int pot, BetSize size) {
    // Half up, (2 n pot + d) / 2d, in 64 bits so that no pot overflows it.
    const BetFraction& fraction = kBetFractions[static_cast<std::size_t>(size)];
    return static_cast<int>((2 * std::int64_t{pot} * fraction.Numerator + fraction.Denominator) /
                            (2 * fraction.Denominator));
}

std::string betName(const Spot& spot) {
    if (spot.Pot < 1) return {};
    for (int size = 0; size < kBetSizeCount; ++size) {
        if (betAmount(spot.Pot, static_cast<BetSize>(size)) == spot.VillainBet)
            return std::string(betSizeName(static_cast<BetSize>(size)));
    }
    if (spot.VillainBet == spot.Stack) return "all-in";
    const int hundredths = (200 * spot.VillainBet + spot.Pot) / (2 * spot.Pot);
    return std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
           std::to_string(hundredths % 10) + " pot";
}

float priceOfCall(const Spot& spot) {
    if (spot.Pot <= 0) return 0.0f;
    const float call = static_cast<float>(std::min(spot.VillainBet, spot.Stack));
    return call / (static_cast<float>(spot.Pot) + 2.0f * call);
}

std::string describeSpot(const Spot& spot) {
    std::string text = holeText(spot) + " | " + boardText(spot);
    if (spot.Pot > 0) {
        text += " | pot " + potText(spot) + ", bet " + villainBetText(spot) + " (" + betName(spot) +
                "), stack " + stackText(spot);
    }
    return text + " | " + std::string(ranges::profileName(spot.PreflopProfile));
}

} // namespace tavolin::practice
