#include "journal/journal_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tavolin::journal {

std::optional<std::string> defaultJournalPath() {
    std::filesystem::path folder;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        folder = dataHome;
    } else if (home != nullptr && home[0] != '\0') {
        folder = std::filesystem::path(home) / ".local" / "share";
    } else {
        return std::nullopt;
    }
    folder /= "tavolin";
    std::error_code ignored;
    // When it cannot be made, opening the journal says so.
    std::filesystem::create_directories(folder, ignored);
    return (folder / "journal.sqlite3").string();
}

} // namespace tavolin::journal
