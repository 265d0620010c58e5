#pragma once

#include <string>
#include <string_view>

namespace tavolin::history {

// The UTF-8 byte-order mark; hand-history files often start with it, and joined files carry it mid-line.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isValidUtf8(std::string_view text);

// The text as UTF-8: kept as it is when it is valid UTF-8, else read as Windows-1252 (a superset of
// Latin-1 for the printable range), whose bytes 0x80..0x9F hold the euro sign and typographic quotes.
std::string asUtf8(std::string_view text);

} // namespace tavolin::history
