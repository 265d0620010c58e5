#include "cli/hand_request.h"

#include "analysis/analyse_hand.h"
#include "analysis/number_format.h"
#include "cli/betting_answer.h"
#include "cli/equity_answer.h"
#include "cli/hero_range_answer.h"
#include "cli/kept_class_names.h"
#include "cli/multiway_answer.h"
#include "cli/report_fields.h"
#include "equity/equity_by_part.h"
#include "ranges/range_text.h"

namespace tavolin::cli {

namespace {

constexpr std::size_t kMaxVillains = 3;

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
    if (!request.Ranges.empty() && (request.Ranges.size() < 2 || request.Ranges.size() > kMaxVillains))
        return rejected("the multiway equity takes two or three ranges, one per villain");
    if (!request.Ranges.empty() && request.Range)
        return rejected("give the villain's range once, or one range per villain");
    const bool figures =
        request.Equity || request.HeroRange || !request.Ranges.empty() || !request.Keep.empty();
    std::vector<VillainRange> villains;
    for (std::size_t i = 0; i < request.Ranges.size(); ++i) {
        villains.push_back(chooseRange(request.Ranges[i], request.Preflop));
        if (!villains.back().Ok)
            return rejected("villain " + std::to_string(i + 1) + ": " + villains.back().Problem);
    }
    VillainRange range;
    if (!villains.empty())
        range = villains.front();
    else if (request.Range || figures)
        range = chooseRange(request.Range, request.Preflop);
    if (request.Range && !range.Ok) return rejected(range.Problem);
    std::optional<ranges::RangeReading> heroRange;
    if (request.HeroRange) {
        heroRange = ranges::readRange(*request.HeroRange);
        if (!heroRange->Ok) return rejected("the hero's range cannot be read: " + heroRange->Error.Message);
    }
    const KeptReading kept = readKeptClasses(request.Keep);
    if (!kept.Problem.empty()) return rejected(kept.Problem);
    const CardMask hole = result.Cards.Hole;
    const CardMask board = result.Cards.Board;
    if (kept.Kept) {
        range.Weights = equity::keepClasses(hole, board, range.Weights, *kept.Kept);
        for (VillainRange& villain : villains)
            villain.Weights = equity::keepClasses(hole, board, villain.Weights, *kept.Kept);
    }

    HandOutcome outcome;
    outcome.Accepted = true;
    outcome.Report = result.Report;
    outcome.Fields = reportFields(result);
    if (!figures) return outcome;
    const equity::EquityByPart parts = equity::equityByPart(hole, board, range.Weights);
    EquityFigures all = equityFigures(hole, board, range, parts,
                                      formatShortest(result.Outs, decimalSeparator), decimalSeparator);
    const double pot = readAmount(request.Pot);
    const double bet = readAmount(request.VillainBet);
    if (bet > 0.0)
        appendFigures(all, bettingFigures(hole, board, range, parts.Shares, pot, bet, decimalSeparator));
    if (heroRange) appendFigures(all, heroRangeFigures(heroRange->Weights, board, range, decimalSeparator));
    if (!villains.empty()) appendFigures(all, multiwayFigures(hole, board, villains, decimalSeparator));
    outcome.Equity = std::move(all.Json);
    outcome.EquityText = std::move(all.Text);
    return outcome;
}

nlohmann::ordered_json answerOf(const HandOutcome& outcome) {
    nlohmann::ordered_json answer{{"report", outcome.Report}, {"fields", outcome.Fields}};
    if (!outcome.Equity.is_null()) answer["equity"] = outcome.Equity;
    return answer;
}

} // namespace tavolin::cli
