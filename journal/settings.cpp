#include "journal/journal.h"
#include "journal/statement.h"

namespace tavolin::journal {

bool Journal::setSetting(std::string_view key, std::string_view value) {
    Statement write(Db, "INSERT INTO settings (key, value) VALUES (?, ?) "
                        "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
    write.bind(1, key).bind(2, value);
    return succeeded(write.step());
}

std::optional<std::string> Journal::setting(std::string_view key) {
    Statement query(Db, "SELECT value FROM settings WHERE key = ?");
    query.bind(1, key);
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return query.text(0);
}

} // namespace tavolin::journal
