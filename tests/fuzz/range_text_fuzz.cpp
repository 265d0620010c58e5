// Feeds the range reader any bytes: a text that reads must write a canonical text that reads back to the
// same weights; one that does not must name a place and leave no weights.
#include "ranges/range_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolin::ranges;
    const RangeReading reading = readRange(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!reading.Ok) {
        const bool noWeights =
            std::ranges::all_of(reading.Weights, [](double weight) { return weight == 0.0; });
        if (!noWeights || reading.Error.Place < 1 || reading.Error.Message.empty()) std::abort();
        return 0;
    }
    const bool inRange =
        std::ranges::all_of(reading.Weights, [](double weight) { return weight >= 0.0 && weight <= 1.0; });
    const std::string text = rangeText(reading.Weights);
    const RangeReading again = readRange(text);
    if (!inRange || !again.Ok || again.Weights != reading.Weights) std::abort();
    return 0;
}
