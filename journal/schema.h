#pragma once

#include <cstdint>
#include <sqlite3.h>

namespace tavolin::journal {

// Marks the file as a journal in its header (PRAGMA application_id), so that another program's SQLite
// database is told apart from ours.
constexpr std::int32_t kApplicationId = 0x54766c4a;
constexpr int kSchemaVersion = 3;

// Brings a journal of any older version (0 for a new file) up to kSchemaVersion in one transaction;
// the SQLite result code. On failure nothing has changed.
int migrate(sqlite3* db);

} // namespace tavolin::journal
