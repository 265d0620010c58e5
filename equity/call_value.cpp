#include "equity/call_value.h"

#include <cmath>
#include <cstdio>

namespace tavolin::equity {
namespace {

// Room for any finite double written out in full: 309 digits, a sign and a decimal.
constexpr std::size_t kTextRoom = 320;

// Whole numbers as such ("150"), others with one decimal ("37.5").
std::string amountText(double amount) {
    char text[kTextRoom];
    std::snprintf(text, sizeof text, amount == std::round(amount) ? "%.0f" : "%.1f", amount);
    return text;
}

// Whole chips from 10 up, tenths below, so that a small edge still shows its sign.
std::string edgeText(double chips) {
    if (chips == 0.0) return "0";
    char text[kTextRoom];
    std::snprintf(text, sizeof text, std::fabs(chips) >= 10.0 ? "%+.0f" : "%+.1f", chips);
    return text;
}

} // namespace

CallValue callValue(double call, double win, double equity) {
    CallValue value;
    if (!(call >= 0.0 && win >= 0.0 && equity >= 0.0 && equity <= 1.0) || !std::isfinite(call + win)) {
        value.Sentence =
            "no expected value: the call and the pot must be amounts of 0 or more and the equity "
            "a share from 0 to 1";
        return value;
    }
    value.Valid = true;
    const double finalPot = win + call;
    value.Price = finalPot > 0.0 ? call / finalPot : 0.0;
    // (equity - price) * final pot is equity * final pot - call, written so its sign is exactly that of
    // equity - price.
    value.Chips = (equity - value.Price) * finalPot;
    value.Sentence = "calling " + amountText(call) + " to win " + amountText(win) + " with " +
                     amountText(std::round(equity * 1000.0) / 10.0) + "% equity: " + edgeText(value.Chips) +
                     " on average";
    return value;
}

} // namespace tavolin::equity
