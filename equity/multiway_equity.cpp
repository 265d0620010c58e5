#include "equity/multiway_equity.h"

#include "equity/hand_value.h"
#include "equity/runout_tally.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

namespace tavolin::equity {
namespace {

constexpr std::size_t kMaxVillains = 3;

struct RangeHolding {
    CardMask Mask = 0;
    double Weight = 0.0;
    HandValue Value = 0; // on the runout at hand
};

// The hero's share of one showdown: 1 alone on top, 1 / (k + 1) tied with k villains, else 0.
struct Showdown {
    HandValue Top = 0;
    int AtTop = 0; // villains holding Top
};

double heroShare(HandValue hero, const Showdown& villains) {
    if (hero > villains.Top) return 1.0;
    return hero == villains.Top ? 1.0 / (villains.AtTop + 1) : 0.0;
}

Showdown withVillain(Showdown showdown, HandValue value) {
    if (value > showdown.Top) return {value, 1};
    if (value == showdown.Top) ++showdown.AtTop;
    return showdown;
}

struct Sums {
    double Weight = 0.0;
    double Win = 0.0;
    double Tie = 0.0;
    double Share = 0.0;
    long long Deals = 0;

    void add(double weight, HandValue hero, const Showdown& villains) {
        const double share = heroShare(hero, villains);
        Weight += weight;
        Win += share == 1.0 ? weight : 0.0;
        Tie += share > 0.0 && share < 1.0 ? weight : 0.0;
        Share += share * weight;
        ++Deals;
    }
};

using Ranges = std::vector<std::vector<RangeHolding>>;

void addDeals(const Ranges& ranges, std::size_t villain, CardMask used, double weight, HandValue hero,
              Showdown showdown, Sums& sums) {
    if (villain == ranges.size()) {
        sums.add(weight, hero, showdown);
        return;
    }
    for (const RangeHolding& holding : ranges[villain]) {
        if ((holding.Mask & used) != 0) continue;
        addDeals(ranges, villain + 1, used | holding.Mask, weight * holding.Weight, hero,
                 withVillain(showdown, holding.Value), sums);
    }
}

MultiwayEquity exactMultiway(CardMask hero, CardMask board, Ranges& ranges) {
    Sums sums;
    detail::forEachRunout(hero | board, 5 - cardCount(board), [&](CardMask runout) {
        const CardMask fullBoard = board | runout;
        for (auto& range : ranges) {
            for (RangeHolding& holding : range)
                holding.Value = (holding.Mask & runout) == 0 ? handValue(holding.Mask | fullBoard) : 0;
        }
        addDeals(ranges, 0, hero | fullBoard, 1.0, handValue(hero | fullBoard), {}, sums);
    });
    MultiwayEquity result;
    result.Exact = true;
    result.Samples = sums.Deals;
    if (sums.Weight > 0.0) {
        result.Win = sums.Win / sums.Weight;
        result.Tie = sums.Tie / sums.Weight;
        result.Equity = sums.Share / sums.Weight;
    }
    return result;
}

struct Estimate {
    long long Samples = 0;
    long long Wins = 0;
    long long Ties = 0;
    double Shares = 0.0;
    double Squares = 0.0;

