#include "practice/strength_tier.h"

#include <array>

namespace tavolin::practice {
namespace {

struct TierRow {
    Tier Value;
    std::string_view Name;
    char Key;
};

constexpr std::array<TierRow, kTierCount> kTiers{{
    {Tier::kNothing, "NOTHING", 'n'},
    {Tier::kWeak, "WEAK", 'w'},
    {Tier::kMedium, "MEDIUM", 'm'},
    {Tier::kStrong, "STRONG", 's'},
    {Tier::kVeryStrong, "VERY STRONG", 'v'},
    {Tier::kNuts, "NUTS", 'u'},
}};

// The label's words before the colon, as the strength rules write them.
struct LabelPrefix {
    std::string_view Text;
    Tier Value;
};

constexpr std::array<LabelPrefix, 7> kLabelPrefixes{{
    {"NOTHING", Tier::kNothing},
    {"WEAK", Tier::kWeak},
    {"MEDIUM", Tier::kMedium},
    {"STRONG", Tier::kStrong},
    {"VERY STRONG", Tier::kVeryStrong},
    {"NUTS ON HAND", Tier::kNuts},
    {"NUTS ON BOARD", Tier::kNuts},
}};

} // namespace

std::optional<Tier> tierOfLabel(std::string_view label) {
    const std::string_view prefix = label.substr(0, label.find(':'));
    for (const LabelPrefix& row : kLabelPrefixes) {
        if (row.Text == prefix) return row.Value;
    }
    return std::nullopt;
}

std::string_view tierName(Tier tier) {
    return kTiers[static_cast<std::size_t>(tier)].Name;
}

char tierKey(Tier tier) {
    return kTiers[static_cast<std::size_t>(tier)].Key;
}

std::optional<Tier> tierOfKey(char key) {
    const char lower = key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    for (const TierRow& row : kTiers) {
        if (row.Key == lower) return row.Value;
    }
    return std::nullopt;
}

} // namespace tavolin::practice
