#pragma once

#include "analysis/analyse_hand.h"
#include "analysis/strength.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin::support {

// A card is 0..51: rank character "23456789TJQKA"[card % 13], suit character "shcd"[card / 13].
inline std::string cardsText(const std::vector<int>& cards) {
    std::string text;
    for (const int card : cards) {
        if (!text.empty()) text += ' ';
        text += "23456789TJQKA"[card % 13];
        text += "shcd"[card / 13];
    }
    return text;
}

// Every intermediate result of one analysis with no amounts typed.
inline AnalysisContext analysed(const std::string& hole, std::string board) {
    AnalysisContext ctx;
    analyseHand(ctx, hole, board, AnalysisArguments{});
    return ctx;
}

// A hand in which one row of a strength rule set decides the label.
struct DecidingHand {
    const char* Row; // the step that decides
    const char* Hole;
    const char* Board;
    const char* Label;
};

inline void expectLabels(char ruleSet, const std::vector<DecidingHand>& hands) {
    for (const DecidingHand& hand : hands) {
        SCOPED_TRACE(std::string("row ") + hand.Row + ": " + hand.Hole + " on " + hand.Board);
        const AnalysisContext ctx = analysed(hand.Hole, hand.Board);
        EXPECT_EQ(selectRuleSet(ctx), ruleSet);
        EXPECT_EQ(ctx.StrengthLabel, hand.Label);
    }
}

} // namespace tavolin::support
