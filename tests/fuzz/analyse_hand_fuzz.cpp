// Feeds analyseHand all nine arguments from one input: the fields are the input's lines, in the order
// hole, board, pot, hero's bet, villain's bet, stack, preflop index, postflop index, villain count, and a
// tenth line picking the decimal separator. Missing lines are empty.
#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int toIndex(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc{}) return value;
    // Not a number: let the raw bytes pick one, so that large and negative indexes occur too.
    std::uint32_t bits = 0;
    for (const char c : text)
        bits = bits * 131u + static_cast<unsigned char>(c);
    return static_cast<int>(bits);
}

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(10);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < fields.size(); ++i) {
        if (data[i] == '\n') {
            ++field;
        } else {
            fields[field] += static_cast<char>(data[i]);
        }
    }
    static constexpr std::array<std::string_view, 3> kSeparators{".", ",", "\xd9\xab"};
    const std::string_view separator = kSeparators[fields[9].size() % kSeparators.size()];
    std::string board = fields[1];
    const std::string report =
        tavolin::analyseHand(fields[0], board, fields[2], fields[3], fields[4], fields[5], toIndex(fields[6]),
                             toIndex(fields[7]), fields[8] == "1", separator);

    tavolin::AnalysisContext ctx;
    std::string boardAgain = fields[1];
    const bool accepted = tavolin::readCards(ctx, fields[0], boardAgain).ok();
    require(report.empty() != accepted);
    require(board == boardAgain);
    if (accepted) {
        require(report.starts_with("Hand: "));
        require(report.find("inf") == std::string::npos && report.find("nan") == std::string::npos);
    }
    return 0;
}
