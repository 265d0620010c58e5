#include "equity/range_on_board.h"

#include "equity/hand_value_parts.h"
#include "equity/runout_tally.h"

#include <optional>

namespace tavolin::equity {
namespace {

constexpr std::array<std::string_view, kBoardClassCount> kClassNames{
    "straight flush", "four of a kind",
    "full house",     "flush",
    "straight",       "three of a kind",
    "two pair",       "overpair",
    "top pair",       "second pair",
    "weaker pair",    "no pair",
    "flush draw",     "open-ended straight draw",
    "gutshot",        "combo draw"};

// For each rank mask: one bit per five-rank straight it holds, the five-high straight bit 0.
constexpr std::array<std::uint16_t, parts::kAllRanks + 1> kStraightWindows = [] {
    std::array<std::uint16_t, parts::kAllRanks + 1> windows{};
    constexpr unsigned kWheel = (1U << 12) | 0xFU;
    for (unsigned mask = 0; mask <= parts::kAllRanks; ++mask) {
        unsigned bits = (mask & kWheel) == kWheel ? 1U : 0U;
        for (int low = 0; low + 5 <= parts::kRankCount; ++low) {
            if (((mask >> low) & 0x1FU) == 0x1FU) bits |= 1U << (low + 1);
        }
        windows[mask] = static_cast<std::uint16_t>(bits);
    }
    return windows;
}();

// What the board is, for every holding.
struct BoardShape {
    unsigned Ranks = 0;
    int TopRank = 0;
    int SecondRank = -1; // the second-highest distinct rank
    CardMask Cards = 0;
};

BoardShape boardShape(CardMask board) {
    BoardShape shape;
    shape.Cards = board;
    shape.Ranks = parts::layersOfSuits(suitRanks(board, 0), suitRanks(board, 1), suitRanks(board, 2),
                                       suitRanks(board, 3))
                      .AtLeast[0];
    shape.TopRank = std::bit_width(shape.Ranks) - 1;
    shape.SecondRank = std::bit_width(shape.Ranks & ~(1U << shape.TopRank)) - 1;
    return shape;
}

BoardClass madeClass(HandValue value, CardMask holding, const BoardShape& board) {
    switch (categoryOf(value)) {
    case HandCategory::kStraightFlush:
        return BoardClass::kStraightFlush;
    case HandCategory::kFourOfAKind:
        return BoardClass::kFourOfAKind;
    case HandCategory::kFullHouse:
        return BoardClass::kFullHouse;
    case HandCategory::kFlush:
        return BoardClass::kFlush;
    case HandCategory::kStraight:
        return BoardClass::kStraight;
    case HandCategory::kThreeOfAKind:
        return BoardClass::kThreeOfAKind;
    case HandCategory::kTwoPair:
        return BoardClass::kTwoPair;
    case HandCategory::kHighCard:
        return BoardClass::kNoPair;
    case HandCategory::kPair:
        break;
    }
    const unsigned holeRanks = parts::layersOfSuits(suitRanks(holding, 0), suitRanks(holding, 1),
                                                    suitRanks(holding, 2), suitRanks(holding, 3))
                                   .AtLeast[0];
    const int pairRank = static_cast<int>((value >> 12) & 0xFU);
    if ((holeRanks & (1U << pairRank)) == 0) return BoardClass::kNoPair;
    const bool pocketPair = std::popcount(holeRanks) == 1;
    if (pocketPair) return pairRank > board.TopRank ? BoardClass::kOverpair : BoardClass::kWeakerPair;
    if (pairRank == board.TopRank) return BoardClass::kTopPair;
    return pairRank == board.SecondRank ? BoardClass::kSecondPair : BoardClass::kWeakerPair;
}

// Draws of a holding without a straight or better; rows exclusive, a flush draw with a straight draw a combo.
std::optional<BoardClass> drawClass(CardMask holding, const BoardShape& board) {
    const CardMask cards = holding | board.Cards;
    bool flushDraw = false;
    for (int suit = 0; suit < 4; ++suit)
        flushDraw =
            flushDraw || (parts::rankCount(suitRanks(cards, suit)) == 4 && suitRanks(holding, suit) != 0);
    const unsigned ranks = parts::layersOfSuits(suitRanks(cards, 0), suitRanks(cards, 1), suitRanks(cards, 2),
                                                suitRanks(cards, 3))
                               .AtLeast[0];
    int straightRanks = 0;
    for (unsigned missing = parts::kAllRanks & ~ranks; missing != 0; missing &= missing - 1) {
        const unsigned next = missing & (0U - missing);
        straightRanks += (kStraightWindows[ranks | next] & ~kStraightWindows[board.Ranks | next]) != 0;
    }
    if (flushDraw && straightRanks > 0) return BoardClass::kComboDraw;
    if (flushDraw) return BoardClass::kFlushDraw;
    if (straightRanks >= 2) return BoardClass::kOpenEnded;
    if (straightRanks == 1) return BoardClass::kGutshot;
    return std::nullopt;
}

} // namespace

std::string_view boardClassName(BoardClass boardClass) {
    const auto index = static_cast<std::size_t>(boardClass);
    return index < kClassNames.size() ? kClassNames[index] : std::string_view{};
}

RangeOnBoard rangeOnBoard(CardMask hero, CardMask board, const HoldingWeights& villain) {
    RangeOnBoard result;
    if (!detail::isValidSpot(hero, board)) return result;
    const BoardShape shape = boardShape(board);
    result.HasDraws = std::popcount(board) < 5;
    const HandValue heroValue = handValue(hero | board);
    const CardMask dead = hero | board;
    for (int index = 0; index < kHoldingCount; ++index) {
        const double weight = usableWeight(villain[static_cast<std::size_t>(index)]);
        const CardMask holding = holdingMask(index);
        if (weight == 0.0 || (holding & dead) != 0) continue;
        const HandValue value = handValue(holding | board);
        const double beats = value > heroValue ? weight : 0.0;
        result.Holdings += weight;
        auto& made = result.Rows[static_cast<std::size_t>(madeClass(value, holding, shape))];
        made.Holdings += weight;
        made.BeatHero += beats;
        if (!result.HasDraws || categoryOf(value) >= HandCategory::kStraight) continue;
        if (const auto draw = drawClass(holding, shape)) {
            auto& row = result.Rows[static_cast<std::size_t>(*draw)];
            row.Holdings += weight;
            row.BeatHero += beats;
        }
    }
    for (auto& row : result.Rows)
        row.Share = result.Holdings > 0.0 ? row.Holdings / result.Holdings : 0.0;
    return result;
}

std::optional<HoldingClasses> classifyHolding(CardMask holding, CardMask board) {
    if (!detail::isValidSpot(holding, board)) return std::nullopt;
    const BoardShape shape = boardShape(board);
    const HandValue value = handValue(holding | board);
    HoldingClasses classes;
    classes.Made = madeClass(value, holding, shape);
    if (std::popcount(board) < 5 && categoryOf(value) < HandCategory::kStraight)
        classes.Draw = drawClass(holding, shape);
    return classes;
}

} // namespace tavolin::equity
