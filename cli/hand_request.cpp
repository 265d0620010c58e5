#include "cli/hand_request.h"

#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"
#include "cli/report_fields.h"

namespace tavolin::cli {

HandOutcome analyseRequest(const HandRequest& request, std::string_view decimalSeparator) {
    AnalysisContext ctx;
    std::string board = request.Board;
    const AnalysisArguments args{request.Pot,     request.HeroBet,  request.VillainBet,   request.Stack,
                                 request.Preflop, request.Postflop, request.VillainCount, decimalSeparator};
    std::string report = analyseHand(ctx, request.Hole, board, args);
    if (!report.empty()) {
        nlohmann::ordered_json fields = reportFields(ctx, report);
        return {true, std::move(report), std::move(fields), {}};
    }
    AnalysisContext fresh;
    std::string unusedBoard = request.Board;
    return {false, {}, {}, describeCardProblem(readCards(fresh, request.Hole, unusedBoard))};
}

nlohmann::ordered_json answerOf(const HandOutcome& outcome) {
    return {{"report", outcome.Report}, {"fields", outcome.Fields}};
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
