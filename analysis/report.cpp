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

bool amountsMakeSense(double pot, double heroBet, double villainBet, double stack) {
    return pot > 0 && heroBet >= 0 && villainBet >= 0 && stack > 0;
}

std::string percent(float fraction, std::string_view separator) {
    return formatFixed(static_cast<double>(100.0f * fraction), 1, separator) + "%";
}

// Fills the amounts and ratios; false when they cannot make a sound block (a pot that is not a usable
// whole number, or amounts so large that a ratio leaves the range of a float).
bool computeAmounts(AnalysisContext& ctx, const AnalysisArguments& args) {
    const double potValue = readAmount(args.PotText);
    const double heroBetValue = readAmount(args.HeroBetText);
    const double villainBetValue = readAmount(args.VillainBetText);
    const double stackValue = readAmount(args.StackText);
    if (!amountsMakeSense(potValue, heroBetValue, villainBetValue, stackValue)) return false;
    const double potRounded = std::nearbyint(potValue); // ties to even
    if (potRounded < 1 || potRounded > 32767) return false;
    const auto pot = static_cast<float>(static_cast<std::int16_t>(potRounded));

    ctx.HeroBet = static_cast<float>(heroBetValue);
    ctx.VillainBet = static_cast<float>(villainBetValue);
    ctx.Stack = static_cast<float>(stackValue);
    ctx.PmeAllIn = ctx.Stack / (pot + 2.0f * (ctx.Stack + ctx.HeroBet));
    const float call = minSingle(ctx.VillainBet, ctx.Stack);
    ctx.PmeNextCard = call / (pot + 2.0f * call);
    ctx.Spr = (ctx.Stack + ctx.HeroBet) / pot;
    return std::isfinite(ctx.PmeAllIn) && std::isfinite(ctx.PmeNextCard) && std::isfinite(ctx.Spr) &&
           std::isfinite(100.0f * ctx.PmeAllIn) && std::isfinite(100.0f * ctx.PmeNextCard);
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

    if (computeAmounts(ctx, args)) {
        ctx.Commitment = commitmentVerdict(ctx.StrengthLabel, args.VillainPreflop, ctx.Spr);
        report.append(kLineEnd).append("PME(AI): ").append(percent(ctx.PmeAllIn, sep));
        if (ctx.BoardCount < 5) report.append(" PME(+1Card): ").append(percent(ctx.PmeNextCard, sep));
        report.append(kLineEnd);
        report.append("SPR: ").append(formatFixed(static_cast<double>(ctx.Spr), 2, sep));
        report.append(" (").append(ctx.Commitment).append(")").append(kLineEnd);
    }
    return report;
}

} // namespace tavolin
