#include "cli/equity_answer.h"

#include "analysis/number_format.h"
#include "equity/exact_equity.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"

namespace tavolin::cli {
namespace {

using nlohmann::ordered_json;

ordered_json shares(const equity::EquityResult& result) {
    return {{"equity", result.Equity}, {"win", result.Win}, {"tie", result.Tie}};
}

std::string percent(double share, std::string_view separator) {
    return formatFixed(100.0 * share, 2, separator) + "%";
}

std::string equityLine(std::string_view against, const equity::EquityResult& result, std::string_view sep) {
    return "Exact equity vs " + std::string(against) + ": " + percent(result.Equity, sep) + " (win " +
           percent(result.Win, sep) + ", tie " + percent(result.Tie, sep) + ")\n";
}

} // namespace

VillainRange chooseRange(const std::optional<std::string>& text, int preflopProfile) {
    VillainRange range;
    if (!text) {
        range.Weights = ranges::profileRange(preflopProfile);
        range.Name = ranges::profileName(preflopProfile);
        range.Ok = true;
        return range;
    }
    const ranges::RangeReading reading = ranges::readRange(*text);
    range.Ok = reading.Ok;
    range.Weights = reading.Weights;
    range.Name = "typed";
    if (!reading.Ok) range.Problem = "the range cannot be read: " + reading.Error.Message;
    return range;
}

EquityFigures equityFigures(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                            std::string_view sep) {
    static const equity::HoldingWeights kAnyTwoCards = equity::anyTwoCards();
    EquityFigures figures;
    const equity::EquityResult random = equity::exactEquity(hero, board, kAnyTwoCards);
    figures.Json["random"] = shares(random);
    figures.Json["random"]["holdings"] = random.Holdings;
    figures.Json["random"]["runouts"] = random.Runouts;
    figures.Text = equityLine("a random hand", random, sep);

    const equity::EquityResult versusRange = equity::exactEquity(hero, board, range.Weights);
    const std::string text = ranges::rangeText(range.Weights);
    figures.Json["range"] = {{"text", text}, {"holdings", versusRange.Weight}};
    if (versusRange.Holdings == 0) {
        figures.Json["range"].update({{"equity", nullptr}, {"win", nullptr}, {"tie", nullptr}});
        figures.Text += "Exact equity vs the range: none, no holding of the range is live\n";
    } else {
        figures.Json["range"].update(shares(versusRange));
        figures.Text += equityLine("the range", versusRange, sep);
    }
    figures.Text += "Range (" + range.Name + ", " + formatFixed(versusRange.Weight, 1, sep) +
                    " live holdings): " + text + "\n";
    return figures;
}

} // namespace tavolin::cli
