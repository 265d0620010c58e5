#include "cli/hand_request.h"

#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"
#include "analysis/number_format.h"
#include "cli/equity_answer.h"
#include "cli/report_fields.h"
#include "equity/cards.h"

#include <optional>

namespace tavolin::cli {

namespace {

HandOutcome rejected(std::string problem) {
    HandOutcome outcome;
    outcome.Problem = std::move(problem);
    return outcome;
}

// The cards of a text the analysis has accepted: card k stands at character 3k, whatever separates them.
std::optional<equity::CardMask> acceptedCards(std::string_view text) {
    equity::CardMask cards = 0;
    for (std::size_t at = 0; at + 2 <= text.size(); at += 3) {
        const auto card = equity::readCard(text.substr(at, 2));
        if (!card) return std::nullopt;
        cards |= equity::maskOf(*card);
    }
    return cards;
}

} // namespace

HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator) {
    AnalysisContext ctx;
    std::string board = request.Board;
    const AnalysisArguments args{request.Pot,     request.HeroBet,  request.VillainBet,   request.Stack,
                                 request.Preflop, request.Postflop, request.VillainCount, decimalSeparator};
    HandOutcome outcome;
    outcome.Report = analyseHand(ctx, request.Hole, board, args);
    if (outcome.Report.empty()) {
        AnalysisContext fresh;
        std::string unusedBoard = request.Board;
        return rejected(describeCardProblem(readCards(fresh, request.Hole, unusedBoard)));
    }
    VillainRange range;
    if (request.Range || request.Equity) range = chooseRange(request.Range, request.Preflop);
    if (request.Range && !range.Ok) return rejected(range.Problem);
    outcome.Accepted = true;
    outcome.Fields = reportFields(ctx, outcome.Report);
    if (request.Equity) {
        const auto hero = acceptedCards(request.Hole);
        const auto cards = acceptedCards(request.Board);
        if (!hero || !cards) return rejected("the cards cannot be read for the exact figures");
        EquityFigures figures =
            equityFigures(*hero, *cards, range, formatShortest(ctx.Outs, decimalSeparator), decimalSeparator);
        outcome.Equity = std::move(figures.Json);
        outcome.EquityText = std::move(figures.Text);
    }
    return outcome;
}

nlohmann::ordered_json answerOf(const HandOutcome& outcome) {
    nlohmann::ordered_json answer{{"report", outcome.Report}, {"fields", outcome.Fields}};
    if (!outcome.Equity.is_null()) answer["equity"] = outcome.Equity;
    return answer;
}

std::string withNewlines(std::string_view report) {
    // Every line ends in CR LF except the outs explanation's last, whose lone CR stands just before the
    // report's own CR LF: dropping every CR leaves one "\n" per line either way.
    std::string text;
    text.reserve(report.size());
    for (const char c : report) {
        if (c != '\r') text += c;
    }
    return text;
}

} // namespace tavolin::cli
