#pragma once

#include "analysis/analyse_hand.h"

#include <numeric>
#include <random>
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

// The first `count` cards of a shuffled deck. Fisher–Yates on raw generator output, so that a sample is the
// same with every standard library.
inline std::vector<int> dealt(std::mt19937& random, int count) {
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        std::swap(deck[i], deck[i + random() % (52 - i)]);
    deck.resize(static_cast<std::size_t>(count));
    return deck;
}

} // namespace tavolin::support
