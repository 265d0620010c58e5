#include "equity/holding_equities.h"

#include "equity/hand_value_parts.h"
#include "equity/runout_tally.h"

#include <algorithm>
#include <cstdint>

namespace tavolin::equity {
namespace {

using detail::kPairRanks;
using detail::kRankPairCount;
using detail::rankPair;

constexpr std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

constexpr int rankIndex(int card) {
    return card % 13;
}

// The hero's wins and ties, counted in runouts.
struct Count {
    int Win = 0;
    int Tie = 0;

    void add(HandValue hero, HandValue villain, int times) {
        Win += hero > villain ? times : 0;
        Tie += hero == villain ? times : 0;
    }
    // Takes out what `was` counted and counts `is` instead.
    void replace(HandValue hero, HandValue was, HandValue is) {
        Win += (hero > is) - (hero > was);
        Tie += (hero == is) - (hero == was);
    }
};

// Leaving flushes aside, a villain holding's value on a runout depends on its two ranks alone, so the count
// against a holding is the count against its rank pair over every runout, less the runouts that hold either
// of its cards (counted by card and other rank), plus the runout that holds both. Runouts of the same ranks
// share those values and the hero's, but for a hero flush: they are counted together, by the hero's value.
// The holdings that make a flush are then put right runout by runout.
class HoldingPass {
public:
    HoldingPass(CardMask hero, CardMask board, const HoldingWeights& villain, HoldingEquities& out)
        : Hero(hero), Board(board), Missing(5 - std::popcount(board)), Out(out) {
        const CardMask dead = hero | board;
        for (int high = 1, index = 0; high < kDeckSize; ++high) {
            for (int low = 0; low < high; ++low, ++index) {
                const double weight = usableWeight(villain[at(index)]);
                const CardMask mask = maskOf(high) | maskOf(low);
                if (weight == 0.0 || (mask & dead) != 0) continue;
                out.Weights[at(index)] = weight;
                out.Weight += weight;
                ++out.Holdings;
                const int pair = rankPair(rankIndex(high), rankIndex(low));
                Live.push({mask, index, high, low, pair});
                PairLive[at(pair)] = true;
                PartnerRanks[at(high)] |= 1U << rankIndex(low);
                PartnerRanks[at(low)] |= 1U << rankIndex(high);
                const int highSuit = cardSuit(high);
                const int lowSuit = cardSuit(low);
                const FlushCandidate candidate{mask, static_cast<std::uint16_t>(index),
                                               static_cast<std::uint8_t>(pair),
                                               static_cast<std::uint16_t>(suitRanks(mask, highSuit))};
                AnyOfSuit[at(highSuit)].push(candidate);
                if (lowSuit == highSuit) {
                    BothOfSuit[at(highSuit)].push(candidate);
                    continue;
                }
                AnyOfSuit[at(lowSuit)].push({mask, candidate.Index, candidate.Pair,
                                             static_cast<std::uint16_t>(suitRanks(mask, lowSuit))});
            }
        }
        for (int pair = 0; pair < kRankPairCount; ++pair)
            if (PairLive[at(pair)]) LivePairs.push(pair);
    }

    void addRunout(CardMask runout) {
        const CardMask fullBoard = Board | runout;
        const int first = runout == 0 ? 0 : std::countr_zero(runout);
        const int second = runout == 0 ? 0 : std::bit_width(runout) - 1;
        if (const int key = rankPair(rankIndex(first), rankIndex(second)); key != RanksKey) {
            closeRanks();
            openRanks(fullBoard, key);
        }
        const HandValue hero = heroValue(fullBoard);
        // Against a hand without a flush, each of the hero's flushes (or straight flushes) compares alike.
        const HandCategory category = categoryOf(hero);
        const bool flush = category == HandCategory::kFlush || category == HandCategory::kStraightFlush;
        HeroGroup& group = groupFor(flush ? parts::categoryBits(category) : hero);
        ++group.Runouts;
        group.Cards |= runout;
        for (const Card card : cardsIn(runout))
            ++group.ByCard[at(card.index())];
        if (Missing == 2) {
            const int index = holdingIndex(first, second);
            if (Out.Weights[at(index)] > 0.0) Extra[at(index)].add(hero, Values[at(RanksKey)], 1);
        }
        takeFlushes(fullBoard, runout, hero);
    }

