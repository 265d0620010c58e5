#include "equity/range_equity.h"

#include "equity/hand_value_parts.h"
#include "equity/runout_tally.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace tavolin::equity {
namespace {

constexpr int kRankPairs = 91;

constexpr int rankPairOf(int rankA, int rankB) {
    return rankA > rankB ? rankA * (rankA + 1) / 2 + rankB : rankB * (rankB + 1) / 2 + rankA;
}

// A holding that is in either range and shares no card with the board.
struct Involved {
    CardMask Mask = 0;
    int First = 0; // its two card indices
    int Second = 0;
    double Hero = 0.0;
    double Villain = 0.0;
};

// Every holding's value on one runout, ordered, then one sweep from the lowest up: the villain weight
// below a hero holding is the running total less what holds either of its two cards (kept by card), and
// the same for the weight of equal value. Non-flush values depend on the ranks alone, so the order of the
// 91 rank pairs is shared by the runouts of the same ranks; holdings that make a flush are valued and
// sorted per runout.
class RangeSweep {
public:
    RangeSweep(const HoldingWeights& hero, const HoldingWeights& villain, CardMask board) : Board(board) {
        for (int index = 0; index < kHoldingCount; ++index) {
            const Holding holding = holdingAt(index);
            Involved entry{holdingMask(index), holding.High, holding.Low,
                           usableWeight(hero[static_cast<std::size_t>(index)]),
                           usableWeight(villain[static_cast<std::size_t>(index)])};
            if ((entry.Mask & board) != 0 || (entry.Hero == 0.0 && entry.Villain == 0.0)) continue;
            const int local = static_cast<int>(Holdings.size());
            const Card high = Card::fromIndex(holding.High);
            const Card low = Card::fromIndex(holding.Low);
            ByPair[static_cast<std::size_t>(rankPairOf(high.rank() - 2, low.rank() - 2))].push_back(local);
            for (int suit = 0; suit < kSuitCount; ++suit) {
                const int ofSuit = (high.suit() == suit) + (low.suit() == suit);
                if (ofSuit > 0) AnyOfSuit[static_cast<std::size_t>(suit)].push_back(local);
                if (ofSuit == 2) BothOfSuit[static_cast<std::size_t>(suit)].push_back(local);
            }
            Holdings.push_back(entry);
            GlobalIndex.push_back(index);
        }
        AllHoldings.resize(Holdings.size());
        std::iota(AllHoldings.begin(), AllHoldings.end(), 0);
        FlushStamp.assign(Holdings.size(), 0);
        Win.assign(Holdings.size(), 0.0);
        Tie.assign(Holdings.size(), 0.0);
        Total.assign(Holdings.size(), 0.0);
        Order.reserve(Holdings.size());
        GroupEnds.reserve(Holdings.size());
        Flushes.reserve(Holdings.size());
    }

    void addRunout(CardMask runout) {
        const CardMask fullBoard = Board | runout;
        prepareRanks(fullBoard, runout);
        ++Stamp;
        collectFlushes(fullBoard, runout);
        orderHoldings(runout);
        sweep();
    }

