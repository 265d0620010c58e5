// The batch's equity figures beside the libraries that make them: the hero range's grid, the multiway
// equity, the range that bets, the classes kept, and the dealt spots' closeness.
#include "cli/batch.h"
#include "cli/deal.h"
#include "equity/betting_range.h"
#include "equity/exact_equity.h"
#include "equity/multiway_equity.h"
#include "equity/range_equity.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace tavolin::cli {
namespace {

using nlohmann::json;

json figuresOf(const std::string& line) {
    const json answer = json::parse(answerBatchLine(line, "."));
    EXPECT_TRUE(answer.contains("equity")) << answer.dump();
    return answer.value("equity", json::object());
}

equity::HoldingWeights rangeOf(const std::string& text) {
    return ranges::readRange(text).Weights;
}

CardMask cards(const char* text) {
    return *readCardList(text);
}

// Every cell of the grid with live holdings, in the grid's order, with the library's figures for it.
TEST(EquityFigures, HeroRangeGridIsTheLibrarysCellByCell) {
    const std::string heroText = "77+, A9s+, KTs+, QJs, AJo+, KQo";
    const json figures = figuresOf(R"({"hole":"Ad 7d","board":"Qh 7h 2c 9s","heroRange":")" + heroText +
                                   R"(","range":"TT+, AQs+, AKo, 98s"})");
    const equity::RangeEquity library =
        equity::rangeEquity(rangeOf(heroText), rangeOf("TT+, AQs+, AKo, 98s"), cards("Qh 7h 2c 9s"));
    EXPECT_DOUBLE_EQ(figures["heroRange"]["equity"], library.Equity);
    EXPECT_DOUBLE_EQ(figures["heroRange"]["holdings"], library.HeroWeight);
    std::size_t next = 0;
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column) {
            const ranges::StartingHand hand = ranges::gridHand(row, column);
            const equity::CellEquity cell = equity::cellEquity(library, hand.High, hand.Low, hand.Suited);
            if (cell.Holdings <= 0.0) continue;
            ASSERT_LT(next, figures["grid"].size());
            const json& entry = figures["grid"][next++];
            EXPECT_EQ(entry["hand"], ranges::startingHandName(hand));
            EXPECT_DOUBLE_EQ(entry["holdings"], cell.Holdings);
            EXPECT_DOUBLE_EQ(entry["equity"], cell.Equity);
        }
    }
    EXPECT_EQ(next, figures["grid"].size());
}

// Two and three villains against the library, exact on a river, sampled on a flop with the same seed.
TEST(EquityFigures, MultiwayIsTheLibrarys) {
    for (const auto& [board, texts] :
         {std::pair<std::string, std::vector<std::string>>{"Qh 7h 2c 9s 3d", {"TT+, AQs+", "77-99, KQs"}},
          {"Qh 7h 2c", {"TT+, AQs+", "22+, ATs+", "random"}}}) {
        json line{{"hole", "Kh Qd"}, {"board", board}, {"ranges", texts}};
        const json multiway = figuresOf(line.dump())["multiway"];
        std::vector<equity::HoldingWeights> villains;
        for (const std::string& text : texts)
            villains.push_back(rangeOf(text));
        const equity::MultiwayEquity library =
            equity::multiwayEquity(cards("Kh Qd"), cards(board.c_str()), villains);
        EXPECT_EQ(multiway["exact"], library.Exact) << board;
        const double margin = library.Exact ? 1e-12 : 4 * library.StdError;
        EXPECT_NEAR(multiway["equity"], library.Equity, margin) << board;
        EXPECT_NEAR(multiway["win"].get<double>() + multiway["tie"].get<double>(), library.Win + library.Tie,
                    2 * margin);
    }
    EXPECT_TRUE(json::parse(answerBatchLine(R"({"hole":"Kh Qd","board":"Qh 7h 2c","ranges":["AA"]})", "."))
                    .contains("error"));
}

