#include "journal/journal.h"
#include "journal/statement.h"

namespace tavolin::journal {

bool Journal::saveRange(std::string_view name, std::string_view text, Time now) {
    Statement write(Db,
                    "INSERT INTO named_ranges (name, range_text, saved) VALUES (?, ?, ?) ON CONFLICT (name) "
                    "DO UPDATE SET range_text = excluded.range_text, saved = excluded.saved");
    write.bind(1, name).bind(2, text).bind(3, now);
    return succeeded(write.step());
}

std::optional<std::string> Journal::loadRange(std::string_view name) {
    Statement query(Db, "SELECT range_text FROM named_ranges WHERE name = ?");
    query.bind(1, name);
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return query.text(0);
}

bool Journal::renameRange(std::string_view from, std::string_view to) {
    Statement write(Db, "UPDATE named_ranges SET name = ? WHERE name = ?");
    write.bind(1, to).bind(2, from);
    return succeeded(write.step()) && sqlite3_changes(Db) == 1;
}

bool Journal::removeRange(std::string_view name) {
    Statement write(Db, "DELETE FROM named_ranges WHERE name = ?");
    write.bind(1, name);
    return succeeded(write.step()) && sqlite3_changes(Db) == 1;
}

std::vector<NamedRange> Journal::namedRanges() {
    Statement query(Db, "SELECT name, range_text FROM named_ranges ORDER BY name");
    std::vector<NamedRange> ranges;
    while (query.step() == SQLITE_ROW)
        ranges.push_back({query.text(0), query.text(1)});
    return ranges;
}

} // namespace tavolin::journal
