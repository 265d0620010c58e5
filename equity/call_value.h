#pragma once

#include <string>

namespace tavolin::equity {

// What calling a bet earns on average: the hero puts in `call` to win `win` (the pot with the villain's bet
// in it) and takes the pot with his equity share, so the call's expected value is
// equity * (win + call) - call, above 0 exactly when the equity beats the price call / (win + call).
struct CallValue {
    double Chips = 0.0;
    double Price = 0.0;   // call / (win + call): the equity a call needs
    std::string Sentence; // "calling 50 to win 150 with 41% equity: +32 on average"
    bool Valid = false;   // false for a call or win below 0 or an equity outside 0..1; Sentence says why
};

CallValue callValue(double call, double win, double equity);

} // namespace tavolin::equity
