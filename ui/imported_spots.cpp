#include "ui/imported_spots.h"

#include "cards/card_text.h"
#include "history/replay.h"
#include "practice/board_kind.h"
#include "practice/closeness.h"
#include "practice/spot_reading.h"
#include "practice/strength_tier.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"

#include <array>
#include <cmath>

namespace tavolin {
namespace {

// The kinds overlap; the journal keeps the most telling one.
constexpr std::array kKindOrder{practice::BoardKind::kFlush, practice::BoardKind::kPaired,
                                practice::BoardKind::kCoordinated, practice::BoardKind::kDry};
constexpr std::array<const char*, 4> kStreetNames{"preflop", "flop", "turn", "river"};

practice::Spot cardsOnly(const history::Hand& hand, const history::Decision& decision) {
    practice::Spot spot;
    std::size_t at = 0;
    for (const Card card : cardsIn(hand.Hole))
        if (at < spot.Hole.size()) spot.Hole[at++] = card.index();
    at = 0;
    for (const Card card : cardsIn(decision.Board))
        if (at < spot.Board.size()) spot.Board[at++] = card.index();
    spot.BoardCount = static_cast<int>(at);
    return spot;
}

} // namespace

journal::SpotRecord importedSpot(const history::Hand& hand, const history::Decision& decision,
                                 int preflopProfile) {
    const double unit = history::wholeUnits(hand) ? history::kMoneyScale : 1;
    const auto amount = [unit](history::Money money) { return static_cast<double>(money) / unit; };
    const practice::SpotReading reading = practice::readSpot(cardsOnly(hand, decision));
    std::string kind;
    for (const practice::BoardKind candidate : kKindOrder)
        if (kind.empty() && practice::textureIsOfKind(reading.Texture, candidate))
            kind = practice::boardKindName(candidate);
    const auto tier = practice::tierOfLabel(reading.StrengthLabel);
    std::string closeness;
    if (decision.Equity && decision.Price) {
        const double points = 100.0 * (*decision.Equity - *decision.Price);
        for (const practice::ClosenessBand& band : practice::kClosenessBands)
            if (points >= band.Low && points < band.High) closeness = band.Name;
    }
    return {cardNames(hand.Hole),
            cardNames(decision.Board),
            amount(decision.Pot - decision.HeroBet - decision.VillainBet),
            amount(decision.HeroBet),
            amount(decision.VillainBet),
            amount(decision.Stack),
            std::string(ranges::profileName(preflopProfile)),
            ranges::rangeText(ranges::profileRange(preflopProfile)),
            kStreetNames[static_cast<std::size_t>(decision.OnStreet)],
            kind,
            "imported",
            tier ? std::string(practice::tierName(*tier)) : std::string(),
            closeness,
            decision.Equity};
}

Queued queueFlagged(journal::Journal& journal, std::int64_t& session, const history::Hand& hand,
                    int preflopProfile, journal::Time now) {
    Queued queued;
    for (const history::Decision& decision : hand.Decisions) {
        if (!decision.Flagged) continue;
        const std::int64_t spot = journal.spotId(importedSpot(hand, decision, preflopProfile));
        if (spot != 0 && journal.reviewState(spot)) {
            ++queued.Already;
            continue;
        }
        if (spot != 0 && session == 0) session = journal.startSession(now, "tavolin");
        const bool called = decision.Action == history::Move::kCall;
        const journal::AnswerRecord missed{
            "decision", called ? "call" : "fold", called ? "fold" : "call", false, std::nullopt, 0.0, now};
        if (spot == 0 || session == 0 ||
            journal.record(session, spot, missed) == journal::Recorded::kFailed) {
            queued.Error = journal.lastError();
            return queued;
        }
        ++queued.Added;
    }
    return queued;
}

} // namespace tavolin
