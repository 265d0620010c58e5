#pragma once

#include "equity/holdings.h"
#include "history/hand.h"
#include "history/hand_record.h"
#include "history/skip.h"

#include <variant>

namespace tavolin::history {

// The hero's hand from a record: skipped when it is not hold'em or the hero's cards are unknown. With a
// villain range, every decision against one opponent gets its exact equity against that range and a
// verdict, and against two or three the equity against each of them holding a hand of it (see
// multiwayEquity); with more opponents, or without a range, equity and verdict stay empty.
// Multiway equity is sampled and slow, so a list of many hands may leave it for weighMultiway.
enum class Weigh { kEveryDecision, kHeadsUpOnly };
std::variant<Hand, Skip> buildHand(const HandRecord& record, const equity::HoldingWeights* villainRange,
                                   Weigh weigh = Weigh::kEveryDecision);

// Weighs the hand's multiway decisions that buildHand left unweighed, as kEveryDecision would have.
void weighMultiway(Hand& hand, const equity::HoldingWeights& villainRange);

} // namespace tavolin::history
