#include "analysis/made_hand.h"
#include "cards/card_text.h"

#include <array>
#include <string_view>

namespace tavolin {
namespace {

bool isRank(int rank) {
    return rank >= 2 && rank <= 14;
}

// Ranks 10 to 14 print as their card letter.
std::string rankText(int rank) {
    if (rank >= 10 && rank <= kAce) return std::string(1, rankLetter(rank));
    return std::to_string(rank);
}

std::string suitName(int suit) {
    constexpr std::array<std::string_view, 5> kNames{"", "Spades", "Hearts", "Clubs", "Diamonds"};
    return suit >= 1 && suit <= 4 ? std::string(kNames[static_cast<std::size_t>(suit)]) : std::string();
}

std::string straightName(int top) {
    if (top == 5) return "Straight from A to 5";
    if (top == 14) return "Straight from T to A";
    return "Straight from " + rankText(top - 4) + " to " + rankText(top);
}

std::string straightFlushName(int top, const std::string& suit) {
    if (top == 5) return "Flush Straight of " + suit + " from A to 5";
    if (top == 13) return "Flush Straight from 9 to K";
    if (top == 14) return "Jackpot!!! Royal flush straight!!!";
    return "Flush Straight of " + suit + " from " + rankText(top - 4) + " to " + rankText(top);
}

} // namespace

// Categories are tried from the weakest up and each one replaces the name, so the best one stays.
void nameMadeHand(AnalysisContext& ctx) {
    const MadeHand& made = ctx.Made;
    std::string& name = ctx.MadeHandName;
    const auto withKicker = [&name](int kicker) {
        if (isRank(kicker)) name += " with Kicker " + rankText(kicker);
    };

    name = "NOTHING";
    if (isRank(made.HighCard[kHand])) name = "High " + rankText(made.HighCard[kHand]);
    if (isRank(made.PairRank[kHand])) name = "Pair of " + rankText(made.PairRank[kHand]) + "'s";
    withKicker(made.PairKicker[kHand]);
    if (isRank(made.DPHigh[kHand])) name = "DP of " + rankText(made.DPHigh[kHand]) + "'s";
    if (isRank(made.DPLow[kHand])) name += " and " + rankText(made.DPLow[kHand]) + "'s";
    withKicker(made.DPKicker[kHand]);
    if (isRank(made.TripsRank[kHand])) {
        const bool pocketPair = ctx.HoleRanks[1] == ctx.HoleRanks[2];
        name = (pocketPair ? "Set of " : "Three of a kind of ") + rankText(made.TripsRank[kHand]) + "'s";
    }
    withKicker(made.TripsKicker[kHand]);
    if (made.StraightTop[kHand] >= 5 && made.StraightTop[kHand] <= 14)
        name = straightName(made.StraightTop[kHand]);
    if (made.FlushValue[kHand] >= 1) {
        ctx.SuitName = suitName(made.FlushSuit[kHand]);
        name = "Flush of " + ctx.SuitName + " High Card " + rankText(made.FlushValue[kHand] / 100'000'000);
    }
    if (made.FullTrips[kHand] >= 1) {
        name = "Full house of " + rankText(made.FullTrips[kHand]) + "'s";
        if (isRank(made.FullPair[kHand])) name += " over " + rankText(made.FullPair[kHand]) + "'s";
    }
    if (isRank(made.PokerRank[kHand])) name = "Poker of " + rankText(made.PokerRank[kHand]) + "'s";
    withKicker(made.PokerKicker[kHand]);
    if (made.StraightFlushTop[kHand] >= 1) {
        ctx.SuitName = suitName(made.FlushSuit[kHand]);
        name = straightFlushName(made.StraightFlushTop[kHand], ctx.SuitName);
    }
}

} // namespace tavolin
