#include "analysis/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tavolin {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) value = 0.0;
    // glibc prints a double's exact decimal expansion, so the digit after the last kept one decides the
    // rounding without any binary error. A value in [2^(e−1), 2^e) needs at most 53 − e decimals for that.
    int exponent = 0;
    std::frexp(value, &exponent);
    const int exactDecimals = std::clamp(53 - exponent, decimals + 1, 1080);
    std::array<char, 1500> exact{};
    std::snprintf(exact.data(), exact.size(), "%.*f", exactDecimals, std::fabs(value));
    std::string digits(exact.data());
    // The C library writes the point of the current locale; it is whatever follows the leading digits.
    const std::size_t point = digits.find_first_not_of("0123456789");
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, static_cast<std::size_t>(decimals));
    if (digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::size_t whole = kept.size() - static_cast<std::size_t>(decimals);
    std::string text = kept.substr(0, whole);
    if (decimals > 0) text += std::string(decimalSeparator) + kept.substr(whole);
    const bool isZero = kept.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !isZero) ? "-" + text : text;
}

std::string formatShortest(float value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) value = 0.0f;
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.7g", static_cast<double>(value));
    std::string text(buffer.data());
    const std::size_t firstDigit = text.find_first_of("0123456789");
    if (const auto point = text.find_first_not_of("0123456789", firstDigit);
        point != std::string::npos && text[point] != 'e') {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

double readAmount(std::string_view text) {
    std::string number;
    bool seenDigitOrPoint = false;
    bool seenPoint = false;
    for (const char c : text) {
        if (isBlank(c)) continue;
        if ((c == '+' || c == '-') && number.empty()) {
            number += c;
        } else if (c >= '0' && c <= '9') {
            number += c;
            seenDigitOrPoint = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
            seenDigitOrPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigitOrPoint) return 0.0;
    const bool negative = number.front() == '-';
    if (number.front() == '-' || number.front() == '+') number.erase(0, 1);
    if (number == ".") return 0.0;
    // from_chars ignores the locale, unlike strtod: the window runs under the player's locale.
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tooLarge = number.find_first_of("123456789") < number.find('.');
        value = tooLarge ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

} // namespace tavolin
