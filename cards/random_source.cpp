#include "cards/random_source.h"

#include <limits>

namespace tavolin {

int RandomSource::below(int count) {
    const auto bound = static_cast<std::uint64_t>(count);
    // Draws at or above the largest multiple of `bound` would favour the low remainders: draw again.
    constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = kTop - kTop % bound;
    std::uint64_t draw = Engine();
    while (draw >= limit)
        draw = Engine();
    return static_cast<int>(draw % bound);
}

} // namespace tavolin
