#include "history/history_reader.h"

#include "history/hand_builder.h"
#include "history/ohh_hand.h"
#include "history/text_hand.h"
#include "history/text_header.h"

#include <algorithm>

namespace tavolin::history {
namespace {

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Follows the nesting of braces and brackets outside JSON strings, so that the end of an object is seen
// without parsing it.
class JsonDepth {
public:
    void follow(const std::string& text) {
        for (const char c : text) {
            if (InString) {
                if (Escaped)
                    Escaped = false;
                else if (c == '\\')
                    Escaped = true;
                else if (c == '"')
                    InString = false;
            } else if (c == '"') {
                InString = true;
            } else if (c == '{' || c == '[') {
                ++Depth;
            } else if (c == '}' || c == ']') {
                --Depth;
            }
        }
    }
    bool closed() const { return Depth <= 0 && !InString; }

private:
    long Depth = 0;
    bool InString = false;
    bool Escaped = false;
};

} // namespace

std::optional<Line> HistoryReader::nextLine() {
    if (Ahead) {
        std::optional<Line> line = std::move(Ahead);
        Ahead.reset();
        return line;
    }
    return Lines.next();
}

std::optional<std::variant<Hand, Skip>> HistoryReader::next() {
    auto record = nextRecord();
    if (!record) return std::nullopt;
    if (auto* skip = std::get_if<Skip>(&*record)) return std::move(*skip);
    return buildHand(std::get<HandRecord>(*record), VillainRange, Weighing);
}

std::optional<std::variant<HandRecord, Skip>> HistoryReader::nextRecord() {
    if (Format == HistoryFormat::kUnknown) {
        std::optional<Line> line = nextLine();
        while (line && isBlank(line->Text))
            line = nextLine();
        if (!line) return std::nullopt;
        const std::size_t first = line->Text.find_first_not_of(" \t");
        Format = line->Text[first] == '{' ? HistoryFormat::kOpenHandHistory : HistoryFormat::kText;
        Ahead = std::move(line);
    }
    return Format == HistoryFormat::kText ? nextTextHand() : nextJsonHand();
}

std::optional<std::variant<HandRecord, Skip>> HistoryReader::nextTextHand() {
    std::optional<Line> line = nextLine();
    while (line && isBlank(line->Text))
        line = nextLine();
    if (!line) return std::nullopt;
    const std::optional<TextHeader> header = readTextHeader(line->Text);
    std::vector<Line> hand;
    std::size_t count = 1;
    std::size_t bytes = line->Text.size();
    bool cut = line->Cut;
    hand.push_back(std::move(*line));
    while ((line = Lines.next())) {
        if (readTextHeader(line->Text)) {
            Ahead = std::move(line);
            break;
        }
        if (isBlank(line->Text)) continue;
        ++count;
        bytes += line->Text.size();
        cut = cut || line->Cut;
        // Only a hand's lines are kept, and only while they stay within bounds.
        if (header && count <= kMaxHandLines && bytes <= kMaxHandBytes) hand.push_back(std::move(*line));
    }
    if (!header) {
        return Skip{"", std::to_string(count) + (count == 1 ? " line" : " lines") +
                            " of text outside any hand" +
                            (cut ? ", a line longer than " + std::to_string(kMaxLineBytes) + " bytes" : "")};
    }
    if (count > kMaxHandLines)
        return Skip{header->Id, "more than " + std::to_string(kMaxHandLines) + " lines in one hand"};
    if (bytes > kMaxHandBytes)
        return Skip{header->Id, "a hand larger than " + std::to_string(kMaxHandBytes / 1024) + " KiB"};
    return readTextHand(hand);
}

std::optional<std::variant<HandRecord, Skip>> HistoryReader::nextJsonHand() {
    std::optional<Line> line = nextLine();
    while (line && isBlank(line->Text))
        line = nextLine();
    if (!line) return std::nullopt;
    std::string text;
    JsonDepth depth;
    bool tooLarge = false;
    for (; line; line = Lines.next()) {
        if (isBlank(line->Text)) break;
        if (line->Cut) return Skip{"", "a line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
        depth.follow(line->Text);
        tooLarge = tooLarge || text.size() + line->Text.size() > kMaxHandBytes;
        if (!tooLarge) (text += line->Text) += '\n';
        if (depth.closed()) break;
    }
    if (tooLarge) return Skip{"", "a hand larger than " + std::to_string(kMaxHandBytes / 1024) + " KiB"};
    return readOhhHand(text);
}

} // namespace tavolin::history
