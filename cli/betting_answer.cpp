#include "cli/betting_answer.h"

#include "analysis/number_format.h"
#include "equity/betting_range.h"
#include "equity/holding_equities.h"
#include "ranges/range_text.h"

#include <cmath>

namespace tavolin::cli {

std::string bettingRangeText(const equity::BettingRange& betting) {
    equity::HoldingWeights rounded = betting.Weights;
    for (double& weight : rounded)
        weight = std::round(weight * 100.0) / 100.0;
    return ranges::rangeText(rounded);
}

EquityFigures bettingFigures(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                             const equity::HoldingEquities& shares, double pot, double bet,
                             std::string_view sep) {
    const equity::BettingRange betting = equity::bettingRange(hero, board, range.Weights, pot, bet);
    const std::string text = bettingRangeText(betting);
    // The range that bets lies within the range, whose shares answer for any part of it.
    const equity::EquityResult result =
        equity::equityAgainst(shares, betting.Weights).value_or(equity::EquityResult{});
    EquityFigures figures;
    nlohmann::ordered_json& json = figures.Json["betting"];
    json = {{"text", text}, {"holdings", betting.Holdings}};
    if (result.Holdings > 0) {
        json.update({{"equity", result.Equity}, {"win", result.Win}, {"tie", result.Tie}});
        figures.Text =
            "Exact equity vs the range that bets: " + sharesText(result.Equity, result.Win, result.Tie, sep) +
            "\n";
    } else {
        json.update({{"equity", nullptr}, {"win", nullptr}, {"tie", nullptr}});
        figures.Text = "Exact equity vs the range that bets: none, no holding of the range is live\n";
    }
    json["model"] = betting.Model;
    figures.Text += "The range that bets (" + betting.Model + ", " + formatFixed(betting.Holdings, 1, sep) +
                    " holdings): " + (text.empty() ? "none" : text) + "\n";
    return figures;
}

} // namespace tavolin::cli
