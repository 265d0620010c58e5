#pragma once

#include "cards/card.h"

namespace tavolin::showdown {

struct VillainCount {
    int Better = 0; // holdings whose best hand outweighs the hero's
    int Tried = 0;  // every holding of two unseen cards
};

// Weighs the hero's best hand against every two-card holding the villain could hold on this board. Needs
// two hero cards and three to five board cards, all different; anything else counts nothing ({0, 0}).
VillainCount countBetterVillainHands(CardMask hero, CardMask board);

} // namespace tavolin::showdown
