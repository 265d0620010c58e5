#include "cli/hand_request.h"

#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"
#include "analysis/number_format.h"
#include "cli/equity_answer.h"
#include "cli/report_fields.h"
#include "equity/cards.h"

namespace tavolin::cli {

namespace {

HandOutcome rejected(std::string problem) {
    HandOutcome outcome;
    outcome.Problem = std::move(problem);
    return outcome;
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
        // The analysis has accepted both texts, so the equity reader, which takes more forms, reads them too.
        const auto hero = equity::readCardList(request.Hole);
        const auto cards = equity::readCardList(request.Board);
        EquityFigures figures = equityFigures(hero.value_or(0), cards.value_or(0), range,
                                              formatShortest(ctx.Outs, decimalSeparator), decimalSeparator);
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