    void add(double share) {
        ++Samples;
        Wins += share == 1.0;
        Ties += share > 0.0 && share < 1.0;
        Shares += share;
        Squares += share * share;
    }
    double stdError() const {
        if (Samples < 2) return 0.0;
        const auto count = static_cast<double>(Samples);
        const double mean = Shares / count;
        return std::sqrt(std::max(0.0, Squares / count - mean * mean) / (count - 1));
    }
};

// A few thousand deals before the spread is trusted, so that a run of equal shares does not stop it early.
constexpr long long kMinSamples = 4096;

// Draws a holding by weight in constant time: a slot at random, then its own holding or its alias (Vose).
class WeightedDraw {
public:
    explicit WeightedDraw(const std::vector<RangeHolding>& range)
        : Chance(range.size(), 1.0), Alias(range.size(), 0) {
        double sum = 0.0;
        for (const RangeHolding& holding : range)
            sum += holding.Weight;
        std::vector<double> scaled;
        std::vector<std::size_t> small, large;
        for (std::size_t at = 0; at < range.size(); ++at) {
            scaled.push_back(range[at].Weight * static_cast<double>(range.size()) / sum);
            (scaled.back() < 1.0 ? small : large).push_back(at);
        }
        while (!small.empty() && !large.empty()) {
            const std::size_t less = small.back(), more = large.back();
            small.pop_back();
            Chance[less] = scaled[less];
            Alias[less] = more;
            scaled[more] -= 1.0 - scaled[less];
            if (scaled[more] < 1.0) {
                large.pop_back();
                small.push_back(more);
            }
        }
    }
    std::size_t operator()(std::mt19937_64& random) const {
        const std::size_t slot = random() % Chance.size();
        return static_cast<double>(random() >> 11) * 0x1.0p-53 < Chance[slot] ? slot : Alias[slot];
    }

private:
    std::vector<double> Chance; // what is left at 1.0 never takes its alias
    std::vector<std::size_t> Alias;
};

// Deals drawn by weight: each villain's holding from their range, redrawn whole when two players would
// share a card, which keeps the card removal between villains exact; then the runout from what is left.
MultiwayEquity sampledMultiway(CardMask hero, CardMask board, const Ranges& ranges,
                               const MultiwayOptions& options) {
    std::vector<WeightedDraw> draws(ranges.begin(), ranges.end());
    std::mt19937_64 random(options.Seed);
    const auto start = std::chrono::steady_clock::now();
    const int missing = 5 - cardCount(board);
    Estimate estimate;
    for (long long attempt = 1;; ++attempt) {
        if (attempt % 1024 == 0) {
            const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
            if (spent.count() >= options.TimeLimitSeconds ||
                (estimate.Samples >= kMinSamples && estimate.stdError() <= options.TargetStdError))
                break;
        }
        CardMask used = hero | board;
        std::array<CardMask, kMaxVillains> holdings{};
        bool clash = false;
        for (std::size_t villain = 0; villain < ranges.size() && !clash; ++villain) {
            holdings[villain] = ranges[villain][draws[villain](random)].Mask;
            clash = (holdings[villain] & used) != 0;
            used |= holdings[villain];
        }
        if (clash) continue;
        CardMask fullBoard = board;
        for (int dealt = 0; dealt < missing;) {
            const CardMask card = CardMask{1} << (random() % kDeckSize);
            if ((card & used) != 0) continue;
            used |= card;
            fullBoard |= card;
            ++dealt;
        }
        Showdown showdown;
        for (std::size_t villain = 0; villain < ranges.size(); ++villain)
            showdown = withVillain(showdown, handValue(holdings[villain] | fullBoard));
        estimate.add(heroShare(handValue(hero | fullBoard), showdown));
    }
    MultiwayEquity result;
    result.Samples = estimate.Samples;
    result.StdError = estimate.stdError();
    if (estimate.Samples > 0) {
        const auto count = static_cast<double>(estimate.Samples);
        result.Equity = estimate.Shares / count;
        result.Win = static_cast<double>(estimate.Wins) / count;
        result.Tie = static_cast<double>(estimate.Ties) / count;
    }
    return result;
}

} // namespace

MultiwayEquity multiwayEquity(CardMask hero, CardMask board, std::span<const HoldingWeights> villains,
                              const MultiwayOptions& options) {
    if (!detail::isValidSpot(hero, board) || villains.empty() || villains.size() > kMaxVillains) return {};
    const CardMask dead = hero | board;
    Ranges ranges;
    double showdowns = 1.0;
    for (const HoldingWeights& weights : villains) {
        auto& range = ranges.emplace_back();
        for (int index = 0; index < kHoldingCount; ++index) {
            const double weight = usableWeight(weights[static_cast<std::size_t>(index)]);
            if (weight > 0.0 && (holdingMask(index) & dead) == 0)
                range.push_back({holdingMask(index), weight});
        }
        showdowns *= static_cast<double>(range.size());
    }
    MultiwayEquity result;
    if (showdowns == 0.0) {
        result.Villains = static_cast<int>(villains.size());
        return result;
    }
    const int missing = 5 - cardCount(board);
    const double runouts = missing == 2 ? 47.0 * 46.0 / 2.0 : missing == 1 ? 46.0 : 1.0;
    result = runouts * showdowns <= options.ExactShowdownLimit
                 ? exactMultiway(hero, board, ranges)
                 : sampledMultiway(hero, board, ranges, options);
    result.Villains = static_cast<int>(villains.size());
    return result;
}

} // namespace tavolin::equity
