#pragma once

#include "analysis/analysis_context.h"

#include <string>

namespace tavolin {

inline constexpr std::string_view kLineEnd = "\r\n";

// The report lines: hand, board, strength, outs and their explanation, equity, and the amounts block
// (pot odds, SPR and commitment) when the typed amounts make sense.
std::string writeReport(AnalysisContext& ctx, const AnalysisArguments& args);

// The report (or any part of it) with "\n" line ends for people: every CR goes, so a line ending in CR LF
// and the outs explanation's lone CR before the report's own CR LF both leave one "\n".
std::string withPlainLineEnds(std::string_view report);

// The commitment verdict for a strength label, the villain's preflop profile index and an SPR;
// "0" when the label or the index fits no row.
std::string commitmentVerdict(std::string_view strengthLabel, int villainPreflop, float spr);

} // namespace tavolin