    RangeEquity result() const {
        RangeEquity range;
        double win = 0.0, tie = 0.0, total = 0.0;
        for (std::size_t local = 0; local < Holdings.size(); ++local) {
            const double weight = Holdings[local].Hero;
            HoldingEquity& cell = range.Holdings[static_cast<std::size_t>(GlobalIndex[local])];
            cell.Weight = weight;
            if (weight == 0.0 || Total[local] <= 0.0) continue;
            cell.Matchups = Total[local];
            cell.Win = Win[local] / Total[local];
            cell.Tie = Tie[local] / Total[local];
            cell.Lose = std::max(0.0, 1.0 - cell.Win - cell.Tie);
            cell.Equity = cell.Win + cell.Tie / 2;
            ++range.HeroHoldings;
            range.HeroWeight += weight;
            win += weight * Win[local];
            tie += weight * Tie[local];
            total += weight * Total[local];
        }
        if (total > 0.0) {
            range.Win = win / total;
            range.Tie = tie / total;
            range.Lose = std::max(0.0, 1.0 - range.Win - range.Tie);
            range.Equity = range.Win + range.Tie / 2;
        }
        return range;
    }

private:
    void prepareRanks(CardMask fullBoard, CardMask runout) {
        int key = 0;
        for (const Card card : cardsIn(runout))
            key = key * 16 + card.rank();
        // Cards come by suit first, so the same two ranks may come either way round.
        if (key >= 16 && key / 16 > key % 16) key = (key % 16) * 16 + key / 16;
        if (key == RanksKey) return;
        RanksKey = key;
        const parts::RankLayers board =
            parts::layersOfSuits(suitRanks(fullBoard, 0), suitRanks(fullBoard, 1), suitRanks(fullBoard, 2),
                                 suitRanks(fullBoard, 3));
        for (int high = 0; high < kRanksPerSuit; ++high) {
            parts::RankLayers withHigh = board;
            withHigh.add(high);
            for (int low = 0; low <= high; ++low) {
                parts::RankLayers layers = withHigh;
                layers.add(low);
                PairValues[static_cast<std::size_t>(rankPairOf(high, low))] = parts::rankValue(layers);
            }
        }
        std::iota(PairOrder.begin(), PairOrder.end(), 0);
        std::sort(PairOrder.begin(), PairOrder.end(), [this](int a, int b) {
            return PairValues[static_cast<std::size_t>(a)] < PairValues[static_cast<std::size_t>(b)];
        });
    }

    // With three of a suit on the board a holding needs both cards of it, with four one, with five none.
    void collectFlushes(CardMask fullBoard, CardMask runout) {
        Flushes.clear();
        for (int suit = 0; suit < kSuitCount; ++suit) {
            const unsigned boardSuit = suitRanks(fullBoard, suit);
            const int count = parts::rankCount(boardSuit);
            if (count < 3) continue;
            const std::vector<int>& candidates = count == 3   ? BothOfSuit[static_cast<std::size_t>(suit)]
                                                 : count == 4 ? AnyOfSuit[static_cast<std::size_t>(suit)]
                                                              : AllHoldings;
            for (const int local : candidates) {
                const CardMask mask = Holdings[static_cast<std::size_t>(local)].Mask;
                if ((mask & runout) != 0) continue;
                Flushes.emplace_back(parts::flushValue(boardSuit | suitRanks(mask, suit)), local);
                FlushStamp[static_cast<std::size_t>(local)] = Stamp;
            }
        }
        std::sort(Flushes.begin(), Flushes.end());
    }

    // The runout's live holdings by ascending value, and where each run of equal values ends.
    void orderHoldings(CardMask runout) {
        Order.clear();
        GroupEnds.clear();
        std::size_t pair = 0;
        std::size_t flush = 0;
        while (pair < PairOrder.size() || flush < Flushes.size()) {
            const HandValue pairValue = pair < PairOrder.size()
                                            ? PairValues[static_cast<std::size_t>(PairOrder[pair])]
                                            : ~HandValue{0};
            const HandValue value =
                flush < Flushes.size() ? std::min(pairValue, Flushes[flush].first) : pairValue;
            for (; pair < PairOrder.size() && PairValues[static_cast<std::size_t>(PairOrder[pair])] == value;
                 ++pair) {
                for (const int local : ByPair[static_cast<std::size_t>(PairOrder[pair])]) {
                    if ((Holdings[static_cast<std::size_t>(local)].Mask & runout) == 0 &&
                        FlushStamp[static_cast<std::size_t>(local)] != Stamp)
                        Order.push_back(local);
                }
            }
            for (; flush < Flushes.size() && Flushes[flush].first == value; ++flush)
                Order.push_back(Flushes[flush].second);
            if (GroupEnds.empty() ? !Order.empty() : GroupEnds.back() != Order.size())
                GroupEnds.push_back(Order.size());
        }
    }

