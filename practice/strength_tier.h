#pragma once

#include <optional>
#include <string_view>

namespace tavolin::practice {

// The tiers of the report's strength label, weakest first. "NUTS ON HAND" and "NUTS ON BOARD" are both kNuts.
enum class Tier { kNothing, kWeak, kMedium, kStrong, kVeryStrong, kNuts };
constexpr int kTierCount = 6;

// The tier a label begins with ("STRONG: TOP PAIR TOP KICKER" is kStrong); nullopt for any other text.
std::optional<Tier> tierOfLabel(std::string_view label);

// "NOTHING", "WEAK", "MEDIUM", "STRONG", "VERY STRONG", "NUTS".
std::string_view tierName(Tier tier);

// The key that answers a tier: n, w, m, s, v, and u for the nuts (n is taken by NOTHING). Either case.
char tierKey(Tier tier);
std::optional<Tier> tierOfKey(char key);

} // namespace tavolin::practice
