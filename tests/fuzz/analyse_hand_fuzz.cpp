// Feeds analyseHand all its arguments from one input: the fields are the input's lines, in the order hole,
// board, pot, hero's bet, villain's bet, stack, preflop index, postflop index, villain count, and a tenth
// line whose length picks the decimal separator. Missing lines are empty; an index that is not a number is
// made from its bytes, so that large and negative indexes occur too.
#include "analysis/analyse_hand.h"
#include "analysis/card_input.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int toIndex(const std::string& text) {
    std::uint32_t bits = 0;
    for (const char c : text)
        bits = bits * 131u + static_cast<unsigned char>(c);
    return text.find_first_not_of("0123456789") == std::string::npos && text.size() < 9
               ? std::atoi(text.c_str())
               : static_cast<int>(bits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(10);
    for (std::size_t i = 0, field = 0; i < size && field < fields.size(); ++i) {
        if (data[i] == '\n')
            ++field;
        else
            fields[field] += static_cast<char>(data[i]);
    }
    static constexpr std::array<std::string_view, 3> kSeparators{".", ",", "\xd9\xab"};
    std::string board = fields[1];
    const std::string report =
        tavolin::analyseHand(fields[0], board, fields[2], fields[3], fields[4], fields[5], toIndex(fields[6]),
                             toIndex(fields[7]), fields[8] == "1", kSeparators[fields[9].size() % 3]);
    // The report is empty exactly when the cards are rejected, the board text changes the same way, and no
    // report holds an infinity or a not-a-number.
    tavolin::AnalysisContext ctx;
    std::string boardAgain = fields[1];
    const bool accepted = tavolin::readCards(ctx, fields[0], boardAgain).ok();
    if (report.empty() == accepted || board != boardAgain) std::abort();
    if (accepted && (!report.starts_with("Hand: ") || report.find("inf") != std::string::npos ||
                     report.find("nan") != std::string::npos)) {
        std::abort();
    }
    return 0;
}
