#include "practice/spot_dealer.h"

#include "practice/close_spot_dealer.h"
#include "practice/spot_reading.h"

#include <algorithm>
#include <array>

namespace tavolin::practice {
namespace {

constexpr std::array<std::string_view, 3> kStreetNames{"flop", "turn", "river"};

// Pots of 20 to 400 chips in steps of 20; stacks of a quarter pot to twelve pots, never below the bet.
constexpr int kPotStep = 20;
constexpr int kPotSteps = 20;
constexpr int kStackQuarterPots = 48;
constexpr std::array kDrawnSizes{BetSize::kThird, BetSize::kHalf, BetSize::kTwoThirds,
                                 BetSize::kThreeQuarters, BetSize::kPot};

} // namespace

std::string_view streetName(Street street) {
    return kStreetNames[static_cast<std::size_t>(street)];
}

std::optional<Street> readStreet(std::string_view name) {
    for (std::size_t i = 0; i < kStreetNames.size(); ++i) {
        if (kStreetNames[i] == name) return static_cast<Street>(i);
    }
    return std::nullopt;
}

SpotDealer::SpotDealer(std::uint64_t seed, const SpotFilter& filter) : Random(seed), Filter(filter) {
    if (Filter.PreflopProfile) Filter.PreflopProfile = std::clamp(*Filter.PreflopProfile, 0, 3);
}

Spot SpotDealer::next() {
    if (!Filter.CloseBet) return nextDrawn();
    return dealCloseSpot([this] { return nextDrawn(); }, Random, *Filter.CloseBet).Dealt;
}

Spot SpotDealer::nextDrawn() {
    // Every kind of board comes up often enough on every street that drawing until one fits ends soon.
    for (;;) {
        const Spot spot = drawCandidate();
        if (!Filter.Board || textureIsOfKind(readSpot(spot).Texture, *Filter.Board)) return spot;
    }
}

Spot SpotDealer::drawCandidate() {
    Spot spot;
    const Street street = Filter.OnStreet ? *Filter.OnStreet : static_cast<Street>(Random.below(3));
    spot.BoardCount = 3 + static_cast<int>(street);

    std::array<int, 52> deck{};
    for (int card = 0; card < 52; ++card)
        deck[static_cast<std::size_t>(card)] = card;
    const int dealt = 2 + spot.BoardCount;
    for (int i = 0; i < dealt; ++i) {
        const int j = i + Random.below(52 - i);
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(j)]);
    }
    std::copy_n(deck.begin(), 2, spot.Hole.begin());
    std::copy_n(deck.begin() + 2, spot.BoardCount, spot.Board.begin());

    spot.PreflopProfile = Filter.PreflopProfile ? *Filter.PreflopProfile : Random.below(4);
    const int potSteps = 1 + Random.below(kPotSteps);
    spot.Pot = kPotStep * potSteps;
    const BetSize size =
        kDrawnSizes[static_cast<std::size_t>(Random.below(static_cast<int>(kDrawnSizes.size())))];
    spot.VillainBet = betAmount(spot.Pot, size);
    const int quarterPots = 1 + Random.below(kStackQuarterPots);
    spot.Stack = std::max(spot.VillainBet, kPotStep / 4 * potSteps * quarterPots);
    return spot;
}

} // namespace tavolin::practice
