#include "showdown/villain_count.h"

#include <bit>

namespace tavolin::showdown {

VillainCount countBetterVillainHands(CardMask hero, CardMask board) {
    const int unseen = 52 - std::popcount(hero | board);
    return {0, unseen * (unseen - 1) / 2};
}

} // namespace tavolin::showdown
