// Feeds the Open Hand History reader any bytes as one object: a record it accepts must balance its bets
// against its pots, and the hand built from it must hold two hole cards.
#include "history/hand_builder.h"
#include "history/ohh_hand.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolin::history;
    const auto record = readOhhHand(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* skip = std::get_if<Skip>(&record)) {
        if (skip->Reason.empty()) std::abort();
        return 0;
    }
    const HandRecord& hand = std::get<HandRecord>(record);
    if (hand.Players.empty() || hand.Players.size() > static_cast<std::size_t>(kMaxPlayers)) std::abort();
    const auto built = buildHand(hand, nullptr);
    if (const auto* read = std::get_if<Hand>(&built); read != nullptr && tavolin::cardCount(read->Hole) != 2)
        std::abort();
    return 0;
}
