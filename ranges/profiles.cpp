#include "ranges/profiles.h"

#include "ranges/starting_hands.h"

#include <array>

namespace tavolin::ranges {
namespace {

struct Profile {
    std::string_view Name;
    double TopPercent = 0.0;
};

constexpr std::array<Profile, kProfileCount> kProfiles{{
    {"Nit/Tight", 12.0},
    {"Semiloose", 25.0},
    {"Loose", 40.0},
    {"Fish!", 70.0},
}};

// An index outside 0..3 is taken as the middle profile "Semiloose".
const Profile& profileOf(int preflopProfile) {
    return kProfiles[static_cast<std::size_t>(
        preflopProfile >= 0 && preflopProfile < kProfileCount ? preflopProfile : 1)];
}

} // namespace

double profileTopPercent(int preflopProfile) {
    return profileOf(preflopProfile).TopPercent;
}

std::string_view profileName(int preflopProfile) {
    return profileOf(preflopProfile).Name;
}

equity::HoldingWeights profileRange(int preflopProfile) {
    return topPercent(profileTopPercent(preflopProfile));
}

} // namespace tavolin::ranges
