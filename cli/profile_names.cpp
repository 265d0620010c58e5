#include "cli/profile_names.h"

#include <array>
#include <span>

namespace tavolin::cli {
namespace {

constexpr std::array<std::string_view, 4> kPreflopNames{"nit", "semiloose", "loose", "fish"};
constexpr std::array<std::string_view, 3> kPostflopNames{"tight", "semiloose", "loose"};

std::span<const std::string_view> namesOf(ProfileKind kind) {
    if (kind == ProfileKind::kPreflop) return kPreflopNames;
    return kPostflopNames;
}

bool sameIgnoringCase(std::string_view typed, std::string_view name) {
    if (typed.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c =
            typed[i] >= 'A' && typed[i] <= 'Z' ? static_cast<char>(typed[i] - 'A' + 'a') : typed[i];
        if (c != name[i]) return false;
    }
    return true;
}

} // namespace

std::optional<int> profileIndex(long long index, ProfileKind kind) {
    if (index < 0 || index >= static_cast<long long>(namesOf(kind).size())) return std::nullopt;
    return static_cast<int>(index);
}

std::optional<int> readProfile(std::string_view text, ProfileKind kind) {
    const auto names = namesOf(kind);
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return profileIndex(text[0] - '0', kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameIgnoringCase(text, names[i])) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string profileChoices(ProfileKind kind) {
    const auto names = namesOf(kind);
    std::string text = "0.." + std::to_string(names.size() - 1) + " or ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text.append(i == 0 ? "" : ", ").append(names[i]);
    return text;
}

} // namespace tavolin::cli
