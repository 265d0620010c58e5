#include "journal/schema.h"

#include "journal/statement.h"

#include <array>
#include <string>

namespace tavolin::journal {
namespace {

// Step N brings version N - 1 to version N. Times are Unix seconds (UTC). A step, once released, never
// changes: files written by it exist.
constexpr std::array<const char*, kSchemaVersion> kSteps{
    R"(
CREATE TABLE sessions (
    id INTEGER PRIMARY KEY,
    started INTEGER NOT NULL,
    program TEXT NOT NULL);
CREATE TABLE spots (
    id INTEGER PRIMARY KEY,
    hole TEXT NOT NULL,
    board TEXT NOT NULL,
    pot REAL NOT NULL,
    hero_bet REAL NOT NULL,
    villain_bet REAL NOT NULL,
    stack REAL NOT NULL,
    range_name TEXT NOT NULL,
    range_text TEXT NOT NULL,
    street TEXT NOT NULL,
    board_kind TEXT NOT NULL,
    source TEXT NOT NULL,
    UNIQUE (hole, board, pot, hero_bet, villain_bet, stack, range_name, range_text));
CREATE TABLE answers (
    id INTEGER PRIMARY KEY,
    session INTEGER NOT NULL REFERENCES sessions(id),
    spot INTEGER NOT NULL REFERENCES spots(id),
    question TEXT NOT NULL,
    answer TEXT NOT NULL,
    truth TEXT NOT NULL,
    right INTEGER NOT NULL,
    error REAL,
    seconds REAL NOT NULL,
    time INTEGER NOT NULL,
    UNIQUE (session, spot, question));
CREATE INDEX answers_by_time ON answers(time);
CREATE INDEX answers_by_spot ON answers(spot);
CREATE TABLE reviews (
    spot INTEGER PRIMARY KEY REFERENCES spots(id),
    box INTEGER NOT NULL,
    due INTEGER NOT NULL);
)",
    R"(
CREATE TABLE named_ranges (
    name TEXT PRIMARY KEY,
    range_text TEXT NOT NULL,
    saved INTEGER NOT NULL);
CREATE TABLE settings (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL);
CREATE INDEX reviews_by_due ON reviews(due);
)",
    // What a spot was, for the leaks: the hand's tier ("WEAK"), how close the call was (a band of the
    // exact equity minus the price) and the exact equity; empty or NULL for spots recorded before.
    R"(
ALTER TABLE spots ADD COLUMN tier TEXT NOT NULL DEFAULT '';
ALTER TABLE spots ADD COLUMN closeness TEXT NOT NULL DEFAULT '';
ALTER TABLE spots ADD COLUMN equity REAL;
)",
};

} // namespace

int migrate(sqlite3* db) {
    int code = execute(db, "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return code;
    // Read inside the transaction: another program may have migrated the file a moment ago.
    const int version = static_cast<int>(queryInteger(db, "PRAGMA user_version").value_or(-1));
    if (version < 0) code = SQLITE_ERROR;
    for (int step = version; code == SQLITE_OK && step < kSchemaVersion; ++step)
        code = execute(db, kSteps[static_cast<std::size_t>(step)]);
    if (code == SQLITE_OK && version < kSchemaVersion) {
        const std::string stamp = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                  "; PRAGMA user_version = " + std::to_string(kSchemaVersion);
        code = execute(db, stamp.c_str());
    }
    if (code == SQLITE_OK) code = execute(db, "COMMIT");
    if (code != SQLITE_OK) execute(db, "ROLLBACK");
    return code;
}

} // namespace tavolin::journal
