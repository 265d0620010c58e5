#pragma once

#include "history/hand_record.h"
#include "history/line_reader.h"
#include "history/skip.h"

#include <variant>
#include <vector>

namespace tavolin::history {

// One hand of the text format, its header line first. Lines it does not know are passed over, so that a
// small change of wording does not stop it; a hand that cannot be read is a Skip with the reason.
std::variant<HandRecord, Skip> readTextHand(const std::vector<Line>& lines);

} // namespace tavolin::history
