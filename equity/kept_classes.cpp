#include "equity/kept_classes.h"

namespace tavolin::equity {

KeptClasses everyClass() {
    return KeptClasses{}.set();
}

HoldingWeights keepClasses(CardMask hero, CardMask board, const HoldingWeights& villain, KeptClasses kept) {
    HoldingWeights result{};
    if (!classifyHolding(hero, board)) return result;
    const CardMask dead = hero | board;
    BoardClassifier classifier(board);
    for (int high = 1, index = 0; high < kDeckSize; ++high) {
        for (int low = 0; low < high; ++low, ++index) {
            const auto slot = static_cast<std::size_t>(index);
            const double weight = usableWeight(villain[slot]);
            const CardMask holding = maskOf(high) | maskOf(low);
            if (weight == 0.0 || (holding & dead) != 0) continue;
            const HoldingClasses classes = classifier.classify(holding);
            const bool madeKept = kept.test(static_cast<std::size_t>(classes.Made));
            const bool drawKept = classes.Draw && kept.test(static_cast<std::size_t>(*classes.Draw));
            if (madeKept || drawKept) result[slot] = weight;
        }
    }
    return result;
}

std::string keptClassesText(KeptClasses kept) {
    std::string text;
    for (int row = 0; row < kBoardClassCount; ++row) {
        if (!kept.test(static_cast<std::size_t>(row))) continue;
        if (!text.empty()) text += ", ";
        text += boardClassName(static_cast<BoardClass>(row));
    }
    return text.empty() ? "nothing" : text;
}

} // namespace tavolin::equity
