#pragma once

#include "equity/kept_classes.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolin::cli {

struct KeptReading {
    std::optional<equity::KeptClasses> Kept; // nullopt with no name given: keep the whole range
    std::string Problem;                     // the name that is not a class, when there is one
};

// Rows of the range on the board by their names in its table ("top pair", "flush draw"); each text may
// list several, comma-separated.
KeptReading readKeptClasses(const std::vector<std::string>& texts);

} // namespace tavolin::cli
