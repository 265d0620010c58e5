#include "equity/betting_range.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tavolin::equity {
namespace {

// A draw row, or any number outside the table, as the lowest value class counts as no pair.
BoardClass lowestValueClass(const BettingModel& model) {
    const int row = static_cast<int>(model.LowestValue);
    return row >= 0 && row < kMadeClassCount ? model.LowestValue : BoardClass::kNoPair;
}

struct WeakHolding {
    HandValue Value = 0;
    int Index = 0;
    double Weight = 0.0;
};

// Takes bluffs weakest first up to `wanted`; a group of equal hand values shares one fraction, so that no
// suit is preferred over another.
double takeBluffs(std::vector<WeakHolding>& weak, double wanted, HoldingWeights& weights) {
    std::ranges::sort(weak, {}, &WeakHolding::Value);
    double taken = 0.0;
    for (std::size_t first = 0; first < weak.size() && taken < wanted;) {
        std::size_t end = first;
        double group = 0.0;
        for (; end < weak.size() && weak[end].Value == weak[first].Value; ++end)
            group += weak[end].Weight;
        const double fraction = std::min(1.0, (wanted - taken) / group);
        for (std::size_t i = first; i < end; ++i)
            weights[static_cast<std::size_t>(weak[i].Index)] = weak[i].Weight * fraction;
        taken += group * fraction;
        first = end;
    }
    return taken;
}

} // namespace

BettingRange bettingRange(CardMask hero, CardMask board, const HoldingWeights& villain, double pot,
                          double bet, const BettingModel& model) {
    BettingRange result;
    result.Model = modelText(model);
    // The hero's cards classify as a holding on the board exactly when exactEquity takes them.
    if (!classifyHolding(hero, board)) return result;
    const BoardClass lowest = lowestValueClass(model);
    const CardMask dead = hero | board;
    HoldingWeights live{};
    double liveSum = 0.0;
    std::vector<WeakHolding> weak;
    BoardClassifier classifier(board);
    forEachLiveHolding(villain, dead, [&](int index, CardMask holding, double weight) {
        const auto slot = static_cast<std::size_t>(index);
        live[slot] = weight;
        liveSum += weight;
        const HoldingClasses classes = classifier.classify(holding);
        if (classes.Made <= lowest) {
            result.Weights[slot] = weight;
            result.Value += weight;
        } else if (classes.Draw) {
            // A draw bets as a draw or checks; it is never taken as a bluff.
            if (!model.DrawsBet) return;
            result.Weights[slot] = weight;
            result.Draws += weight;
        } else {
            weak.push_back({classifier.valueOf(holding), index, weight});
        }
    });
    const bool betSaysSomething = bet > 0.0 && std::isfinite(bet) && pot >= 0.0 && std::isfinite(pot);
    if (!betSaysSomething || result.Value + result.Draws == 0.0) {
        result.Weights = live;
        result.Holdings = liveSum;
        return result;
    }
    result.Narrowed = true;
    result.WantedBluffs = result.Value * bet / (pot + bet);
    result.Bluffs = takeBluffs(weak, result.WantedBluffs, result.Weights);
    result.Holdings = result.Value + result.Draws + result.Bluffs;
    if (result.Value + result.Bluffs > 0.0)
        result.BluffShare = result.Bluffs / (result.Value + result.Bluffs);
    return result;
}

std::string bettingRangeWords(const BettingRange& range, std::string_view rangeName) {
    const double tenths = std::round(range.Holdings * 10.0);
    char count[64];
    std::snprintf(count, sizeof count, std::fmod(tenths, 10.0) == 0.0 ? "%.0f" : "%.1f", tenths / 10.0);
    const bool one = tenths == 10.0;
    return "the " + std::string(count) + (one ? " holding of " : " holdings of ") + std::string(rangeName) +
           (!range.Narrowed ? ""
            : one           ? " that bets here"
                            : " that bet here");
}

std::string modelText(const BettingModel& model) {
    return "value from " + std::string(boardClassName(lowestValueClass(model))) + " up, draws " +
           (model.DrawsBet ? "bet" : "check") + ", bluffs at bet : pot + bet";
}

} // namespace tavolin::equity
