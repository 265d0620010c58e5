#include "practice/spot_kind_dealer.h"

#include "equity/exact_equity.h"
#include "practice/spot_reading.h"
#include "ranges/profiles.h"

namespace tavolin::practice {
namespace {

// The tier and board kind are cheap to test and the equity is not, so the search is bounded by both.
constexpr int kMostCandidates = 20000;
constexpr int kMostEquities = 2000;

// "NUTS" names the tier; the labels say "NUTS ON HAND" or "NUTS ON BOARD", so tierOfLabel does not read it.
std::optional<Tier> readTierName(std::string_view name) {
    for (int tier = 0; tier < kTierCount; ++tier) {
        if (tierName(static_cast<Tier>(tier)) == name) return static_cast<Tier>(tier);
    }
    return std::nullopt;
}

} // namespace

std::optional<SpotKind> readSpotKind(std::string_view street, std::string_view boardKind,
                                     std::string_view tier, std::string_view closeness) {
    SpotKind kind;
    if (!street.empty() && !(kind.Cards.OnStreet = readStreet(street))) return std::nullopt;
    if (!boardKind.empty() && !(kind.Cards.Board = readBoardKind(boardKind))) return std::nullopt;
    if (!tier.empty() && !(kind.HandTier = readTierName(tier))) return std::nullopt;
    if (!closeness.empty() && !(kind.Closeness = readCloseness(closeness))) return std::nullopt;
    return kind;
}

namespace {

// A kind's closeness is judged against the whole range, so the bet is drawn, not chosen for the betting
// range.
SpotFilter drawnBets(SpotFilter filter) {
    filter.CloseBet.reset();
    return filter;
}

} // namespace

SpotKindDealer::SpotKindDealer(std::uint64_t seed, const SpotKind& kind)
    : Dealer(seed, drawnBets(kind.Cards)), Kind(kind) {}

std::optional<Spot> SpotKindDealer::next() {
    int equities = 0;
    for (int candidate = 0; candidate < kMostCandidates && equities < kMostEquities; ++candidate) {
        const Spot spot = Dealer.next();
        if (Kind.HandTier && tierOfLabel(readSpot(spot).StrengthLabel) != Kind.HandTier) continue;
        if (!Kind.Closeness) return spot;
        ++equities;
        if (fits(spot)) return spot;
    }
    return std::nullopt;
}

bool SpotKindDealer::fits(const Spot& spot) {
    auto& range = Ranges[static_cast<std::size_t>(spot.PreflopProfile)];
    if (!range) range = ranges::profileRange(spot.PreflopProfile);
    const double equity = equity::exactEquity(holeMask(spot), boardMask(spot), *range).Equity;
    return closenessOf(spot, equity).Name == Kind.Closeness->Name;
}

} // namespace tavolin::practice
