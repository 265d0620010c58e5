#pragma once

#include "journal/journal.h"
#include "practice/spot.h"
#include "practice/spot_reading.h"

#include <optional>
#include <string_view>

namespace tavolin::practice {

// A dealt spot as the journal keeps it, against its preflop profile's range, whose exact equity against
// the range is `equity` (0..1).
journal::SpotRecord spotRecord(const Spot& spot, const SpotReading& reading, std::string_view source,
                               double equity);

// A journal's spot dealt again; nullopt for one the terminal cannot deal (a typed range, no amounts,
// cards that do not read).
std::optional<Spot> spotOfRecord(const journal::SpotRecord& record);

} // namespace tavolin::practice
