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
    forEachLiveHolding(villain, dead, [&](int index, CardMask holding, double weight) {
        const HoldingClasses classes = classifier.classify(holding);
        const bool madeKept = kept.test(static_cast<std::size_t>(classes.Made));
        const bool drawKept = classes.Draw && kept.test(static_cast<std::size_t>(*classes.Draw));
        if (madeKept || drawKept) result[static_cast<std::size_t>(index)] = weight;
    });
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
