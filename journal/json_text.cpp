#include "journal/json_text.h"

#include <charconv>
#include <cmath>

namespace tavolin::journal {
namespace {

// The length of the UTF-8 sequence at `text[at]`, or 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte < 0x80                   ? 1
                               : byte >= 0xc2 && byte < 0xe0 ? 2
                               : byte >= 0xe0 && byte < 0xf0 ? 3
                               : byte >= 0xf0 && byte < 0xf5 ? 4
                                                             : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xc0) != 0x80) return 0;
    }
    return length;
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            out += "\\ufffd";
            ++at;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[static_cast<unsigned char>(c) >> 4];
            out += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    out += '"';
}

void appendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

} // namespace tavolin::journal
