#pragma once

#include <optional>
#include <string>

namespace tavolin::journal {

// $XDG_DATA_HOME/tavolin/journal.sqlite3, or ~/.local/share/tavolin/journal.sqlite3 when XDG_DATA_HOME is
// unset or not absolute; the folder is made when missing. nullopt when there is no home to put it in.
std::optional<std::string> defaultJournalPath();

} // namespace tavolin::journal
