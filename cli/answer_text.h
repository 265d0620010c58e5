#pragma once

#include "practice/answer_check.h"

#include <optional>
#include <string_view>

namespace tavolin::cli {

// An answer typed at the terminal, one question's worth: for the strength a tier key (n w m s v u) or the
// tier's name; for outs and equity a number (equity may end in %; a decimal comma is read as a point); for
// the decision c, call, f or fold. Blanks around it and either case are fine; anything else is nullopt.
std::optional<practice::Tier> readTierAnswer(std::string_view text);
std::optional<double> readNumberAnswer(std::string_view text, bool percent);
std::optional<practice::Decision> readDecisionAnswer(std::string_view text);

} // namespace tavolin::cli
