#pragma once

#include <cstdint>
#include <random>

namespace tavolin {

// Seeded draws that are the same on every machine: the 64-bit Mersenne Twister is fixed by the language,
// and the integers are derived here rather than by the library's distributions, whose output differs
// between implementations.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : Engine(seed) {}

    // Uniform in 0..count-1; count must be at least 1.
    int below(int count);

    // Puts a uniformly chosen order on items [0, count) of `items` (Fisher-Yates).
    template <typename Items> void shuffle(Items& items, int count) {
        for (int i = count - 1; i > 0; --i) {
            const int j = below(i + 1);
            std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
        }
    }

private:
    std::mt19937_64 Engine;
};

} // namespace tavolin
