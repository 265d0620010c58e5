#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace tavolin::history {

// A line's bytes are kept up to this length; a longer line is cut and says so.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

struct Line {
    std::string Text; // UTF-8, without its line end or a byte-order mark
    bool Cut = false; // the line was longer than kMaxLineBytes and its rest was dropped
};

// Reads a stream line by line without holding more than one line: line ends are LF, CR LF or a lone CR,
// and a byte-order mark starts a new line wherever it stands (joined files carry one mid-line). Lines that
// are not valid UTF-8 are read as Windows-1252.
class LineReader {
public:
    explicit LineReader(std::istream& in) : In(in) {}
    std::optional<Line> next();

private:
    int peekByte();
    int takeByte();

    std::istream& In;
    std::array<char, 1 << 16> Buffer{};
    std::size_t Begin = 0;
    std::size_t End = 0;
    std::optional<Line> Pending; // the rest of a line after a byte-order mark
};

} // namespace tavolin::history
