#include "cli/kept_class_names.h"

#include <string_view>

namespace tavolin::cli {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<equity::BoardClass> classNamed(std::string_view name) {
    for (int row = 0; row < equity::kBoardClassCount; ++row) {
        const auto boardClass = static_cast<equity::BoardClass>(row);
        if (equity::boardClassName(boardClass) == name) return boardClass;
    }
    return std::nullopt;
}

} // namespace

KeptReading readKeptClasses(const std::vector<std::string>& texts) {
    KeptReading reading;
    for (const std::string& text : texts) {
        std::size_t start = 0;
        for (std::size_t comma = 0; comma != std::string::npos; start = comma + 1) {
            comma = text.find(',', start);
            const std::string_view name = trimmed(std::string_view(text).substr(start, comma - start));
            const auto boardClass = classNamed(name);
            if (!boardClass)
                return {std::nullopt,
                        "\"" + std::string(name) + "\" is not a class of the range on the board"};
            if (!reading.Kept) reading.Kept.emplace();
            reading.Kept->set(static_cast<std::size_t>(*boardClass));
        }
    }
    return reading;
}

} // namespace tavolin::cli
