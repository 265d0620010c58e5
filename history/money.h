#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin::history {

// An amount in hundredths of the hand's unit (cents of a cash game, hundredths of a tournament chip), so
// that sums over a hand are exact.
using Money = std::int64_t;

inline constexpr Money kMoneyScale = 100;
// Larger amounts (ten billion units) are refused, so that no sum over a hand's bounded lines can overflow.
inline constexpr Money kMaxMoney = Money{1'000'000'000'000};

// "$1,234.56", "€0.10", "£5", "1,500", "0.5": an optional currency sign, digits with optional thousands
// commas and at most two decimals. Nullopt for anything else.
std::optional<Money> readMoney(std::string_view text);

// "-0.40", "1500": the amount as a file writes it, without a currency.
std::string moneyText(Money amount);

// The amount in the hand's unit, for JSON.
double moneyValue(Money amount);

} // namespace tavolin::history
