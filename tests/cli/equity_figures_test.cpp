// The batch's equity figures beside the libraries that make them.
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
    return json::parse(answerBatchLine(line, ".")).value("equity", json::object());
}

equity::HoldingWeights rangeOf(const std::string& text) {
    return ranges::readRange(text).Weights;
}

// The grid holds every cell with live holdings, in the grid's order, with the library's figures for it.
TEST(EquityFigures, HeroRangeGridIsTheLibrarysCellByCell) {
    const std::string hero = "77+, A9s+, KTs+, QJs, AJo+, KQo", villain = "TT+, AQs+, AKo, 98s";
    const json figures = figuresOf(R"({"hole":"Ad 7d","board":"Qh 7h 2c 9s","heroRange":")" + hero +
                                   R"(","range":")" + villain + R"("})");
    const auto library = equity::rangeEquity(rangeOf(hero), rangeOf(villain), *readCardList("Qh 7h 2c 9s"));
    EXPECT_DOUBLE_EQ(figures["heroRange"]["equity"], library.Equity);
    std::size_t next = 0;
    for (int cellIndex = 0; cellIndex < 169; ++cellIndex) {
        const ranges::StartingHand hand = ranges::gridHand(cellIndex / 13, cellIndex % 13);
        const equity::CellEquity cell = equity::cellEquity(library, hand.High, hand.Low, hand.Suited);
        if (cell.Holdings <= 0.0) continue;
        const json entry = figures["grid"].at(next++);
        EXPECT_EQ(entry, json({{"hand", ranges::startingHandName(hand)},
                               {"holdings", cell.Holdings},
                               {"equity", cell.Equity}}));
    }
    EXPECT_EQ(next, figures["grid"].size());
}

// Two villains counted exactly on a river and three sampled on a flop, as the library gives them.
TEST(EquityFigures, MultiwayIsTheLibrarys) {
    for (const auto& [board, texts] :
         {std::pair<const char*, std::vector<std::string>>{"Qh 7h 2c 9s 3d", {"TT+, AQs+", "77-99, KQs"}},
          {"Qh 7h 2c", {"TT+, AQs+", "22+, ATs+", "random"}}}) {
        const json multiway = figuresOf(json{{"hole", "Kh Qd"}, {"board", board}, {"ranges", texts}}.dump());
        std::vector<equity::HoldingWeights> villains;
        for (const std::string& text : texts)
            villains.push_back(rangeOf(text));
        const auto library = equity::multiwayEquity(*readCardList("Kh Qd"), *readCardList(board), villains);
        EXPECT_EQ(multiway["multiway"]["exact"], library.Exact) << board;
        EXPECT_NEAR(multiway["multiway"]["equity"], library.Equity,
                    library.Exact ? 1e-12 : 4 * library.StdError);
    }
}

// The range that bets is the library's, its text within the rounding of its weights; the board rows'
// equities average to the range's, as the made rows split it and every live holding meets as many runouts;
// keeping one row keeps its holdings, keeping every made row the whole range; a wrong name is refused.
TEST(EquityFigures, BettingRangeAndRowEquitiesAgreeWithTheRange) {
    std::string made = "straight flush";
    for (int row = 1; row < equity::kMadeClassCount; ++row)
        made += ", " + std::string(equity::boardClassName(static_cast<equity::BoardClass>(row)));
    for (const char* board : {"Jh 7h 2c", "Jh 7h 2c 9s", "Jh 7h 2c 9s 2d"}) {
        const std::string hand = std::string(R"({"hole":"Kh Qh","pot":100,"villainBet":60,"board":")") +
                                 board + R"(","equity":true)";
        const json figures = figuresOf(hand + "}");
        const CardMask hero = *readCardList("Kh Qh"), cards = *readCardList(board);
        const auto betting = equity::bettingRange(hero, cards, ranges::profileRange(1), 100, 60);
        EXPECT_DOUBLE_EQ(figures["betting"]["holdings"], betting.Holdings) << board;
        EXPECT_NEAR(figures["betting"]["equity"], equity::exactEquity(hero, cards, betting.Weights).Equity,
                    1e-12);
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
        const json row = figures["board"][static_cast<std::size_t>(equity::BoardClass::kTopPair)];
        const json topPair = figuresOf(hand + R"(,"keep":["top pair"]})")["range"];
        EXPECT_EQ(std::pair(topPair["holdings"], topPair["equity"]),
                  std::pair(row["holdings"], row["heroEquity"]));
        const json everyMade = figuresOf(hand + R"(,"keep":[")" + made + R"("]})")["range"];
        EXPECT_EQ(everyMade["equity"], figures["range"]["equity"]);
    }
    EXPECT_TRUE(
        json::parse(answerBatchLine(R"({"hole":"Kh Qh","board":"Jh 7h 2c","keep":["top pairs"]})", "."))
            .contains("error"));
}

// Dealt spots are close calls against the range that bets: half within 5 points of the price, four in
// five within 12, and with --close all within 5.
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
            const double bet = spot["villainBet"], price = bet / (spot["pot"].get<double>() + 2 * bet);
            line.back() = ',';
            const double gap =
                figuresOf(line + R"("equity":true})")["betting"]["equity"].get<double>() - price;
            within5 += std::fabs(gap) <= 0.05;
            within12 += std::fabs(gap) <= 0.12;
        }
        EXPECT_GE(within5, closeBet == practice::Closeness::kWithin5 ? 40 : 20);
        EXPECT_GE(within12, 32);
    }
}

} // namespace
} // namespace tavolin::cli
