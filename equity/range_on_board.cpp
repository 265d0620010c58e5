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

using BoardShape = BoardClassifier::Shape;

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

bool hasFlushDraw(CardMask holding, CardMask board) {
    const CardMask cards = holding | board;
    bool flushDraw = false;
    for (int suit = 0; suit < 4; ++suit)
        flushDraw =
            flushDraw || (parts::rankCount(suitRanks(cards, suit)) == 4 && suitRanks(holding, suit) != 0);
    return flushDraw;
}

// The ranks of a next card that would make a straight needing a hole card, with `ranks` held in all.
int straightRanksOf(unsigned ranks, unsigned boardRanks) {
    int straightRanks = 0;
    for (unsigned missing = parts::kAllRanks & ~ranks; missing != 0; missing &= missing - 1) {
        const unsigned next = missing & (0U - missing);
        straightRanks += (kStraightWindows[ranks | next] & ~kStraightWindows[boardRanks | next]) != 0;
    }
    return straightRanks;
}

// Draws of a holding without a straight or better; rows exclusive, a flush draw with a straight draw a combo.
std::optional<BoardClass> drawClass(bool flushDraw, int straightRanks) {
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
    BoardClassifier classifier(board);
    result.HasDraws = std::popcount(board) < 5;
    const HandValue heroValue = classifier.valueOf(hero);
    const CardMask dead = hero | board;
    forEachLiveHolding(villain, dead, [&](int, CardMask holding, double weight) {
        const double beats = classifier.valueOf(holding) > heroValue ? weight : 0.0;
        result.Holdings += weight;
        const HoldingClasses classes = classifier.classify(holding);
        for (const auto row : {std::optional(classes.Made), classes.Draw}) {
            if (!row) continue;
            auto& counted = result.Rows[static_cast<std::size_t>(*row)];
            counted.Holdings += weight;
            counted.BeatHero += beats;
        }
    });
    for (auto& row : result.Rows)
        row.Share = result.Holdings > 0.0 ? row.Holdings / result.Holdings : 0.0;
    return result;
}

std::optional<HoldingClasses> classifyHolding(CardMask holding, CardMask board) {
    if (!detail::isValidSpot(holding, board)) return std::nullopt;
    return BoardClassifier(board).classify(holding);
}

BoardClassifier::BoardClassifier(CardMask board) : Board(boardShape(board)), Draws(std::popcount(board) < 5) {
    for (int suit = 0; suit < kSuitCount; ++suit)
        if (parts::rankCount(suitRanks(board, suit)) >= 3) FlushSuit = suit;
}

const BoardClassifier::PairFacts& BoardClassifier::factsOf(CardMask holding) {
    const int highRank = (std::bit_width(holding) - 1) % 13;
    const int lowRank = std::countr_zero(holding) % 13;
    PairFacts& facts = Facts[static_cast<std::size_t>(detail::rankPair(highRank, lowRank))];
    if (facts.Known) return facts;
    facts.Known = true;
    parts::RankLayers layers = parts::layersOfSuits(suitRanks(Board.Cards, 0), suitRanks(Board.Cards, 1),
                                                    suitRanks(Board.Cards, 2), suitRanks(Board.Cards, 3));
    layers.add(highRank);
    layers.add(lowRank);
    facts.Value = parts::rankValue(layers);
    facts.StraightRanks = straightRanksOf(Board.Ranks | 1U << highRank | 1U << lowRank, Board.Ranks);
    return facts;
}

// Five of a suit among seven cards leave no full house or four of a kind, so a flush is the hand.
HandValue BoardClassifier::valueOf(CardMask holding) {
    if (FlushSuit >= 0) {
        const unsigned suited = suitRanks(Board.Cards | holding, FlushSuit);
        if (parts::rankCount(suited) >= 5) return parts::flushValue(suited);
    }
    return factsOf(holding).Value;
}

HoldingClasses BoardClassifier::classify(CardMask holding) {
    const HandValue value = valueOf(holding);
    HoldingClasses classes;
    classes.Made = madeClass(value, holding, Board);
    if (Draws && categoryOf(value) < HandCategory::kStraight)
        classes.Draw = drawClass(hasFlushDraw(holding, Board.Cards), factsOf(holding).StraightRanks);
    return classes;
}

} // namespace tavolin::equity
