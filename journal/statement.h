#pragma once

#include <cstdint>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace tavolin::journal {

// One prepared statement, finalized when it goes. Binding numbers from 1 as SQLite does.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return Handle != nullptr; }
    int prepareCode() const { return PrepareCode; }

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, const std::optional<double>& value);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();

    std::int64_t integer(int column) const;
    double real(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::string text(int column) const;

private:
    sqlite3_stmt* Handle = nullptr;
    int PrepareCode = SQLITE_OK;
};

// Runs statements without results; the SQLite result code.
int execute(sqlite3* db, const char* sql);

// The first column of the first row as a number, or nullopt when the query fails.
std::optional<std::int64_t> queryInteger(sqlite3* db, std::string_view sql);

} // namespace tavolin::journal
