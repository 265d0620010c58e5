#include "cli/hero_range_answer.h"

#include "analysis/number_format.h"
#include "equity/range_equity.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"

namespace tavolin::cli {
namespace {

constexpr int kGridSize = 13;
constexpr int kHandsPerLine = 8;

} // namespace

EquityFigures heroRangeFigures(const equity::HoldingWeights& heroRange, equity::CardMask board,
                               const VillainRange& range, std::string_view sep) {
    const equity::RangeEquity result = equity::rangeEquity(heroRange, range.Weights, board);
    const std::string text = ranges::rangeText(heroRange);
    EquityFigures figures;
    nlohmann::ordered_json& json = figures.Json["heroRange"];
    json = {{"text", text}, {"holdings", result.HeroWeight}};
    if (result.HeroHoldings == 0) {
        json.update({{"equity", nullptr}, {"win", nullptr}, {"tie", nullptr}});
        figures.Text =
            "The hero's range vs the range: none, no holding of the hero's meets one of the range\n";
    } else {
        json.update({{"equity", result.Equity}, {"win", result.Win}, {"tie", result.Tie}});
        figures.Text =
            "The hero's range vs the range: " + sharesText(result.Equity, result.Win, result.Tie, sep) + "\n";
    }
    figures.Text += "The hero's range (" + formatFixed(result.HeroWeight, 1, sep) +
                    " live holdings): " + (text.empty() ? "none" : text) + "\n";
    nlohmann::ordered_json grid = nlohmann::ordered_json::array();
    if (result.HeroHoldings > 0) figures.Text += "By starting hand:\n";
    std::string line;
    int onLine = 0;
    for (int row = 0; row < kGridSize; ++row) {
        for (int column = 0; column < kGridSize; ++column) {
            const ranges::StartingHand hand = ranges::gridHand(row, column);
            const equity::CellEquity cell = equity::cellEquity(result, hand.High, hand.Low, hand.Suited);
            if (cell.Holdings <= 0.0) continue;
            const std::string name = ranges::startingHandName(hand);
            grid.push_back({{"hand", name}, {"holdings", cell.Holdings}, {"equity", cell.Equity}});
            line += "  " + name + " " + percent(cell.Equity, sep);
            if (++onLine == kHandsPerLine) {
                figures.Text += line + "\n";
                line.clear();
                onLine = 0;
            }
        }
    }
    if (!line.empty()) figures.Text += line + "\n";
    figures.Json["grid"] = std::move(grid);
    return figures;
}

} // namespace tavolin::cli
