#pragma once

#include "journal/journal.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tavolin::journal {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavolin-journal-XXXXXX").string();
        Path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TempFolder() { std::filesystem::remove_all(Path); }
    std::string file(const std::string& name) const { return (Path / name).string(); }

private:
    std::filesystem::path Path;
};

inline std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline long lineCount(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

inline std::unique_ptr<Journal> openOrFail(const std::string& path) {
    OpenResult opened = Journal::open(path);
    if (!opened.Opened) throw std::runtime_error(opened.Message);
    return std::move(opened.Opened);
}

inline SpotRecord sampleSpot(int pot) {
    return {"Ah Kh",
            "Qh 7h 2c",
            static_cast<double>(pot),
            0,
            50,
            500,
            "Semiloose",
            "55+, AKs",
            "flop",
            "flush",
            "dealt",
            "STRONG",
            "call by 15+",
            0.7};
}

inline AnswerRecord sampleAnswer(std::string question, bool right, Time at) {
    return {std::move(question), "8", "9", right, 1.0, 2.5, at};
}

} // namespace tavolin::journal
