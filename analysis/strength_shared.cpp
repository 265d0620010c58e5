#include "analysis/strength_shared.h"

namespace tavolin {

KickerLadder kickerLadder(std::span<const int> ranksHighestFirst) {
    KickerLadder ladder;
    for (const int rank : ranksHighestFirst) {
        if (rank == ladder.L1) {
            --ladder.L1;
            --ladder.L2;
            --ladder.L3;
        } else if (rank == ladder.L2) {
            --ladder.L2;
            --ladder.L3;
        } else if (rank == ladder.L3) {
            --ladder.L3;
        }
    }
    return ladder;
}

namespace {

// Board card i, counted from the lowest.
int boardRank(const AnalysisContext& ctx, int i) {
    return ctx.BoardRanks[static_cast<std::size_t>(i)];
}

} // namespace

StrengthRules::StrengthRules(AnalysisContext& ctx)
    : made(ctx.Made), n(ctx.BoardCount), top(boardRank(ctx, n)), second(boardRank(ctx, n - 1)),
      third(boardRank(ctx, n - 2)), h1(ctx.HoleRanks[1]), h2(ctx.HoleRanks[2]), pocket(h1 == h2),
      S(ctx.StraightCoor), F(ctx.FlushCoor), ST(ctx.Made.StraightTop[kHand]),
      SB(ctx.Made.StraightTop[kBoard]), SW1(ctx.StraightWindows[1]), SW2(ctx.StraightWindows[2]),
      SSW1(ctx.SuitedStraightWindows[1]), SSW2(ctx.SuitedStraightWindows[2]), ctx_(ctx) {}

bool StrengthRules::step(bool holds, std::string_view label) {
    if (holds) ctx_.StrengthLabel = label;
    return holds;
}

bool StrengthRules::firstOf(std::initializer_list<Alternative> alternatives) {
    for (const Alternative& alternative : alternatives) {
        if (step(alternative.Holds, alternative.Label)) return true;
    }
    return false;
}

void StrengthRules::highCardTest(HighCardWording wording) {
    const bool weak = wording == HighCardWording::kWeak;
    firstOf({{h2 > made.HighCard[kBoard] && made.HighCard[kHand] == 14,
              weak ? "WEAK: HIGH CARD A" : "NOTHING: HIGH CARD A"},
             {made.HighCard[kBoard] == 14 && h2 == 13,
              weak ? "WEAK: HIGH CARD K WITH A ON BOARD" : "NOTHING: HIGH CARD K WITH A ON BOARD"}});
}

KickerLadder StrengthRules::boardLadder() const {
    std::array<int, 5> highestFirst{};
    int count = 0;
    for (int i = n; i >= 1; --i)
        highestFirst[static_cast<std::size_t>(count++)] = boardRank(ctx_, i);
    return kickerLadder(std::span<const int>(highestFirst.data(), static_cast<std::size_t>(count)));
}

int StrengthRules::pairKicker() const {
    return h1 != made.PairRank[kHand] ? h1 : h2;
}

int StrengthRules::topPairKicker() const {
    return h1 != made.DPHigh[kHand] ? h1 : h2;
}

int StrengthRules::midPairKicker() const {
    return h1 != made.DPHigh[kHand] && h1 != made.DPLow[kHand] ? h1 : h2;
}

std::array<int, 7> flushLadder(const AnalysisContext& ctx) {
    std::array<int, 7> ladder{0, 14, 13, 12, 11, 10, 9};
    for (int i = ctx.BoardCount; i >= 1; --i) {
        const int rank = ctx.FlushCoorRanks[static_cast<std::size_t>(i)];
        for (std::size_t j = 1; j <= 6; ++j) {
            if (rank != ladder[j]) continue;
            for (std::size_t lowered = j; lowered <= 6; ++lowered)
                --ladder[lowered];
        }
    }
    return ladder;
}

void readHeroFlushHigh(AnalysisContext& ctx) {
    const auto& suit = ctx.HoleMatrix[static_cast<std::size_t>(ctx.FlushCoorSuit)];
    const int low = ctx.HoleRanks[1];
    const int high = ctx.HoleRanks[2];
    const bool lowSuited = suit[static_cast<std::size_t>(low)] == 1;
    const bool highSuited = suit[static_cast<std::size_t>(high)] == 1;
    if (!lowSuited && highSuited) {
        ctx.HeroFlushHigh = high;
    } else if (!highSuited && lowSuited) {
        ctx.HeroFlushHigh = low;
    } else if (lowSuited && highSuited) {
        ctx.HeroFlushHigh = maxInteger(low, high);
    }
}

void StrengthRules::flushRank() {
    const std::array<int, 7> fl = flushLadder(ctx_);
    readHeroFlushHigh(ctx_);
    const int hf = ctx_.HeroFlushHigh;
    const std::int32_t flush = made.FlushValue[kHand];
    const bool straightFlushWindow = SSW1 > 0 || SSW2 > 0;
    firstOf({{flush == made.FlushValue[kBoard] && flush > 0, "NOTHING: FLUSH ON BOARD"},
             {flush > 0 && F < 3 && hf <= fl[6], "WEAK: 6TH OR WORST FLUSH"},
             {flush > 0 && hf < fl[2], "MEDIUM: 3RD TO 5TH FLUSH"},
             {flush > 0 && hf == fl[2], "STRONG: 2ND FLUSH"},
             {flush > 0 && hf == fl[1],
              straightFlushWindow ? "VERY STRONG: 1ST FLUSH" : "NUTS ON HAND: 1ST FLUSH"}});
}

bool StrengthRules::bestStraightFlushOnHand() const {
    const int heroTop = made.StraightFlushTop[kHand];
    return heroTop > 0 &&
           ((S == 2 && SSW1 > 0 && heroTop >= SSW1) || (S == 1 && SSW2 > 0 && heroTop >= SSW2));
}

} // namespace tavolin
