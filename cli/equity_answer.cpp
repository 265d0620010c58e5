#include "cli/equity_answer.h"

#include "analysis/number_format.h"
#include "cards/card_text.h"
#include "equity/exact_equity.h"
#include "equity/next_card.h"
#include "equity/range_on_board.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"

#include <algorithm>
#include <bit>

namespace tavolin::cli {
namespace {

using nlohmann::ordered_json;

ordered_json shares(const equity::EquityResult& result) {
    return {{"equity", result.Equity}, {"win", result.Win}, {"tie", result.Tie}};
}

std::string equityLine(std::string_view against, const equity::EquityResult& result, std::string_view sep) {
    return "Exact equity vs " + std::string(against) + ": " +
           sharesText(result.Equity, result.Win, result.Tie, sep) + "\n";
}

// One row of the table for people: a name column, then three numbers aligned on the right.
std::string tableRow(std::string name, const std::string& holdings, const std::string& share,
                     const std::string& beatHero) {
    name.resize(std::max<std::size_t>(name.size(), 30), ' ');
    const auto right = [](const std::string& text, std::size_t width) {
        return std::string(width - std::min(width, text.size()), ' ') + text;
    };
    return name + right(holdings, 10) + right(share, 8) + right(beatHero, 11) + "\n";
}

// Made rows first, then the draws on a flop or turn; the table for people leaves out empty rows.
std::string addBoardRows(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                         const equity::EquityByPart& parts, std::string_view sep, EquityFigures& figures) {
    const equity::RangeOnBoard onBoard = equity::rangeOnBoard(hero, board, range.Weights);
    ordered_json rows = ordered_json::array();
    std::string table = tableRow("The range on this board:", "holdings", "share", "beat hero");
    const int count = onBoard.HasDraws ? equity::kBoardClassCount : equity::kMadeClassCount;
    for (int i = 0; i < count; ++i) {
        const equity::BoardClassRow& row = onBoard.Rows[static_cast<std::size_t>(i)];
        const std::string name(equity::boardClassName(static_cast<equity::BoardClass>(i)));
        rows.push_back(
            {{"class", name},
             {"holdings", row.Holdings},
             {"share", row.Share},
             {"beatHero", row.BeatHero},
             {"heroEquity", row.Holdings > 0.0 ? ordered_json(parts.RowEquity[static_cast<std::size_t>(i)])
                                               : ordered_json()}});
        if (row.Holdings <= 0.0) continue;
        table += tableRow("  " + name, formatFixed(row.Holdings, 1, sep),
                          formatFixed(100.0 * row.Share, 1, sep) + "%", formatFixed(row.BeatHero, 1, sep));
    }
    figures.Json["board"] = std::move(rows);
    return onBoard.Holdings > 0.0 ? table : std::string();
}

void addNextCards(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                  std::string_view ruleOuts, EquityFigures& figures) {
    const equity::NextCardEquities next = equity::nextCardEquities(hero, board, range.Weights);
    if (next.Unseen == 0) return;
    const equity::TrueOuts outs = equity::trueOuts(next);
    ordered_json cards = ordered_json::array();
    for (const Card card : cardsIn(next.Unseen))
        cards.push_back(
            {{"card", cardName(card)}, {"equity", next.Equity[static_cast<std::size_t>(card.index())]}});
    ordered_json outCards = ordered_json::array();
    std::string outNames;
    for (const Card card : cardsIn(outs.Cards)) {
        outCards.push_back(cardName(card));
        outNames += ' ';
        outNames += cardName(card);
    }
    figures.Json["nextCard"] = std::move(cards);
    figures.Json["trueOuts"] = {{"cards", std::move(outCards)}, {"kind", outs.Ahead ? "ahead" : "behind"}};
    const std::string count = std::to_string(std::popcount(outs.Cards));
    figures.Text +=
        outs.Ahead ? "Next cards that put the hero behind the range: " + count
                   : "True outs vs the range: " + count + " (rule of thumb: " + std::string(ruleOuts) + ")";
    figures.Text += (outNames.empty() ? "" : ":" + outNames) + "\n";
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

void appendFigures(EquityFigures& figures, EquityFigures more) {
    figures.Json.update(more.Json);
    figures.Text += more.Text;
}

std::string percent(double share, std::string_view separator) {
    return formatFixed(100.0 * share, 2, separator) + "%";
}

std::string sharesText(double equity, double win, double tie, std::string_view separator) {
    return percent(equity, separator) + " (win " + percent(win, separator) + ", tie " +
           percent(tie, separator) + ")";
}

EquityFigures equityFigures(equity::CardMask hero, equity::CardMask board, const VillainRange& range,
                            const equity::EquityByPart& parts, std::string_view ruleOuts,
                            std::string_view sep) {
    static const equity::HoldingWeights kAnyTwoCards = equity::anyTwoCards();
    EquityFigures figures;
    const equity::EquityResult random = equity::exactEquity(hero, board, kAnyTwoCards);
    figures.Json["random"] = shares(random);
    figures.Json["random"]["holdings"] = random.Holdings;
    figures.Json["random"]["runouts"] = random.Runouts;
    figures.Text = equityLine("a random hand", random, sep);

    const equity::EquityResult versusRange =
        equity::equityAgainst(parts.Shares, range.Weights).value_or(equity::EquityResult{});
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
                    " live holdings): " + (text.empty() ? "none" : text) + "\n";
    const std::string table = addBoardRows(hero, board, range, parts, sep, figures);
    if (versusRange.Holdings > 0) addNextCards(hero, board, range, ruleOuts, figures);
    figures.Text += table;
    return figures;
}

} // namespace tavolin::cli
