#pragma once

#include "equity/range_on_board.h"

#include <bitset>
#include <string>

namespace tavolin::equity {

// A choice of rows of the range on the board, made and draw rows alike, indexed by BoardClass.
using KeptClasses = std::bitset<kBoardClassCount>;

KeptClasses everyClass();

// The live holdings of `villain` that count in a kept row, at their weight; every other holding 0. The rows
// overlap (a draw also has a made class), so a holding is kept when either of its rows is. Keeping every
// made row keeps the whole live range. For input rangeOnBoard would refuse, every weight is 0.
// ranges::rangeText writes the result as range text, weights included.
HoldingWeights keepClasses(CardMask hero, CardMask board, const HoldingWeights& villain, KeptClasses kept);

// The kept rows' names in the table's order, comma-separated ("top pair, flush draw"); "nothing" when none.
std::string keptClassesText(KeptClasses kept);

} // namespace tavolin::equity
