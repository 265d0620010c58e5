#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// The value with exactly `decimals` decimals (at least one digit before the separator), rounded half away
// from zero on the exact binary value: 1.125 gives "1.13", while 0.145f, just below 0.145, gives "0.14".
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator);

// Shortest form with at most 7 significant digits: 6 → "6", 8.5 → "8.5", −2 → "-2".
std::string formatShortest(float value, std::string_view decimalSeparator);

// The value of an amount as a player types it: an optional sign, digits and one "." as the decimal point,
// blanks skipped anywhere; reading stops at anything else, and text without a number reads 0.
double readAmount(std::string_view text);

} // namespace tavolin
