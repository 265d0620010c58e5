#include "analysis/report.h"

#include "analysis/number_format.h"

#include <array>
#include <cmath>

namespace tavolin {
namespace {

constexpr std::string_view kHappily = "Happily committed";
constexpr std::string_view kSadly = "Sadly committed";
constexpr std::string_view kNot = "No committed";

// Up to two SPR bounds (inclusive) and what lies beyond them: ≤ happyUpTo is happy, ≤ sadUpTo sad.
struct CommitmentRow {
    float HappyUpTo;
    float SadUpTo;
    std::string_view Beyond;
};

constexpr float kNever = -1.0f;     // no SPR is this low
constexpr float kAlways = INFINITY; // every finite SPR is this low

// Columns: preflop index 0, 1, and 2 or 3.
struct CommitmentTableRow {
    std::string_view Prefix;
    std::array<CommitmentRow, 3> ByProfile;
};

constexpr std::array<CommitmentTableRow, 5> kCommitmentTable{{
    {"WEAK", {{{kNever, 0.5f, kNot}, {kNever, 1.0f, kNot}, {0.5f, 5.0f, kNot}}}},
    {"MEDI", {{{0.5f, 3.0f, kNot}, {2.0f, 5.0f, kNot}, {5.0f, 8.0f, kNot}}}},
    {"STRO", {{{4.0f, 8.0f, kNot}, {6.0f, 15.0f, kNot}, {15.0f, 35.0f, kNot}}}},
    {"VERY", {{{15.0f, kAlways, kSadly}, {20.0f, kAlways, kSadly}, {kAlways, kAlways, kHappily}}}},
    {"NUTS", {{{15.0f, kAlways, kSadly}, {20.0f, kAlways, kSadly}, {kAlways, kAlways, kHappily}}}},
}};

std::string percent(float fraction, std::string_view separator) {
    return formatFixed(static_cast<double>(100.0f * fraction), 1, separator) + "%";
}

} // namespace

std::string commitmentVerdict(std::string_view strengthLabel, int villainPreflop, float spr) {
    const std::string_view prefix = strengthLabel.substr(0, 4);
    if (prefix == "NOTH") return std::string(kNot);
    if (villainPreflop < 0 || villainPreflop > 3) return "0";
    for (const auto& row : kCommitmentTable) {
        if (row.Prefix != prefix) continue;
        const CommitmentRow& rule =
            row.ByProfile[static_cast<std::size_t>(villainPreflop < 2 ? villainPreflop : 2)];
        if (spr <= rule.HappyUpTo) return std::string(kHappily);
        if (spr <= rule.SadUpTo) return std::string(kSadly);
        return std::string(rule.Beyond);
    }
    return "0";
}

std::string withPlainLineEnds(std::string_view report) {
    std::string text;
    text.reserve(report.size());
    for (const char c : report) {
        if (c != '\r') text += c;
    }
    return text;
}

std::string writeReport(AnalysisContext& ctx, const AnalysisArguments& args) {
    const std::string_view sep = args.DecimalSeparator;
    std::string report;
    report.reserve(512);
    report.append("Hand: ").append(ctx.MadeHandName).append(kLineEnd);
    report.append("Board: ").append(ctx.BoardTexture).append(kLineEnd);
    report.append("Strength: ").append(ctx.StrengthLabel).append(kLineEnd);
    report.append("Outs: ").append(formatShortest(ctx.Outs, sep)).append(kLineEnd);
    report.append(ctx.OutsText).append(kLineEnd);
    report.append("PER(AI): ").append(percent(ctx.EquityAllIn, sep));
    if (ctx.BoardCount == 3) report.append(" PER(+1Card): ").append(percent(ctx.EquityNextCard, sep));

    ctx.Odds = readPotOdds(args.PotText, args.HeroBetText, args.VillainBetText, args.StackText);
    if (ctx.Odds.Gap == PotOddsGap::kNone) {
        const PotOdds& odds = ctx.Odds;
        ctx.Commitment = commitmentVerdict(ctx.StrengthLabel, args.VillainPreflop, odds.Spr);
        report.append(kLineEnd).append("PME(AI): ").append(percent(odds.PmeAllIn, sep));
        if (ctx.BoardCount < 5) report.append(" PME(+1Card): ").append(percent(odds.PmeNextCard, sep));
        report.append(kLineEnd);
        report.append("SPR: ").append(formatFixed(static_cast<double>(odds.Spr), 2, sep));
        report.append(" (").append(ctx.Commitment).append(")").append(kLineEnd);
    }
    return report;
}

} // namespace tavolin
