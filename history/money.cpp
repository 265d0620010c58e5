#include "history/money.h"

#include <array>

namespace tavolin::history {
namespace {

constexpr std::array<std::string_view, 3> kCurrencySigns{"$", "\xE2\x82\xAC", "\xC2\xA3"}; // $ € £

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<Money> readMoney(std::string_view text) {
    for (const std::string_view sign : kCurrencySigns) {
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
            break;
        }
    }
    Money whole = 0;
    int digits = 0;
    std::size_t at = 0;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == ','); ++at) {
        if (text[at] == ',') {
            // A thousands comma stands between digits and has three after it.
            const bool grouped = digits > 0 && at + 3 < text.size() && isDigit(text[at + 1]) &&
                                 isDigit(text[at + 2]) && isDigit(text[at + 3]) &&
                                 (at + 4 == text.size() || !isDigit(text[at + 4]));
            if (!grouped) return std::nullopt;
            continue;
        }
        whole = whole * 10 + (text[at] - '0');
        if (whole > kMaxMoney / kMoneyScale) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    Money hundredths = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        int decimals = 0;
        for (; at < text.size() && isDigit(text[at]); ++at, ++decimals) {
            if (decimals == 2) return std::nullopt;
            hundredths = hundredths * 10 + (text[at] - '0');
        }
        if (decimals == 0) return std::nullopt;
        if (decimals == 1) hundredths *= 10;
    }
    if (at != text.size()) return std::nullopt;
    return whole * kMoneyScale + hundredths;
}

std::string moneyText(Money amount) {
    const Money size = amount < 0 ? -amount : amount;
    std::string text = (amount < 0 ? "-" : "") + std::to_string(size / kMoneyScale);
    if (size % kMoneyScale != 0) text += "." + std::to_string(size % kMoneyScale + kMoneyScale).substr(1);
    return text;
}

double moneyValue(Money amount) {
    return static_cast<double>(amount) / static_cast<double>(kMoneyScale);
}

} // namespace tavolin::history
