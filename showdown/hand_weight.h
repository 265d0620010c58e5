#pragma once

#include <array>
#include <cstdint>

namespace tavolin::showdown {

// A hand weight times 64. Every weight is a sum of integers and of eighths and sixty-fourths of ranks, so
// scaled by 64 it is an exact integer and two weights compare exactly.
using Weight = std::int32_t;
constexpr Weight kWeightScale = 64;

// The weight of five cards that are not all of one suit, from their ranks alone (2..14, ace 14, any order).
Weight rankWeight(std::array<int, 5> ranks);

// The weight of five cards of one suit (five different ranks, any order): a flush, or a straight flush.
Weight suitedWeight(std::array<int, 5> ranks);

} // namespace tavolin::showdown
