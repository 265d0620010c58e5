#include "practice/straight_drill.h"

#include "analysis/straight_examples.h"

#include <string_view>

namespace tavolin::practice {
namespace {

constexpr std::string_view kSolution = " Sol: ";

} // namespace

StraightExample straightExample(int index) {
    // "Ad 7d-3s 4c 5h Sol: 6 outs (6-2 outs)": cards three characters apart, then the solution.
    const std::string_view text = kStraightExamples[static_cast<std::size_t>(index)];
    const std::size_t solution = text.find(kSolution);
    const std::vector<Card> cards = exampleCards(text);

    StraightExample example;
    example.Cards.BoardCount = static_cast<int>(cards.size()) - 2;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i < 2)
            example.Cards.Hole[i] = cards[i].index();
        else
            example.Cards.Board[i - 2] = cards[i].index();
    }
    example.Solution = std::string(text.substr(solution + kSolution.size()));
    example.StatedOuts = std::stoi(example.Solution);
    return example;
}

} // namespace tavolin::practice