// The range that bets is the library's, and the board rows' equities add up to the range's: the made rows
// split the range, and every live holding meets the same number of runouts.
TEST(EquityFigures, BettingRangeAndRowEquitiesAgreeWithTheRange) {
    for (const char* board : {"Jh 7h 2c", "Jh 7h 2c 9s", "Jh 7h 2c 9s 2d"}) {
        const json figures = figuresOf(std::string(R"({"hole":"Kh Qh","board":")") + board +
                                       R"(","pot":100,"villainBet":60,"stack":500,"equity":true})");
        const equity::HoldingWeights range = ranges::profileRange(1);
        const equity::BettingRange betting =
            equity::bettingRange(cards("Kh Qh"), cards(board), range, 100, 60);
        EXPECT_DOUBLE_EQ(figures["betting"]["holdings"], betting.Holdings) << board;
        EXPECT_DOUBLE_EQ(figures["betting"]["equity"],
                         equity::exactEquity(cards("Kh Qh"), cards(board), betting.Weights).Equity);
        EXPECT_EQ(figures["betting"]["model"], betting.Model);
        const equity::HoldingWeights readBack = rangeOf(figures["betting"]["text"]);
        for (std::size_t i = 0; i < readBack.size(); ++i)
            EXPECT_NEAR(readBack[i], betting.Weights[i], 0.005 + 1e-9);
        double weighted = 0.0;
        for (int row = 0; row < equity::kMadeClassCount; ++row) {
            const json& entry = figures["board"][static_cast<std::size_t>(row)];
            if (entry["holdings"] > 0.0)
                weighted += entry["holdings"].get<double>() * entry["heroEquity"].get<double>();
        }
        EXPECT_NEAR(weighted / figures["range"]["holdings"].get<double>(), figures["range"]["equity"], 1e-9);
    }
}

// Keeping every made class keeps the whole live range; keeping one keeps that row's holdings; a wrong name is
// refused.
TEST(EquityFigures, KeepNarrowsByTheBoardsClasses) {
    const std::string hand = R"({"hole":"Kh Qh","board":"Jh 7h 2c 9s","equity":true)";
    const json whole = figuresOf(hand + "}");
    json everyMade = json::array();
    for (int row = 0; row < equity::kMadeClassCount; ++row)
        everyMade.push_back(equity::boardClassName(static_cast<equity::BoardClass>(row)));
    json kept = figuresOf(hand + R"(,"keep":)" + everyMade.dump() + "}")["range"];
    json all = whole["range"];
    kept.erase("text"); // the kept range names only live holdings
    all.erase("text");
    EXPECT_EQ(kept, all);
    const json topPair = figuresOf(hand + R"(,"keep":["top pair"]})");
    for (const json& row : whole["board"]) {
        if (row["class"] == "top pair") {
            EXPECT_DOUBLE_EQ(topPair["range"]["holdings"], row["holdings"]);
            EXPECT_DOUBLE_EQ(topPair["range"]["equity"], row["heroEquity"]);
        }
    }
    EXPECT_TRUE(json::parse(answerBatchLine(hand + R"(,"keep":["top pairs"]})", ".")).contains("error"));
}

// Dealt spots make the call close against the range that bets: half within 5 points, four in five within
// 12, and --close all within 5.
TEST(EquityFigures, DealtSpotsAreCloseCalls) {
    for (const auto closeBet : {practice::Closeness::kWithin12, practice::Closeness::kWithin5}) {
        DealRequest request;
        request.Count = 40;
        request.Filter.CloseBet = closeBet;
        std::ostringstream spots;
        writeDeal(request, spots);
        std::istringstream lines(spots.str());
        int within5 = 0, within12 = 0;
        for (std::string line; std::getline(lines, line);) {
            const json spot = json::parse(line);
            line.back() = ',';
            const double bet = std::min(spot["villainBet"].get<double>(), spot["stack"].get<double>());
            const double gap = figuresOf(line + R"("equity":true})")["betting"]["equity"].get<double>() -
                               bet / (spot["pot"].get<double>() + 2 * bet);
            within5 += std::fabs(gap) <= 0.05;
            within12 += std::fabs(gap) <= 0.12;
        }
        EXPECT_GE(within5, closeBet == practice::Closeness::kWithin5 ? 40 : 20);
        EXPECT_GE(within12, 32);
    }
}

} // namespace
} // namespace tavolin::cli
