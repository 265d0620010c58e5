#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::cli {

enum class ProfileKind { kPreflop, kPostflop };

// A villain profile given by its index ("0".."3" preflop, "0".."2" postflop) or its name ("nit", "semiloose",
// "loose", "fish"; postflop "tight", "semiloose", "loose"; any case); nullopt for anything else.
std::optional<int> readProfile(std::string_view text, ProfileKind kind);
std::optional<int> profileIndex(long long index, ProfileKind kind);

// What a profile may be, for error messages: "0..3 or nit, semiloose, loose, fish".
std::string profileChoices(ProfileKind kind);

} // namespace tavolin::cli
