#pragma once

// The enumeration under exact equity, one runout at a time. With the five board cards fixed, a villain
// holding's value depends on its two ranks alone unless it makes a flush, and runouts of the same ranks
// share those values. So each runout's ranks get their 91 rank-pair values and a tally of the live range
// against the hero once; a runout then only takes out the holdings its own cards kill and those that make
// a flush, which are valued one by one.

#include "equity/hand_value.h"
#include "equity/holdings.h"

#include <array>
#include <utility>

namespace tavolin::equity::detail {

constexpr int kRankPairCount = 91;

// The 91 pairs of rank indices (0 = deuce) in one number, either order.
constexpr int rankPair(int rankA, int rankB) {
    return rankA > rankB ? rankA * (rankA + 1) / 2 + rankB : rankB * (rankB + 1) / 2 + rankA;
}

// The two ranks of each rank pair, the higher first.
inline constexpr auto kPairRanks = [] {
    std::array<std::pair<int, int>, kRankPairCount> ranks{};
    for (int high = 0; high < 13; ++high) {
        for (int low = 0; low <= high; ++low)
            ranks[static_cast<std::size_t>(rankPair(high, low))] = {high, low};
    }
    return ranks;
}();

// Summed villain weights by how the hero's hand compares with theirs.
struct RunoutTally {
    double Win = 0.0;
    double Tie = 0.0;
    double Lose = 0.0;

    // Selects rather than branches: which outcome a comparison gives is hard to predict.
    void add(HandValue villain, HandValue hero, double weight) {
        Win += villain < hero ? weight : 0.0;
        Tie += villain == hero ? weight : 0.0;
        Lose += villain > hero ? weight : 0.0;
    }
    void add(const RunoutTally& other) {
        Win += other.Win;
        Tie += other.Tie;
        Lose += other.Lose;
    }
};

// Two hero cards and three to five board cards, all different.
bool isValidSpot(CardMask hero, CardMask board);

// Calls `visit(runout)` for every way to complete the board to five cards with cards not in `dead`,
// runouts of the same ranks one after another.
template <class Visit> void forEachRunout(CardMask dead, int missing, Visit&& visit) {
    const auto live = [dead](Card card) { return (dead & maskOf(card)) == 0; };
    if (missing == 0) visit(CardMask{0});
    for (int high = kLowestRank; high <= kAce && missing > 0; ++high) {
        for (int highSuit = 0; highSuit < kSuitCount && missing == 1; ++highSuit) {
            if (live(Card(high, highSuit))) visit(maskOf(Card(high, highSuit)));
        }
        for (int low = kLowestRank; low <= high && missing == 2; ++low) {
            for (int highSuit = 0; highSuit < kSuitCount; ++highSuit) {
                for (int lowSuit = 0; lowSuit < (low == high ? highSuit : kSuitCount); ++lowSuit) {
                    const Card first(high, highSuit);
                    const Card second(low, lowSuit);
                    if (live(first) && live(second)) visit(maskOf(first) | maskOf(second));
                }
            }
        }
    }
}

class RunoutTallier {
public:
    // Expects a valid spot.
    RunoutTallier(CardMask hero, CardMask board, const HoldingWeights& villain);

    // `runout` holds the 5 - board cards still to come, none of them the hero's or the board's.
    RunoutTally tally(CardMask runout);

    // The live holdings with a weight, and their summed weight.
    int liveHoldings() const { return LiveHoldings; }
    double liveWeight() const { return LiveWeight; }

private:
    // What the tallies of one runout rank set share while the hero's value stays: the base weights' tally
    // and, by card, the tally of the live holdings holding that card. Stamps tell which are current.
    struct HeroSlot {
        HandValue Hero = 0;
        unsigned Stamp = 0; // 0: unused
        RunoutTally Base;
        std::array<RunoutTally, kDeckSize> WithCard{};
        std::array<unsigned, kDeckSize> WithCardStamp{};
    };
    struct SuitedHolding {
        unsigned Ranks = 0;
        int RankPair = 0;
        double Weight = 0.0;
    };
    struct LiveHolding {
        CardMask Mask = 0;
        double Weight = 0.0;
    };
    // The ranks with a weight in one card's row of WeightsWithCard or WeightsWithOffsuitCard.
    struct RankList {
        std::array<std::uint8_t, 13> Ranks{};
        int Count = 0;
    };

    double weightOf(int cardA, int cardB) const;
    void prepareRanks(CardMask fullBoard, int key);
    HeroSlot& slotFor(HandValue hero);
    const RunoutTally& withCard(HeroSlot& slot, int card);
    void shift(RunoutTally& tally, int rankPair, double weight) const;
    void takeFlushHoldings(RunoutTally& tally, CardMask fullBoard, int suit, CardMask runout) const;
    RunoutTally tallyBoardFlush(CardMask fullBoard, int suit) const;

    CardMask Hero;
    CardMask Board;
    HoldingWeights Weights; // those below 0 or not finite as 0
    int LiveHoldings = 0;
    double LiveWeight = 0.0;
    // Live weight by rank pair; by card and the other card's rank for the holdings with that card, all of
    // them and those whose other card is of another suit; the live suited holdings by suit.
    std::array<double, kRankPairCount> BaseWeights{};
    std::array<std::array<double, 13>, kDeckSize> WeightsWithCard{};
    std::array<std::array<double, 13>, kDeckSize> WeightsWithOffsuitCard{};
    std::array<std::array<SuitedHolding, 78>, 4> Suited{};
    std::array<int, 4> SuitedCount{};
    // The same weights listed by what is there, so that a narrow range costs little: the rank pairs with a
    // weight, by card the other ranks, and every live holding.
    std::array<std::uint8_t, kRankPairCount> LivePairs{};
    int LivePairCount = 0;
    std::array<RankList, kDeckSize> PartnerRanks{};
    std::array<RankList, kDeckSize> OffsuitPartnerRanks{};
    std::array<LiveHolding, kHoldingCount> Live{};
    // For the runout ranks last seen: each villain rank pair's value without a flush, and two hero values'
    // shared tallies (the hero's value changes within a rank set only by a flush).
    int RanksKey = -1;
    std::array<HandValue, kRankPairCount> Values{};
    std::array<HeroSlot, 2> Slots{};
    unsigned LastStamp = 0;
    std::size_t NextSlot = 0;

    CardMask Dead = 0;
    HandValue HeroValue = 0;
};

} // namespace tavolin::equity::detail