    void finish() {
        closeRanks();
        const int unseen = kDeckSize - std::popcount(Hero | Board) - 2;
        Out.Runouts = Missing == 2 ? unseen * (unseen - 1) / 2 : Missing == 1 ? unseen : 1;
        const double runouts = Out.Runouts;
        for (int local = 0; local < Out.Holdings; ++local) {
            const LiveHolding& holding = Live.Items[at(local)];
            const Count& all = All[at(holding.Pair)];
            const Count& high = WithCard[at(holding.High)][at(rankIndex(holding.Low))];
            const Count& low = WithCard[at(holding.Low)][at(rankIndex(holding.High))];
            const Count& extra = Extra[at(holding.Index)];
            Out.Shares[at(holding.Index)] = {(all.Win - high.Win - low.Win + extra.Win) / runouts,
                                             (all.Tie - high.Tie - low.Tie + extra.Tie) / runouts};
        }
    }

private:
    // The lists' items have no initializers: only what is pushed is read, so nothing else is cleared.
    struct LiveHolding {
        CardMask Mask;
        int Index;
        int High; // its cards
        int Low;
        int Pair;
    };
    // A live holding that may make a flush of one suit, with its ranks of that suit.
    struct FlushCandidate {
        CardMask Mask;
        std::uint16_t Index;
        std::uint8_t Pair;
        std::uint16_t Ranks;
    };
    template <class Item, std::size_t Size> struct List {
        std::array<Item, Size> Items;
        int Count = 0;
        void push(Item item) { Items[at(Count++)] = item; }
    };
    // The runouts of the current ranks on which the hero's value compares alike, and the cards they hold.
    struct HeroGroup {
        HandValue Hero = 0;
        int Runouts = 0;
        CardMask Cards = 0;
        std::array<int, kDeckSize> ByCard{};
    };

    HandValue heroValue(CardMask fullBoard) const {
        const CardMask cards = Hero | fullBoard;
        for (int suit = 0; suit < kSuitCount; ++suit) {
            if (const unsigned ranks = suitRanks(cards, suit); parts::rankCount(ranks) >= 5)
                return parts::flushValue(ranks);
        }
        return HeroRanks;
    }

    void openRanks(CardMask fullBoard, int key) {
        RanksKey = key;
        const parts::RankLayers board =
            parts::layersOfSuits(suitRanks(fullBoard, 0), suitRanks(fullBoard, 1), suitRanks(fullBoard, 2),
                                 suitRanks(fullBoard, 3));
        parts::RankLayers hero = board;
        for (const Card card : cardsIn(Hero))
            hero.add(card.rank() - 2);
        HeroRanks = parts::rankValue(hero);
        for (int listed = 0; listed < LivePairs.Count; ++listed) {
            const int pair = LivePairs.Items[at(listed)];
            parts::RankLayers layers = board;
            layers.add(kPairRanks[at(pair)].first);
            layers.add(kPairRanks[at(pair)].second);
            Values[at(pair)] = parts::rankValue(layers);
        }
    }

    HeroGroup& groupFor(HandValue hero) {
        for (int group = 0; group < GroupCount; ++group)
            if (Groups[at(group)].Hero == hero) return Groups[at(group)];
        HeroGroup& group = Groups[at(GroupCount++)];
        group.Hero = hero;
        return group;
    }

    // Counts the current ranks' runouts against every rank pair, and by card against its partners' ranks.
    void closeRanks() {
        for (int index = 0; index < GroupCount; ++index) {
            HeroGroup& group = Groups[at(index)];
            for (int listed = 0; listed < LivePairs.Count; ++listed) {
                const int pair = LivePairs.Items[at(listed)];
                All[at(pair)].add(group.Hero, Values[at(pair)], group.Runouts);
            }
            for (const Card card : cardsIn(group.Cards)) {
                const int times = group.ByCard[at(card.index())];
                auto& counts = WithCard[at(card.index())];
                for (unsigned ranks = PartnerRanks[at(card.index())]; ranks != 0; ranks &= ranks - 1) {
                    const int rank = std::countr_zero(ranks);
                    counts[at(rank)].add(group.Hero, Values[at(rankPair(card.rank() - 2, rank))], times);
                }
            }
            group = HeroGroup{};
        }
        GroupCount = 0;
    }

