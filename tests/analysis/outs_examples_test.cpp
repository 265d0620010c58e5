#include "analysis/analyse_hand.h"
#include "practice/straight_examples.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tavolin {
namespace {

struct WorkedExample {
    std::string Hole;
    std::string Board;
    float Outs = 0.0f;
};

// "Ad 7d-3s 4c 5h Sol: 6 outs (6-2 outs)": hole cards, board up to " Sol: ", then the expected total.
WorkedExample parseExample(std::string_view text) {
    constexpr std::string_view kSolution = " Sol: ";
    const std::size_t solution = text.find(kSolution);
    WorkedExample example;
    example.Hole = std::string(text.substr(0, 5));
    example.Board = std::string(text.substr(6, solution - 6));
    example.Outs = std::stof(std::string(text.substr(solution + kSolution.size())));
    return example;
}

TEST(OutsWorkedExamples, EveryStraightDrawExampleGetsItsStatedTotal) {
    int checked = 0;
    for (const std::string_view text : kStraightExamples) {
        WorkedExample example = parseExample(text);
        AnalysisContext ctx;
        ASSERT_FALSE(analyseHand(ctx, example.Hole, example.Board, AnalysisArguments{}).empty()) << text;
        EXPECT_EQ(ctx.Outs, example.Outs) << text << "\n" << ctx.OutsText;
        ++checked;
    }
    EXPECT_EQ(checked, 96);
}

} // namespace
} // namespace tavolin
