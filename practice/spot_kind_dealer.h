#pragma once

#include "equity/holdings.h"
#include "practice/closeness.h"
#include "practice/spot_dealer.h"
#include "practice/strength_tier.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolin::practice {

// A kind of spot to drill: the dealer's filter, and the hand's tier and how close the call is.
struct SpotKind {
    SpotFilter Cards;
    std::optional<Tier> HandTier;
    std::optional<ClosenessBand> Closeness;
};

// A kind named as the journal names it ("river", "flush", "WEAK", "within 5"); an empty name leaves that
// part open; nullopt for a name that reads as nothing.
std::optional<SpotKind> readSpotKind(std::string_view street, std::string_view boardKind,
                                     std::string_view tier, std::string_view closeness);

// Deals fresh spots of one kind. The same seed and kind give the same spots.
class SpotKindDealer {
public:
    SpotKindDealer(std::uint64_t seed, const SpotKind& kind);

    // The next spot of the kind; nullopt when a long search finds none (a kind too rare to deal).
    std::optional<Spot> next();

private:
    bool fits(const Spot& spot);

    SpotDealer Dealer;
    SpotKind Kind;
    std::array<std::optional<equity::HoldingWeights>, 4> Ranges;
};

} // namespace tavolin::practice
