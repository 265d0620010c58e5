#include "equity/range_on_board.h"
#include "tests/equity/reference_evaluator.h"

#include <gtest/gtest.h>
#include <optional>

namespace tavolin::equity {
namespace {

using enum BoardClass;

unsigned ranksOf(CardMask cards) {
    unsigned ranks = 0;
    for (const Card card : cardsIn(cards))
        ranks |= 1U << card.rank();
    return ranks;
}

// The rows by their definitions, from the reference's ranking and plain rank and suit counts.
BoardClass plainMade(CardMask holding, CardMask board, const reference::HandKey& key) {
    constexpr std::array kByCategory{kNoPair, kWeakerPair, kTwoPair,     kThreeOfAKind, kStraight,
                                     kFlush,  kFullHouse,  kFourOfAKind, kStraightFlush};
    if (key[0] != 1) return kByCategory[static_cast<std::size_t>(key[0])];
    const unsigned hole = ranksOf(holding);
    const unsigned onBoard = ranksOf(board);
    const int pairRank = key[1];
    const int top = static_cast<int>(std::bit_width(onBoard)) - 1;
    if (std::popcount(hole) == 1) return pairRank > top ? kOverpair : kWeakerPair;
    if ((hole & (1U << pairRank)) == 0) return kNoPair;
    if (pairRank == top) return kTopPair;
    return pairRank == static_cast<int>(std::bit_width(onBoard & ~(1U << top))) - 1 ? kSecondPair
                                                                                    : kWeakerPair;
}

std::optional<BoardClass> plainDraw(CardMask holding, CardMask board) {
    bool flushDraw = false;
    for (int suit = 0; suit < kSuitCount; ++suit)
        flushDraw |= cardCount(suitRanks(holding | board, suit)) == 4 && suitRanks(holding, suit) != 0;
    int straightRanks = 0;
    for (int rank = kLowestRank; rank <= kAce; ++rank) {
        const unsigned next = 1U << rank;
        if ((ranksOf(holding | board) & next) != 0) continue;
        bool needsHoleCard = false;
        for (int low = 1; low + 4 <= kAce; ++low) {
            const unsigned window = 0x1FU << low;
            const auto within = [&](unsigned ranks) {
                return ((ranks | ((ranks >> kAce) & 1U) << 1) & window) == window;
            };
            needsHoleCard |= within(ranksOf(holding | board) | next) && !within(ranksOf(board) | next);
        }
        straightRanks += needsHoleCard;
    }
    if (flushDraw) return straightRanks > 0 ? kComboDraw : kFlushDraw;
    if (straightRanks > 0) return straightRanks >= 2 ? kOpenEnded : kGutshot;
    return std::nullopt;
}

// Every row, made and draw, and the weight beating the hero, against the plain classification of each live
// holding on random flops and turns (monotone and paired ones among them) and on rivers (no draws).
TEST(RangeOnBoard, EveryRowAgreesWithAPlainClassification) {
    std::mt19937_64 random(11);
    for (int round = 0; round < 90; ++round) {
        const CardMask hero = drawCards(random, 2, 0);
        const int count = 3 + round % 3;
        const CardMask board = boardOfKind(random, count, round % 5 < 2 ? round % 5 : 0, hero);
        const HoldingWeights weights = round % 2 ? anyTwoCards() : randomWeights(random);
        SCOPED_TRACE(cardNames(hero) + " " + cardNames(board));
        const reference::HandKey heroKey = reference::bestFive(hero | board).first;
        std::array<BoardClassRow, kBoardClassCount> rows{};
        for (int index = 0; index < kHoldingCount; ++index) {
            const CardMask holding = holdingMask(index);
            const double weight = weights[static_cast<std::size_t>(index)];
            if (weight == 0 || (holding & (hero | board)) != 0) continue;
            const reference::HandKey key = reference::bestFive(holding | board).first;
            const double beats = key > heroKey ? weight : 0.0;
            std::optional<BoardClass> draw;
            if (count < 5 && key[0] < 4) draw = plainDraw(holding, board);
            for (const auto row : {std::optional(plainMade(holding, board, key)), draw}) {
                if (!row) continue;
                rows[static_cast<std::size_t>(*row)].Holdings += weight;
                rows[static_cast<std::size_t>(*row)].BeatHero += beats;
            }
        }
        const RangeOnBoard range = rangeOnBoard(hero, board, weights);
        EXPECT_EQ(range.HasDraws, count < 5);
        for (std::size_t row = 0; row < kBoardClassCount; ++row) {
            EXPECT_NEAR(range.Rows[row].Holdings, rows[row].Holdings, 1e-9)
                << boardClassName(BoardClass(row));
            EXPECT_NEAR(range.Rows[row].BeatHero, rows[row].BeatHero, 1e-9)
                << boardClassName(BoardClass(row));
        }
    }
}

// One villain holding: the rows it lands in, its made row and its draw row if any.
TEST(RangeOnBoard, SortsAHoldingIntoItsRows) {
    for (const auto& [board, villain, made, draw] :
         std::initializer_list<std::tuple<const char*, const char*, BoardClass, BoardClass>>{
             {"Ks7d2c", "AhAd", kOverpair, kOverpair},     // the made row twice: no draw
             {"Ks7d2c", "QhQd", kWeakerPair, kWeakerPair}, // a pocket pair below the top card
             {"Qs9d8c", "QhJd", kTopPair, kGutshot},       // only a ten
             {"Ks7s2s", "7hAs", kSecondPair, kFlushDraw},
             {"Ks7d7c", "AhQd", kNoPair, kNoPair},    // the pair lies on the board alone
             {"7s6d3c", "9h5h", kNoPair, kOpenEnded}, // 8 and 4: a double gutshot
             {"Ks7s6c", "8s5s", kNoPair, kComboDraw},
             {"9s8s7s6d", "Ah2h", kNoPair, kNoPair},       // straights and flushes on the board alone
             {"9s8s7s6dKh", "Th2h", kStraight, kStraight}, // the river holds no draws
         }) {
        const RangeOnBoard range =
            rangeOnBoard(*readCardList("Jc4c"), *readCardList(board), onlyHolding(*readCardList(villain)));
        for (std::size_t row = 0; row < kBoardClassCount; ++row)
            EXPECT_EQ(range.Rows[row].Holdings, row == std::size_t(made) || row == std::size_t(draw))
                << board << ' ' << villain << ' ' << row;
    }
}

} // namespace
} // namespace tavolin::equity
