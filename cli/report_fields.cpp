#include "cli/report_fields.h"

#include "analysis/number_format.h"
#include "cards/card_text.h"

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

ordered_json outsLines(const std::vector<std::string>& lines) {
    ordered_json json = ordered_json::array();
    for (const std::string& line : lines)
        json.push_back(line);
    return json;
}

// Beside each line, the unseen cards it counted by name: [["Ah", "Kh"], []].
ordered_json outsCards(const std::vector<CardMask>& lineCards) {
    ordered_json json = ordered_json::array();
    for (const CardMask cards : lineCards) {
        ordered_json names = ordered_json::array();
        for (const Card card : cardsIn(cards))
            names.push_back(cardName(card));
        json.push_back(std::move(names));
    }
    return json;
}

} // namespace

ordered_json reportFields(const AnalysisResult& result) {
    const bool amounts = result.hasPotOdds();
    const bool nextCard = result.BoardCount < 5;
    ordered_json fields;
    fields["hand"] = result.HandName;
    fields["board"] = result.BoardTexture;
    fields["strength"] = result.StrengthLabel;
    fields["outs"] = printedValue(formatShortest(result.Outs, "."));
    fields["outsLines"] = outsLines(result.OutsLines);
    fields["outsCards"] = outsCards(result.OutsCards);
    fields["perAllIn"] = percentField(result.EquityAllIn, true);
    fields["perNextCard"] = percentField(result.EquityNextCard, result.BoardCount == 3);
    fields["pmeAllIn"] = percentField(result.Odds.PmeAllIn, amounts);
    fields["pmeNextCard"] = percentField(result.Odds.PmeNextCard, amounts && nextCard);
    fields["spr"] =
        amounts ? printedValue(formatFixed(static_cast<double>(result.Odds.Spr), 2, ".")) : nullptr;
    fields["commitment"] = amounts ? ordered_json(result.Commitment) : ordered_json(nullptr);
    fields["betterVillainHands"] =
        result.Villains ? ordered_json{{"better", result.Villains->Better}, {"tried", result.Villains->Tried}}
                        : ordered_json(nullptr);
    return fields;
}

} // namespace tavolin::cli
