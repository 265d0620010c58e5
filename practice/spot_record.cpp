#include "practice/spot_record.h"

#include "cards/card_text.h"
#include "practice/board_kind.h"
#include "practice/closeness.h"
#include "practice/spot_dealer.h"
#include "practice/strength_tier.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"

#include <array>
#include <sstream>
#include <vector>

namespace tavolin::practice {
namespace {

// The kinds overlap; the journal keeps the most telling one.
constexpr std::array kKindOrder{practice::BoardKind::kFlush, practice::BoardKind::kPaired,
                                practice::BoardKind::kCoordinated, practice::BoardKind::kDry};

std::optional<std::vector<int>> cardIndexes(const std::string& text) {
    std::vector<int> cards;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const auto card = readCard(word);
        if (!card) return std::nullopt;
        cards.push_back(card->index());
    }
    return cards;
}

} // namespace

journal::SpotRecord spotRecord(const Spot& spot, const SpotReading& reading, std::string_view source,
                               double equity) {
    std::string kind;
    for (const practice::BoardKind candidate : kKindOrder) {
        if (kind.empty() && practice::textureIsOfKind(reading.Texture, candidate))
            kind = practice::boardKindName(candidate);
    }
    const auto tier = practice::tierOfLabel(reading.StrengthLabel);
    return {practice::holeText(spot),
            practice::boardText(spot),
            static_cast<double>(spot.Pot),
            0.0,
            static_cast<double>(spot.VillainBet),
            static_cast<double>(spot.Stack),
            std::string(ranges::profileName(spot.PreflopProfile)),
            ranges::rangeText(ranges::profileRange(spot.PreflopProfile)),
            std::string(practice::streetName(practice::streetOf(spot))),
            kind,
            std::string(source),
            tier ? std::string(practice::tierName(*tier)) : std::string(),
            std::string(practice::closenessOf(spot, equity).Name),
            equity};
}

std::optional<Spot> spotOfRecord(const journal::SpotRecord& record) {
    const auto hole = cardIndexes(record.Hole);
    const auto board = cardIndexes(record.Board);
    if (!hole || !board || hole->size() != 2 || board->size() < 3 || board->size() > 5 || record.Pot < 1 ||
        record.HeroBet != 0)
        return std::nullopt;
    Spot spot;
    std::copy(hole->begin(), hole->end(), spot.Hole.begin());
    std::copy(board->begin(), board->end(), spot.Board.begin());
    spot.BoardCount = static_cast<int>(board->size());
    spot.Pot = static_cast<int>(record.Pot);
    spot.VillainBet = static_cast<int>(record.VillainBet);
    spot.Stack = static_cast<int>(record.Stack);
    for (int profile = 0; profile < ranges::kProfileCount; ++profile) {
        if (ranges::profileName(profile) == record.RangeName) {
            spot.PreflopProfile = profile;
            return spot;
        }
    }
    return std::nullopt;
}

} // namespace tavolin::practice
