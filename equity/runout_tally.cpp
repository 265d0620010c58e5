#include "equity/runout_tally.h"

#include "equity/hand_value_parts.h"

namespace tavolin::equity::detail {
namespace {

// The rank pairs holding a rank, by the other rank.
constexpr auto kPairsWithRank = [] {
    std::array<std::array<std::size_t, 13>, 13> pairs{};
    for (int rank = 0; rank < 13; ++rank) {
        for (int other = 0; other < 13; ++other)
            pairs[static_cast<std::size_t>(rank)][static_cast<std::size_t>(other)] =
                static_cast<std::size_t>(rankPair(rank, other));
    }
    return pairs;
}();

constexpr int rankIndex(int card) {
    return card % 13;
}

constexpr std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

bool isValidSpot(CardMask hero, CardMask board) {
    const int boardCount = std::popcount(board);
    return std::popcount(hero) == 2 && boardCount >= 3 && boardCount <= 5 && (hero & board) == 0 &&
           ((hero | board) & ~kFullDeck) == 0;
}

RunoutTallier::RunoutTallier(CardMask hero, CardMask board, const HoldingWeights& villain)
    : Hero(hero), Board(board), Weights(villain) {
    for (double& weight : Weights)
        weight = usableWeight(weight);
    const CardMask dead = hero | board;
    for (int high = 1; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low) {
            const double weight = weightOf(high, low);
            if (((maskOf(high) | maskOf(low)) & dead) != 0 || weight == 0.0) continue;
            Live[at(LiveHoldings++)] = {maskOf(high) | maskOf(low), weight};
            LiveWeight += weight;
            BaseWeights[at(rankPair(rankIndex(high), rankIndex(low)))] += weight;
            WeightsWithCard[at(high)][at(rankIndex(low))] += weight;
            WeightsWithCard[at(low)][at(rankIndex(high))] += weight;
            if (const int suit = cardSuit(high); suit == cardSuit(low)) {
                Suited[at(suit)][at(SuitedCount[at(suit)]++)] = {1U << rankIndex(high) | 1U << rankIndex(low),
                                                                 rankPair(rankIndex(high), rankIndex(low)),
                                                                 weight};
                continue;
            }
            WeightsWithOffsuitCard[at(high)][at(rankIndex(low))] += weight;
            WeightsWithOffsuitCard[at(low)][at(rankIndex(high))] += weight;
        }
    }
    for (int pair = 0; pair < kRankPairCount; ++pair) {
        if (BaseWeights[at(pair)] != 0.0) LivePairs[at(LivePairCount++)] = static_cast<std::uint8_t>(pair);
    }
    for (int card = 0; card < kDeckSize; ++card) {
        for (int rank = 0; rank < 13; ++rank) {
            RankList& all = PartnerRanks[at(card)];
            if (WeightsWithCard[at(card)][at(rank)] != 0.0)
                all.Ranks[at(all.Count++)] = static_cast<std::uint8_t>(rank);
            RankList& offsuit = OffsuitPartnerRanks[at(card)];
            if (WeightsWithOffsuitCard[at(card)][at(rank)] != 0.0)
                offsuit.Ranks[at(offsuit.Count++)] = static_cast<std::uint8_t>(rank);
        }
    }
}

double RunoutTallier::weightOf(int cardA, int cardB) const {
    return Weights[at(holdingIndex(cardA, cardB))];
}

void RunoutTallier::prepareRanks(CardMask fullBoard, int key) {
    RanksKey = key;
    for (HeroSlot& slot : Slots)
        slot.Stamp = 0;
    const parts::RankLayers board = parts::layersOfSuits(suitRanks(fullBoard, 0), suitRanks(fullBoard, 1),
                                                         suitRanks(fullBoard, 2), suitRanks(fullBoard, 3));
    // A rank pair without live weight is only ever weighed by 0.
    for (int live = 0; live < LivePairCount; ++live) {
        const int pair = LivePairs[at(live)];
        parts::RankLayers layers = board;
        layers.add(kPairRanks[at(pair)].first);
        layers.add(kPairRanks[at(pair)].second);
        Values[at(pair)] = parts::rankValue(layers);
    }
}

// Moves `weight` of a rank pair's holdings into the tally (or out of it, when negative).
void RunoutTallier::shift(RunoutTally& tally, int pair, double weight) const {
    tally.add(Values[at(pair)], HeroValue, weight);
}

RunoutTallier::HeroSlot& RunoutTallier::slotFor(HandValue hero) {
    for (HeroSlot& slot : Slots) {
        if (slot.Stamp != 0 && slot.Hero == hero) return slot;
    }
    HeroSlot& slot = Slots[NextSlot];
    NextSlot = (NextSlot + 1) % Slots.size();
    slot.Hero = hero;
    slot.Stamp = ++LastStamp;
    slot.Base = {};
    for (int live = 0; live < LivePairCount; ++live)
        slot.Base.add(Values[at(LivePairs[at(live)])], hero, BaseWeights[at(LivePairs[at(live)])]);
    return slot;
}

const RunoutTally& RunoutTallier::withCard(HeroSlot& slot, int card) {
    RunoutTally& tally = slot.WithCard[at(card)];
    if (slot.WithCardStamp[at(card)] == slot.Stamp) return tally;
    slot.WithCardStamp[at(card)] = slot.Stamp;
    tally = {};
    const auto& pairs = kPairsWithRank[at(rankIndex(card))];
    const RankList& partners = PartnerRanks[at(card)];
    for (int listed = 0; listed < partners.Count; ++listed) {
        const std::size_t rank = partners.Ranks[at(listed)];
        tally.add(Values[pairs[rank]], slot.Hero, WeightsWithCard[at(card)][rank]);
    }
    return tally;
}

// Holdings that make a flush with a board of three or four of the suit leave their rank pair's tally for
// the flush's value.
void RunoutTallier::takeFlushHoldings(RunoutTally& tally, CardMask fullBoard, int suit,
                                      CardMask runout) const {
    const unsigned boardSuit = suitRanks(fullBoard, suit);
    const bool fourOnBoard = parts::rankCount(boardSuit) == 4;
    const unsigned runoutSuit = suitRanks(runout, suit);
    for (int index = 0; index < SuitedCount[at(suit)]; ++index) {
        const SuitedHolding& holding = Suited[at(suit)][at(index)];
        if ((holding.Ranks & runoutSuit) != 0) continue;
        shift(tally, holding.RankPair, -holding.Weight);
        tally.add(parts::flushValue(boardSuit | holding.Ranks), HeroValue, holding.Weight);
    }
    if (!fourOnBoard) return;
    const unsigned liveSuit = parts::kAllRanks & ~suitRanks(Dead, suit);
    for (unsigned first = liveSuit; first != 0; first &= first - 1) {
        const int firstRank = std::countr_zero(first);
        const int firstCard = cardOf(suit, firstRank + 2);
        const RankList& partners = OffsuitPartnerRanks[at(firstCard)];
        if (partners.Count == 0) continue;
        // One card of the suit with a card of another suit that the runout has not taken.
        double flushWeight = 0.0;
        for (int listed = 0; listed < partners.Count; ++listed) {
            const int rank = partners.Ranks[at(listed)];
            double weight = WeightsWithOffsuitCard[at(firstCard)][at(rank)];
            for (const Card card : cardsIn(runout)) {
                if (card.rank() - 2 == rank && card.suit() != suit)
                    weight -= weightOf(firstCard, card.index());
            }
            shift(tally, rankPair(firstRank, rank), -weight);
            flushWeight += weight;
        }
        tally.add(parts::flushValue(boardSuit | 1U << firstRank), HeroValue, flushWeight);
    }
}

// Five of a suit on the board: every holding holds a flush, improved only by its cards of the suit.
RunoutTally RunoutTallier::tallyBoardFlush(CardMask fullBoard, int suit) const {
    const unsigned boardSuit = suitRanks(fullBoard, suit);
    RunoutTally tally;
    for (int live = 0; live < LiveHoldings; ++live) {
        const LiveHolding& holding = Live[at(live)];
        if ((holding.Mask & Dead) != 0) continue;
        tally.add(parts::flushValue(boardSuit | suitRanks(holding.Mask, suit)), HeroValue, holding.Weight);
    }
    return tally;
}

RunoutTally RunoutTallier::tally(CardMask runout) {
    const CardMask fullBoard = Board | runout;
    Dead = Hero | fullBoard;
    HeroValue = handValue(Dead);
    int flushSuit = -1;
    for (int suit = 0; suit < 4; ++suit) {
        if (parts::rankCount(suitRanks(fullBoard, suit)) >= 3) flushSuit = suit;
    }
    if (flushSuit >= 0 && parts::rankCount(suitRanks(fullBoard, flushSuit)) == 5)
        return tallyBoardFlush(fullBoard, flushSuit);

    const int first = runout == 0 ? 0 : std::countr_zero(runout);
    const int second = runout == 0 ? 0 : std::bit_width(runout) - 1;
    if (const int key = rankPair(rankIndex(first), rankIndex(second)); key != RanksKey)
        prepareRanks(fullBoard, key);
    // Against hands without a flush, each of the hero's flushes (or straight flushes) compares alike.
    const HandCategory heroCategory = categoryOf(HeroValue);
    const bool heroFlush =
        heroCategory == HandCategory::kFlush || heroCategory == HandCategory::kStraightFlush;
    HeroSlot& slot = slotFor(heroFlush ? parts::categoryBits(heroCategory) : HeroValue);
    RunoutTally tally = slot.Base;
    const auto remove = [&tally](const RunoutTally& removed) {
        tally.Win -= removed.Win;
        tally.Tie -= removed.Tie;
        tally.Lose -= removed.Lose;
    };
    if (runout != 0) remove(withCard(slot, first));
    if (second != first) {
        remove(withCard(slot, second));
        shift(tally, rankPair(rankIndex(first), rankIndex(second)), weightOf(first, second));
    }
    if (flushSuit >= 0) takeFlushHoldings(tally, fullBoard, flushSuit, runout);
    return tally;
}

} // namespace tavolin::equity::detail
