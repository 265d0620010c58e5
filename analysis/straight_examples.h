#pragma once

// The straight-draw outs rules' own worked examples: the analysis tests check the rules against them, the
// Check button replays them and the outs drill asks them.

#include "cards/card.h"

#include <array>
#include <string_view>
#include <vector>

namespace tavolin {

// Hole cards, "-", three or four board cards, then " Sol: " and the expected outs with their make-up.
inline constexpr std::array<std::string_view, 96> kStraightExamples{
    "Ad 7d-3s 4c 5h Sol: 6 outs (6-2 outs)",      "Ad 7d-3s 5c 6h Sol: 5 outs (3 outs)",
    "Ad 7d-3s 4c 6h Sol: 5 outs (3 outs)",        "Ad 7d-4s 5c 6h Sol: 8 outs (6 outs)",
    "Ad 7d-2s 3c 5h Sol: 3 outs (3-2 outs)",      "Ad 7d-2s 3c 4h Sol: 3 outs (3-2 outs)",
    "2d 7d-4s 5c 6h Sol: 7 outs (6 outs)",        "2d 7d-3s 4c 5h Sol: 7 outs (3+3 outs)",
    "2d 7d-3s 4c 6h Sol: 4 outs (3 outs)",        "2d 7d-3s 5c 6h Sol: 4 outs (3 outs)",
    "2d 7d-4s 5c 8h Sol: 3 outs (3 outs)",        "2d 7d-4s 6c 8h Sol: 3 outs (3 outs)",
    "2d 7d-5s 6c 8h Sol: 6 outs (6 outs)",        "3d 7d-4s 5c 8h Sol: 3 outs (3 outs)",
    "3d 7d-2s 4c 5h Sol: 8 outs (7 outs)",        "3d 7d-5s 6c 8h Sol: 6 outs (6 outs)",
    "3d 7d-2s 5c 6h Sol: 5 outs (4 outs)",        "3d 7d-As 2c 4h Sol: 3 outs (3 outs)",
    "3d 7d-As 2c 5h Sol: 3 outs (3 outs)",        "3d 7d-5s 8c 9h Sol: 3 outs (3 outs)",
    "3d 7d-6s 8c 9h Sol: 6 outs (6 outs)",        "4d 7d-5s 6c Ah Sol: 8 outs (8 outs)",
    "4d 7d-5s 6c 9h Sol: 7 outs (7 outs)",        "4d 7d-2s 5c 6h Sol: 9 outs (8 outs)",
    "4d 7d-2s 3c 5h Sol: 8 outs (7 outs)",        "4d 7d-2s 3c 6h Sol: 5 outs (4 outs)",
    "4d 7d-8s 9c 5h Sol: 3 outs (3 outs)",        "4d 7d-8s 9c 6h Sol: 6 outs (6 outs)",
    "4d 6d-2s 3c 7h Sol: 4 outs (4 outs)",        "4d 6d-8s 7c 3h Sol: 4 outs (4 outs)",
    "4d 6d-3s 5c 8h Sol: 8 outs (4+4outs)",       "4d 6d-3s 5c Ah Sol: 8 outs (8outs)",
    "4d 6d-2s 5c 7h Sol: 8 outs (8 outs)",        "4d 6d-5s 7c 9h Sol: 7 outs (3+4 outs)",
    "4d 6d-As 2c 5h Sol: 4 outs (4 outs)",        "5d 6d-2s 3c 7h Sol: 4 outs (4 outs)",
    "5d 6d-4s 8c 9h Sol: 4 outs (4 outs)",        "5d 6d-3s 4c 8h Sol: 8 outs (4+4 outs)",
    "Ad 7d-3s 4c 5h 8d Sol: 5 outs (6-2 outs)",   "Ad 7d-2d 3s 5c 6h Sol: 3 outs (3 outs)",
    "Ad 7d-2d 3s 4c 6h Sol: 3 outs (3 outs)",     "Ad 7d-2d 4s 5c 6h Sol: 6 outs (6 outs)",
    "Ad 7d-2s 3c 5h 8d Sol: 2 outs (3-2 outs)",   "Ad 7d-2s 3c 4h 8d Sol: 2 outs (3-2 outs)",
    "2d 7d-4s 5c 6h 9d Sol: 6 outs (6 outs)",     "2d 7d-4s 5c 6h 9d Sol: 6 outs (6 outs)",
    "2d 7d-4s 5c 6h Ad Sol: 6 outs (6 outs)",     "2d 7d-4s 5c 6h Ad Sol: 6 outs (6 outs)",
    "2d 7d-3s 4c 5h 8d Sol: 6 outs (3+3 outs)",   "2d 7d-Ad 3s 4c 6h Sol: 3 outs (3 outs)",
    "2d 7d-Ad 3s 5c 6h Sol: 3 outs (3 outs)",     "2d 7d-3s 4c 6h 8d Sol: 3 outs (3 outs)",
    "2d 7d-3s 5c 6h 8d Sol: 6 outs (6 outs)",     "2d 7d-4s 5c 8h 9d Sol: 3 outs (3 outs)",
    "2d 7d-4s 5c 8h Ad Sol: 6 outs (6 outs)",     "2d 7d-4s 6c 8h 9d Sol: 6 outs (6 outs)",
    "2d 7d-4s 6c 8h Ad Sol: 3 outs (3 outs)",     "2d 7d-5s 6c 8h Td Sol: 6 outs (6 outs)",
    "2d 7d-5s 6c 8h Ad Sol: 6 outs (6 outs)",     "3d 7d-4s 5c 8h 9d Sol: 3 outs (3 outs)",
    "3d 7d-4s 5c 8h 2d Sol: 6 outs (6 outs)",     "3d 7d-2s 4c 5h 8d Sol: 6 outs (6 outs)",
    "3d 7d-5s 6c 8h Td Sol: 6 outs (6 outs)",     "3d 7d-5s 6c 8h 2d Sol: 6 outs (6 outs)",
    "3d 7d-2s 5c 6h 8d Sol: 6 outs (6 outs)",     "3d 7d-2s 5c 6h Ad Sol: 4 outs (4 outs)",
    "3d 7d-As 2c 4h 6d Sol: 4 outs (4 outs)",     "3d 7d-As 2c 5h 6d Sol: 4 outs (4 outs)",
    "3d 7d-5s 8c 9h Td Sol: 4 outs (4 outs)",     "3d 7d-6s 8c 9h 4d Sol: 6 outs (6 outs)",
    "3d 7d-6s 8c 9h Jd Sol: 4 outs (4 outs)",     "4d 7d-5s 6c Ah 2d Sol: 8 outs (8 outs)",
    "4d 7d-5s 6c 9h 2d Sol: 7 outs (7 outs)",     "4d 7d-2s 5c 6h Ad Sol: 8 outs (8 outs)",
    "4d 7d-2s 5c 6h 9d Sol: 7 outs (7 outs)",     "4d 7d-2s 3c 5h 8d Sol: 7 outs (7 outs)",
    "4d 7d-2s 3c 6h 8d Sol: 4 outs (4 outs)",     "4d 7d-2s 3c 6h Ad Sol: 4 outs (4 outs)",
    "4d 7d-8s 9c 5h Td Sol: 4 outs (4 outs)",     "4d 7d-8s 9c 6h Jd Sol: 4 outs (4 outs)",
    "4d 6d-2s 3c 7h 8d Sol: 4 outs (4 outs)",     "4d 6d-2s 3c 7h Ad Sol: 4 outs (4 outs)",
    "4d 6d-8s 7c 3h 9d Sol: 4 outs (4 outs)",     "4d 6d-3s 5c 8h 9d Sol: 7 outs (3+4outs)",
    "4d 6d-3s 5c 8h Ad Sol: 8 outs (4+4outs)",    "4d 6d-3s 5c Ah 8d Sol: 8 outs (8 outs)",
    "4d 6d-2s 5c 7h 9d Sol: 7 outs (3+4 outs)",   "4d 6d-2s 5c 7h Ad Sol: 8 outs (8 outs)",
    "4d 6d-5s 7c 9h Td Sol: 5 outs (3+4-2 outs)", "4d 6d-As 2c 5h 7d Sol: 8 outs (8 outs)",
    "5d 6d-2s 3c 7h 8d Sol: 8 outs (8 outs)",     "5d 6d-2s 3c 7h Ad Sol: 4 outs (4 outs)",
    "5d 6d-4s 8c 9h Td Sol: 1 outs (3-2 outs)",   "5d 6d-4s 8c 9h 2d Sol: 8 outs (4+4 outs)",
    "5d 6d-3s 4c 8h 9d Sol: 8 outs (4+4 outs)",   "5d 6d-3s 4c 8h Ad Sol: 8 outs (4+4 outs)",
};

// The cards an example names, in the order they are picked: two hole cards, then the board. Reading stops
// at the first two characters that are not a card as the analysis reads cards (the " Sol: " part).
std::vector<Card> exampleCards(std::string_view example);

} // namespace tavolin
