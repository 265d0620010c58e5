#include "history/line_reader.h"

#include "history/encoding.h"

namespace tavolin::history {

int LineReader::peekByte() {
    if (Begin == End) {
        Begin = 0;
        End = static_cast<std::size_t>(
            In.rdbuf()->sgetn(Buffer.data(), static_cast<std::streamsize>(Buffer.size())));
        if (End == 0) return -1;
    }
    return static_cast<unsigned char>(Buffer[Begin]);
}

int LineReader::takeByte() {
    const int byte = peekByte();
    if (byte >= 0) ++Begin;
    return byte;
}

std::optional<Line> LineReader::next() {
    Line line;
    if (Pending) {
        line = std::move(*Pending);
        Pending.reset();
    } else {
        int byte = takeByte();
        if (byte < 0) return std::nullopt;
        while (byte >= 0 && byte != '\n' && byte != '\r') {
            if (line.Text.size() < kMaxLineBytes)
                line.Text += static_cast<char>(byte);
            else
                line.Cut = true;
            byte = takeByte();
        }
        if (byte == '\r' && peekByte() == '\n') takeByte();
    }
    if (line.Text.starts_with(kByteOrderMark)) line.Text.erase(0, kByteOrderMark.size());
    if (const std::size_t mark = line.Text.find(kByteOrderMark); mark != std::string::npos) {
        Pending = Line{line.Text.substr(mark), line.Cut};
        line.Text.resize(mark);
        line.Cut = false;
    }
    line.Text = asUtf8(line.Text);
    return line;
}

} // namespace tavolin::history
