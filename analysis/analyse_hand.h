#pragma once

#include "analysis/analysis_context.h"
#include "analysis/card_input.h"
#include "showdown/villain_count.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolin {

// One hand as a player enters it: the card texts ("Ad 7d", "3s 4c 5h") and the amount texts as typed.
struct HandInput {
    std::string Hole;
    std::string Board;
    std::string Pot;
    std::string HeroBet;
    std::string VillainBet;
    std::string Stack;
    int VillainPreflop = 1;
    int VillainPostflop = 1; // accepted, never read: the postflop profile has no effect
    bool CalcVillain = false;
    std::string DecimalSeparator = ".";
};

// What one analysis found. With refused cards only Cards is set and Report is empty.
struct AnalysisResult {
    CardCheck Cards;
    std::string Report; // the lines end in CR LF
    int BoardCount = 0;
    std::string HandName;
    std::string BoardTexture;
    std::string StrengthLabel;
    float Outs = 0.0f;
    std::string OutsText;               // the explanation lines of the outs as the report writes them
    std::vector<std::string> OutsLines; // the same lines one by one, without line ends
    std::vector<CardMask> OutsCards;    // beside each line, the unseen cards it counted (0 for none)
    float EquityAllIn = 0.0f;
    float EquityNextCard = 0.0f;                    // printed on the flop only
    PotOdds Odds;                                   // Odds.Gap says why the pot-odds lines are missing
    std::string Commitment;                         // when the pot-odds lines are written
    std::optional<showdown::VillainCount> Villains; // when asked for

    bool accepted() const { return Cards.ok(); }
    bool hasPotOdds() const { return accepted() && Odds.Gap == PotOddsGap::kNone; }
};

AnalysisResult analyse(const HandInput& input);

// Analyses the hero's hole cards on a flop, turn or river and returns the report (lines end in CR LF).
// Any bad card gives the empty report; a board text of a wrong length is also replaced by
// "WRONG BOARDCARDS" in the caller's variable. The amounts are read as a player types them.
std::string analyseHand(const std::string& holeText, std::string& boardText, const std::string& potText,
                        const std::string& heroBetText, const std::string& villainBetText,
                        const std::string& stackText, int villainPreflop, int villainPostflop,
                        bool calcVillain, std::string_view decimalSeparator = ".");

// The same analysis, leaving every intermediate result in `ctx` for a closer look.
std::string analyseHand(AnalysisContext& ctx, const std::string& holeText, std::string& boardText,
                        const AnalysisArguments& args);

} // namespace tavolin
