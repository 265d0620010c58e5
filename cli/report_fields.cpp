#include "cli/report_fields.h"

#include "analysis/number_format.h"

#include <charconv>
#include <cmath>

namespace tavolin::cli {
namespace {

using nlohmann::ordered_json;

// The printed form read back, so that a script sees the number the report shows, not the float behind it;
// a whole number stays one ("outs": 6, not 6.0).
ordered_json printedValue(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    // Only a value within range may become a whole number: the cast of a larger one is undefined.
    if (std::abs(value) < 1e15) {
        const auto whole = static_cast<long long>(value);
        if (static_cast<double>(whole) == value) return whole;
    }
    return value;
}

ordered_json percentField(float fraction, bool printed) {
    if (!printed) return nullptr;
    return printedValue(formatFixed(static_cast<double>(100.0f * fraction), 1, "."));
}

ordered_json outsLines(const std::string& outsText) {
    ordered_json lines = ordered_json::array();
    std::string line;
    for (const char c : outsText) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

// "Better Villain Hands: b/n=p%", the report's last line when the count was asked for.
ordered_json betterVillainHands(std::string_view report) {
    constexpr std::string_view kLabel = "Better Villain Hands: ";
    const auto start = report.rfind(kLabel);
    if (start == std::string_view::npos) return nullptr;
    const char* cursor = report.data() + start + kLabel.size();
    const char* end = report.data() + report.size();
    long long better = 0;
    long long tried = 0;
    cursor = std::from_chars(cursor, end, better).ptr;
    if (cursor != end && *cursor == '/') std::from_chars(cursor + 1, end, tried);
    return {{"better", better}, {"tried", tried}};
}

} // namespace

ordered_json reportFields(const AnalysisContext& ctx, std::string_view report) {
    const bool amounts = report.find("\r\nPME(AI): ") != std::string_view::npos;
    const bool nextCard = ctx.BoardCount < 5;
    ordered_json fields;
    fields["hand"] = ctx.MadeHandName;
    fields["board"] = ctx.BoardTexture;
    fields["strength"] = ctx.StrengthLabel;
    fields["outs"] = printedValue(formatShortest(ctx.Outs, "."));
    fields["outsLines"] = outsLines(ctx.OutsText);
    fields["perAllIn"] = percentField(ctx.EquityAllIn, true);
    fields["perNextCard"] = percentField(ctx.EquityNextCard, ctx.BoardCount == 3);
    fields["pmeAllIn"] = percentField(ctx.PmeAllIn, amounts);
    fields["pmeNextCard"] = percentField(ctx.PmeNextCard, amounts && nextCard);
    fields["spr"] = amounts ? printedValue(formatFixed(static_cast<double>(ctx.Spr), 2, ".")) : nullptr;
    fields["commitment"] = amounts ? ordered_json(ctx.Commitment) : ordered_json(nullptr);
    fields["betterVillainHands"] = betterVillainHands(report);
    return fields;
}

} // namespace tavolin::cli