    void sweep() {
        double below = 0.0;
        std::array<double, kDeckSize> belowByCard{};
        std::array<double, kDeckSize> equalByCard{};
        std::size_t start = 0;
        for (const std::size_t end : GroupEnds) {
            double equal = 0.0;
            for (std::size_t at = start; at < end; ++at) {
                const auto local = static_cast<std::size_t>(Order[at]);
                const Involved& holding = Holdings[local];
                const auto first = static_cast<std::size_t>(holding.First);
                const auto second = static_cast<std::size_t>(holding.Second);
                Win[local] += below - belowByCard[first] - belowByCard[second];
                equal += holding.Villain;
                equalByCard[first] += holding.Villain;
                equalByCard[second] += holding.Villain;
            }
            for (std::size_t at = start; at < end; ++at) {
                const auto local = static_cast<std::size_t>(Order[at]);
                const Involved& holding = Holdings[local];
                const auto first = static_cast<std::size_t>(holding.First);
                const auto second = static_cast<std::size_t>(holding.Second);
                // The villain's own copy of this holding sits in both card sums.
                Tie[local] += equal - equalByCard[first] - equalByCard[second] + holding.Villain;
            }
            for (std::size_t at = start; at < end; ++at) {
                const Involved& holding = Holdings[static_cast<std::size_t>(Order[at])];
                const auto first = static_cast<std::size_t>(holding.First);
                const auto second = static_cast<std::size_t>(holding.Second);
                belowByCard[first] += holding.Villain;
                belowByCard[second] += holding.Villain;
                equalByCard[first] = 0.0;
                equalByCard[second] = 0.0;
            }
            below += equal;
            start = end;
        }
        for (const int local : Order) {
            const Involved& holding = Holdings[static_cast<std::size_t>(local)];
            Total[static_cast<std::size_t>(local)] +=
                below - belowByCard[static_cast<std::size_t>(holding.First)] -
                belowByCard[static_cast<std::size_t>(holding.Second)] + holding.Villain;
        }
    }

    CardMask Board;
    std::vector<Involved> Holdings;
    std::vector<int> GlobalIndex;
    std::vector<int> AllHoldings;
    std::array<std::vector<int>, kRankPairs> ByPair{};
    std::array<std::vector<int>, kSuitCount> AnyOfSuit{};
    std::array<std::vector<int>, kSuitCount> BothOfSuit{};

    int RanksKey = -1;
    std::array<HandValue, kRankPairs> PairValues{};
    std::array<int, kRankPairs> PairOrder{};

    unsigned Stamp = 0;
    std::vector<unsigned> FlushStamp;
    std::vector<std::pair<HandValue, int>> Flushes;
    std::vector<int> Order;
    std::vector<std::size_t> GroupEnds;

    std::vector<double> Win;
    std::vector<double> Tie;
    std::vector<double> Total;
};

bool isValidBoard(CardMask board) {
    const int count = cardCount(board);
    return count >= 3 && count <= 5 && (board & ~kFullDeck) == 0;
}

} // namespace

RangeEquity rangeEquity(const HoldingWeights& hero, const HoldingWeights& villain, CardMask board) {
    if (!isValidBoard(board)) return {};
    const auto sweep = std::make_unique<RangeSweep>(hero, villain, board);
    detail::forEachRunout(board, 5 - cardCount(board), [&](CardMask runout) { sweep->addRunout(runout); });
    return sweep->result();
}

CellEquity cellEquity(const RangeEquity& range, int highRank, int lowRank, bool suited) {
    CellEquity cell;
    double win = 0.0, tie = 0.0, total = 0.0;
    const CellHoldings holdings = cellHoldings(highRank, lowRank, suited);
    for (int i = 0; i < holdings.Count; ++i) {
        const HoldingEquity& holding =
            range.Holdings[static_cast<std::size_t>(holdings.Index[static_cast<std::size_t>(i)])];
        if (holding.Matchups <= 0.0) continue;
        cell.Holdings += holding.Weight;
        win += holding.Weight * holding.Matchups * holding.Win;
        tie += holding.Weight * holding.Matchups * holding.Tie;
        total += holding.Weight * holding.Matchups;
    }
    if (total > 0.0) {
        cell.Win = win / total;
        cell.Tie = tie / total;
        cell.Equity = cell.Win + cell.Tie / 2;
    }
    return cell;
}

} // namespace tavolin::equity
