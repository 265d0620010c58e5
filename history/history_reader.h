#pragma once

#include "equity/holdings.h"
#include "history/hand.h"
#include "history/hand_builder.h"
#include "history/hand_record.h"
#include "history/line_reader.h"
#include "history/skip.h"

#include <istream>
#include <optional>
#include <variant>
#include <vector>

namespace tavolin::history {

// A hand of more lines or bytes than these is skipped; its lines are counted, not kept.
inline constexpr std::size_t kMaxHandLines = 1000;
inline constexpr std::size_t kMaxHandBytes = 256 * 1024;

enum class HistoryFormat { kUnknown, kText, kOpenHandHistory };

// Reads a hand-history stream one hand at a time, holding no more than one hand: the text format (hands
// one after another, with or without blank lines between) or Open Hand History (one object per line or
// per blank-line block), told apart by the first character. Every hand, and every stretch of text that is
// no hand, comes out once, read or skipped with the reason.
class HistoryReader {
public:
    // Decisions are weighed against `villainRange` when given (it must outlive the reader), as `weigh` says.
    explicit HistoryReader(std::istream& in, const equity::HoldingWeights* villainRange = nullptr,
                           Weigh weigh = Weigh::kEveryDecision)
        : Lines(in), VillainRange(villainRange), Weighing(weigh) {}

    std::optional<std::variant<Hand, Skip>> next();
    // The same hands before the hero's view: every player's money, whatever the game.
    std::optional<std::variant<HandRecord, Skip>> nextRecord();

private:
    std::optional<Line> nextLine();
    std::optional<std::variant<HandRecord, Skip>> nextTextHand();
    std::optional<std::variant<HandRecord, Skip>> nextJsonHand();

    LineReader Lines;
    const equity::HoldingWeights* VillainRange;
    Weigh Weighing;
    HistoryFormat Format = HistoryFormat::kUnknown;
    std::optional<Line> Ahead; // a line read but not yet used: the next hand's header
};

} // namespace tavolin::history
