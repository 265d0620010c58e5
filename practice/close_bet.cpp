#include "practice/close_bet.h"

#include "equity/exact_equity.h"
#include "practice/spot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace tavolin::practice {
namespace {

constexpr int kAllInPots = 2;

Closeness closenessOf(double gap) {
    const double points = std::fabs(gap) * 100.0;
    return points <= 5.0 ? Closeness::kWithin5 : points <= 12.0 ? Closeness::kWithin12 : Closeness::kFar;
}

std::optional<BetOption> optionFor(CardMask hero, CardMask board, int pot, int bet, std::string_view name,
                                   const equity::HoldingWeights& villain, const equity::BettingModel& model) {
    const equity::BettingRange range = equity::bettingRange(hero, board, villain, pot, bet, model);
    const equity::EquityResult result = equity::exactEquity(hero, board, range.Weights);
    if (result.Holdings == 0) return std::nullopt;
    BetOption option;
    option.Bet = bet;
    option.Name = name;
    option.Equity = result.Equity;
    option.BettingHoldings = result.Weight;
    option.Price = static_cast<double>(bet) / (static_cast<double>(pot) + 2.0 * bet);
    option.Gap = option.Equity - option.Price;
    option.Close = closenessOf(option.Gap);
    return option;
}

} // namespace

std::vector<BetOption> betOptions(CardMask hero, CardMask board, int pot, int stack,
                                  const equity::HoldingWeights& villain, const equity::BettingModel& model) {
    std::vector<BetOption> options;
    if (pot < 1 || stack < 1) return options;
    const auto add = [&](int bet, std::string_view name) {
        const bool seen =
            std::ranges::any_of(options, [bet](const BetOption& option) { return option.Bet == bet; });
        if (seen) return;
        if (auto option = optionFor(hero, board, pot, bet, name, villain, model)) options.push_back(*option);
    };
    for (int size = 0; size < kBetSizeCount; ++size) {
        const int bet = betAmount(pot, static_cast<BetSize>(size));
        if (bet >= 1 && bet < stack) add(bet, betSizeName(static_cast<BetSize>(size)));
    }
    if (static_cast<std::int64_t>(stack) <= std::int64_t{kAllInPots} * pot) add(stack, "all-in");
    return options;
}

std::optional<BetOption> chooseCloseBet(CardMask hero, CardMask board, int pot, int stack,
                                        const equity::HoldingWeights& villain, RandomSource& random,
                                        const equity::BettingModel& model) {
    const std::vector<BetOption> options = betOptions(hero, board, pot, stack, villain, model);
    if (options.empty()) return std::nullopt;
    // Half the draws look for a bet that makes calling right and half for one that makes folding right, so
    // that a pool holding both sides does not lean to the side with more sizes.
    const bool wantCall = random.below(2) == 0;
    for (const Closeness wanted : {Closeness::kWithin5, Closeness::kWithin12}) {
        std::vector<const BetOption*> pool, side;
        for (const BetOption& option : options) {
            if (option.Close != wanted) continue;
            pool.push_back(&option);
            if ((option.Gap > 0.0) == wantCall) side.push_back(&option);
        }
        const auto& from = side.empty() ? pool : side;
        if (!from.empty())
            return *from[static_cast<std::size_t>(random.below(static_cast<int>(from.size())))];
    }
    return *std::ranges::min_element(options, {},
                                     [](const BetOption& option) { return std::fabs(option.Gap); });
}

} // namespace tavolin::practice
