#include "practice/straight_drill.h"

#include "cards/card_text.h"
#include "practice/straight_examples.h"

#include <string_view>

namespace tavolin::practice {
namespace {

constexpr std::string_view kSolution = " Sol: ";

} // namespace

StraightExample straightExample(int index) {
    // "Ad 7d-3s 4c 5h Sol: 6 outs (6-2 outs)": cards three characters apart, then the solution.
    const std::string_view text = kStraightExamples[static_cast<std::size_t>(index)];
    const std::size_t solution = text.find(kSolution);
    const int cardCount = static_cast<int>((solution + 1) / 3);

    StraightExample example;
    example.Cards.BoardCount = cardCount - 2;
    for (int i = 0; i < cardCount; ++i) {
        const auto read = readCard(text.substr(static_cast<std::size_t>(3 * i), 2));
        const int card = read ? read->index() : 0;
        if (i < 2)
            example.Cards.Hole[static_cast<std::size_t>(i)] = card;
        else
            example.Cards.Board[static_cast<std::size_t>(i - 2)] = card;
    }
    example.Solution = std::string(text.substr(solution + kSolution.size()));
    example.StatedOuts = std::stoi(example.Solution);
    return example;
}

} // namespace tavolin::practice
