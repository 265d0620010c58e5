#pragma once

#include "analysis/analyse_hand.h"

#include <nlohmann/json.hpp>
#include <string_view>

namespace tavolin::cli {

// The values of a report for scripts: "hand", "board", "strength" (texts as printed), "outs", "outsLines",
// "outsCards" (beside each line the unseen cards it counted, by name), "perAllIn", "perNextCard", "pmeAllIn",
// "pmeNextCard" (percent), "spr", "commitment" and "betterVillainHands" ({"better": b, "tried": n}). Numbers
// equal the printed ones (read with a "." whatever the report's separator); null where the report prints no
// such value.
nlohmann::ordered_json reportFields(const AnalysisResult& result);

} // namespace tavolin::cli
