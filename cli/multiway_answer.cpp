#include "cli/multiway_answer.h"

#include "analysis/number_format.h"
#include "equity/multiway_equity.h"

namespace tavolin::cli {

EquityFigures multiwayFigures(equity::CardMask hero, equity::CardMask board,
                              const std::vector<VillainRange>& villains, std::string_view sep) {
    std::vector<equity::HoldingWeights> ranges;
    for (const VillainRange& villain : villains)
        ranges.push_back(villain.Weights);
    const equity::MultiwayEquity result = equity::multiwayEquity(hero, board, ranges);
    EquityFigures figures;
    const std::string against = "Equity vs " + std::to_string(villains.size()) + " ranges at once: ";
    if (result.Samples == 0) {
        figures.Json["multiway"] = {{"equity", nullptr}, {"win", nullptr},      {"tie", nullptr},
                                    {"exact", nullptr},  {"stdError", nullptr}, {"samples", 0}};
        figures.Text = against + "none, the ranges leave no deal\n";
        return figures;
    }
    figures.Json["multiway"] = {{"equity", result.Equity},     {"win", result.Win},
                                {"tie", result.Tie},           {"exact", result.Exact},
                                {"stdError", result.StdError}, {"samples", result.Samples}};
    figures.Text =
        against + sharesText(result.Equity, result.Win, result.Tie, sep) +
        (result.Exact ? ", every one of " + std::to_string(result.Samples) + " deals counted"
                      : ", from " + std::to_string(result.Samples) + " sampled deals (standard error " +
                            formatFixed(100.0 * result.StdError, 2, sep) + " points)") +
        "\n";
    return figures;
}

} // namespace tavolin::cli
