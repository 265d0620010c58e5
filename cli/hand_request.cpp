#include "cli/hand_request.h"

#include "analysis/analyse_hand.h"
#include "analysis/number_format.h"
#include "cli/equity_answer.h"
#include "cli/report_fields.h"

namespace tavolin::cli {

namespace {

HandOutcome rejected(std::string problem) {
    HandOutcome outcome;
    outcome.Problem = std::move(problem);
    return outcome;
}

} // namespace

HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator) {
    const HandInput input{request.Hole,         request.Board,
                          request.Pot,          request.HeroBet,
                          request.VillainBet,   request.Stack,
                          request.Preflop,      request.Postflop,
                          request.VillainCount, std::string(decimalSeparator)};
    const AnalysisResult result = analyse(input);
    if (!result.accepted()) return rejected(describeCardProblem(result.Cards));
    VillainRange range;
    if (request.Range || request.Equity) range = chooseRange(request.Range, request.Preflop);
    if (request.Range && !range.Ok) return rejected(range.Problem);
    HandOutcome outcome;
    outcome.Accepted = true;
    outcome.Report = result.Report;
    outcome.Fields = reportFields(result);
    if (request.Equity) {
        EquityFigures figures =
            equityFigures(result.Cards.Hole, result.Cards.Board, range,
                          formatShortest(result.Outs, decimalSeparator), decimalSeparator);
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

} // namespace tavolin::cli
