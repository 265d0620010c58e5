#pragma once

#include "journal/review_schedule.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::journal {

// "2026-12-07T09:43:02Z".
std::string isoTime(Time time);
// The start (00:00 UTC) of a day written "YYYY-MM-DD"; nullopt for any other text or a day that does not
// exist.
std::optional<Time> readDay(std::string_view text);

} // namespace tavolin::journal
