#include "analysis/strength.h"

#include "analysis/strength_rule_sets.h"

#include <array>
#include <utility>

namespace tavolin {

char selectRuleSet(const AnalysisContext& ctx) {
    const int S = ctx.StraightCoor;
    const int F = ctx.FlushCoor;
    const int P = ctx.BoardPairing;
    const int C = ctx.Coordination;
    const bool threeCards = S == 1 || F == 1;
    // The first row that holds chooses.
    const std::array<std::pair<bool, char>, 15> rows{{
        {C == 0 && P == 0, 'A'},
        {C == 0 && P == 1, 'B'},
        {C == 0 && P == 2, 'C'},
        {C == 0 && P == 3, 'D'},
        {C == 0 && P == 4, 'E'},
        {C == 0 && P == 5, 'F'},
        {S == 1 && F == 0 && P == 0, 'G'},
        {F == 1 && S < 2 && P == 0, 'H'},
        {threeCards && S < 2 && F < 2 && P == 1, 'I'},
        {threeCards && S < 2 && F < 2 && P == 4, 'J'},
        {threeCards && P == 2, 'K'},
        {(S == 2 || S == 3) && F < 2 && P == 0, 'L'},
        {(S == 2 || S == 3) && F < 2 && P == 1, 'M'},
        {(F == 2 || F == 3) && P == 0, 'N'},
        {F == 2 && P == 1, 'O'},
    }};
    for (const auto& [holds, ruleSet] : rows) {
        if (holds) return ruleSet;
    }
    return 0;
}

void classifyStrength(AnalysisContext& ctx) {
    static constexpr std::array<void (*)(StrengthRules&), 15> kRuleSets{
        ruleSetA, ruleSetB, ruleSetC, ruleSetD, ruleSetE, ruleSetF, ruleSetG, ruleSetH,
        ruleSetI, ruleSetJ, ruleSetK, ruleSetL, ruleSetM, ruleSetN, ruleSetO,
    };
    ctx.StrengthLabel = "NOTHING";
    const char ruleSet = selectRuleSet(ctx);
    // A context that never read a flop, turn or river has nothing to classify.
    if (ruleSet == 0 || ctx.BoardCount < 3) return;
    StrengthRules rules(ctx);
    kRuleSets[static_cast<std::size_t>(ruleSet - 'A')](rules);
}

} // namespace tavolin