    // With three of a suit on the board a holding needs both cards of it for a flush, with four one, with
    // five none; a flush is its value, whatever its ranks make.
    void takeFlushes(CardMask fullBoard, CardMask runout, HandValue hero) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            const unsigned boardSuit = suitRanks(fullBoard, suit);
            const int count = parts::rankCount(boardSuit);
            if (count < 3) continue;
            if (count == 5) {
                for (int local = 0; local < Out.Holdings; ++local) {
                    const LiveHolding& holding = Live.Items[at(local)];
                    if ((holding.Mask & runout) != 0) continue;
                    Extra[at(holding.Index)].replace(
                        hero, Values[at(holding.Pair)],
                        parts::flushValue(boardSuit | suitRanks(holding.Mask, suit)));
                }
                return;
            }
            const FlushCandidate* candidates =
                count == 3 ? BothOfSuit[at(suit)].Items.data() : AnyOfSuit[at(suit)].Items.data();
            const int listed = count == 3 ? BothOfSuit[at(suit)].Count : AnyOfSuit[at(suit)].Count;
            for (int item = 0; item < listed; ++item) {
                const FlushCandidate& holding = candidates[item];
                if ((holding.Mask & runout) != 0) continue;
                Extra[holding.Index].replace(hero, Values[holding.Pair],
                                             parts::flushValue(boardSuit | holding.Ranks));
            }
            return; // five cards hold three of one suit at most once
        }
    }

    CardMask Hero;
    CardMask Board;
    int Missing;
    HoldingEquities& Out;

    List<LiveHolding, kHoldingCount> Live;
    std::array<bool, kRankPairCount> PairLive{};
    List<int, kRankPairCount> LivePairs;
    std::array<unsigned, kDeckSize> PartnerRanks{}; // by card, the other ranks of its live holdings
    // By suit, the holdings with both cards of it and those with any: 78 and 1326 - 39 * 38 / 2.
    std::array<List<FlushCandidate, 78>, kSuitCount> BothOfSuit;
    std::array<List<FlushCandidate, 585>, kSuitCount> AnyOfSuit;

    int RanksKey = -1;
    HandValue HeroRanks = 0;
    std::array<HandValue, kRankPairCount> Values{};
    std::array<HeroGroup, 3> Groups{};
    int GroupCount = 0;

    std::array<Count, kRankPairCount> All{};
    std::array<std::array<Count, 13>, kDeckSize> WithCard{};
    std::array<Count, kHoldingCount> Extra{}; // by holding index: the runout of its own cards, and flushes
};

} // namespace

HoldingEquities holdingEquities(CardMask hero, CardMask board, const HoldingWeights& villain) {
    HoldingEquities result;
    if (!detail::isValidSpot(hero, board)) return result;
    result.Dead = hero | board;
    HoldingPass pass(hero, board, villain, result);
    detail::forEachRunout(hero | board, 5 - std::popcount(board),
                          [&](CardMask runout) { pass.addRunout(runout); });
    pass.finish();
    return result;
}

std::optional<EquityResult> equityAgainst(const HoldingEquities& equities, const HoldingWeights& part) {
    EquityResult result;
    if (equities.Runouts == 0) return result;
    double win = 0.0, tie = 0.0;
    for (int high = 1, index = 0; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low, ++index) {
            const double weight = usableWeight(part[at(index)]);
            if (weight == 0.0 || ((maskOf(high) | maskOf(low)) & equities.Dead) != 0) continue;
            if (equities.Weights[at(index)] == 0.0) return std::nullopt;
            win += weight * equities.Shares[at(index)].Win;
            tie += weight * equities.Shares[at(index)].Tie;
            result.Weight += weight;
            ++result.Holdings;
        }
    }
    if (result.Holdings == 0) return EquityResult{};
    result.Win = win / result.Weight;
    result.Tie = tie / result.Weight;
    result.Lose = std::max(0.0, 1.0 - result.Win - result.Tie);
    result.Equity = result.Win + result.Tie / 2;
    result.Runouts = equities.Runouts;
    return result;
}

} // namespace tavolin::equity
