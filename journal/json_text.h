#pragma once

#include <string>
#include <string_view>

namespace tavolin::journal {

// A JSON string literal, quotes included; bytes that are not valid UTF-8 become U+FFFD.
void appendJsonString(std::string& out, std::string_view text);
// The shortest text that reads back as the same double; "null" for a value JSON cannot hold.
void appendJsonNumber(std::string& out, double value);

} // namespace tavolin::journal
