// Feeds the hand-history reader any bytes as a file: it must come to the end, give every skip a reason,
// and read only hands whose cards and decisions make sense.
#include "history/history_reader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolin::history;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    HistoryReader reader(in);
    while (auto entry = reader.next()) {
        if (const auto* skip = std::get_if<Skip>(&*entry)) {
            if (skip->Reason.empty()) std::abort();
            continue;
        }
        const Hand& hand = std::get<Hand>(*entry);
        if (tavolin::cardCount(hand.Hole) != 2 || (hand.Hole & hand.Board) != 0) std::abort();
        for (const Decision& decision : hand.Decisions) {
            if (decision.ToCall < 0 || decision.ToCall > decision.Stack || decision.Pot < 0) std::abort();
            if (decision.Price && (*decision.Price <= 0 || *decision.Price > 1)) std::abort();
        }
    }
    return 0;
}
